#pragma once
// The pay-to look-up of the forms with a pay-to field: when the entry gains the focus and
// PAYEE holds no payee of that name (compared without regard to case), the payee list opens
// at the first payee at or after it; a payee chosen there gives the field its name. Only the
// name is taken over. The form must have PAYEE among its files.

#include "frame/form_engine.h"
#include "runtime/data/record_file.h"

FormLookup PayToLookup(int entryControl, const rt::Field& payTo);
