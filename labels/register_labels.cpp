#include "frame/procedure_registry.h"
#include "labels/label_procedures.h"

void RegisterLabelProcedures() {
    RegisterProcedure("SelectLabelType", &SelectLabelType);
    RegisterProcedure("PrintLabelsByLastName", &PrintLabelsByLastName);
    RegisterProcedure("PrintLabelsByZip", &PrintLabelsByZip);
    RegisterProcedure("PrintEnvelopes", &PrintEnvelopes);
    RegisterProcedure("PrintShippingLabel", &PrintShippingLabel);
    RegisterProcedure("BrowsePrintBusinessCards", &BrowsePrintBusinessCards);
    RegisterProcedure("UpdatePrintCards", &UpdatePrintCards);
    RegisterProcedure("ClearAllCards", &ClearAllCards);
    RegisterProcedure("PrintCardStyle1", &PrintCardStyle1);
    RegisterProcedure("PrintCardStyle2", &PrintCardStyle2);
    RegisterProcedure("PrintCardStyle3", &PrintCardStyle3);
    RegisterProcedure("PrintCardStyle4", &PrintCardStyle4);
    RegisterProcedure("PrintCardStyle5", &PrintCardStyle5);
    RegisterProcedure("PrintCardStyle6", &PrintCardStyle6);
    RegisterProcedure("PrintCardStyle7", &PrintCardStyle7);
    RegisterProcedure("PrintReturnAddressLabels", &PrintReturnAddressLabels);
}
