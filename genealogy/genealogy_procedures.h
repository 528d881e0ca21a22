#pragma once
// The procedures of the genealogy. Each runs under the request and response protocol: the
// request in GLO::Request, the answer in GLO::Response.

// The company-ID search form of the levels list (REQ::Search): tags the contacts whose
// company ID matches in TAG::Genealogy, untags them, or shows them one by one. Answers
// RESP::Cancelled or minus the number of contacts tagged or untagged.
void SearchCompanyID();

// Registers the procedures above by name.
void RegisterGenealogyProcedures();
