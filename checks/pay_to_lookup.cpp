#include "checks/pay_to_lookup.h"

#include "frame/procedure_registry.h"
#include "records/payee.h"

FormLookup PayToLookup(int entryControl, const rt::Field& payTo) {
    FormLookup l;
    l.control = entryControl;
    l.onEntry = true;
    l.file = &PAYEE;
    l.key = PAY::KEYPAYTO;
    l.prepare = [&payTo] { PAY::PAYTO.setText(payTo.text()); };
    l.selectList = [] {
        if (ProcedureEntry list = FindProcedure("SelectPayTo")) list();
    };
    l.take = [&payTo] { payTo.setText(PAY::PAYTO.text()); };
    return l;
}
