#pragma once
// The printed mark of an invoice (ORD:PRINTED), written by the invoice documents.

// Marks the invoice in the ORDERS buffer (the current record) as printed, writing only the
// mark: when another station changed the invoice since it was read, its version is read
// again and marked, so that its change is kept. Answers false when the mark could not be
// written (the invoice stays unprinted); an invoice marked already is not written again.
bool MarkInvoicePrinted();
