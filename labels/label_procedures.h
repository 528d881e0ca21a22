#pragma once
// Labels, envelopes and business cards: mailing labels of the tagged contacts, envelopes,
// shipping labels, the business-card records and their reports.

// "Select Type Of Label": mailing labels by last name or zip, or the shipping label.
void SelectLabelType();
// Mailing labels of the contacts tagged in TAG::Contacts, three across and ten down.
void PrintLabelsByLastName();
void PrintLabelsByZip();
// An envelope for each tagged contact, the chosen company as the return address, through
// the plain preview.
void PrintEnvelopes();
// A shipping label for each tagged contact, the chosen company as the sender.
void PrintShippingLabel();

// "Printing Menu": the business cards, their form and the clearing of them all.
void BrowsePrintBusinessCards();
void UpdatePrintCards();
void ClearAllCards();
// Every card, ten to a Letter page, in one of seven styles; or thirty return-address
// labels to a page.
void PrintCardStyle1();
void PrintCardStyle2();
void PrintCardStyle3();
void PrintCardStyle4();
void PrintCardStyle5();
void PrintCardStyle6();
void PrintCardStyle7();
void PrintReturnAddressLabels();

// Registers the procedures above by name.
void RegisterLabelProcedures();
