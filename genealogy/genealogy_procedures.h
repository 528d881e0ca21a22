#pragma once
// The procedures of the genealogy. Each runs under the request and response protocol: the
// request in GLO::Request, the answer in GLO::Response.

// The company-ID search form of the levels list (REQ::Search): tags the contacts whose
// company ID matches in TAG::Genealogy, untags them, or shows them one by one. Answers
// RESP::Cancelled or minus the number of contacts tagged or untagged.
void SearchCompanyID();

// "Post New Distributor": raises the level counts of the ten sponsors above the contact in
// the MAIL buffer (its sponsor's MAI:L1, that one's sponsor's MAI:L2, ...). A count that
// would pass 999.99 stays at 999.99, and the walk says so once.
void LevelWalk();
// Marks the twelve sponsors above the contact in the MAIL buffer with "X" in MAI:FROMWHAT.
void UplineSearch();
// The up-line search from the contact highlighted in the main contacts list.
void SearchUplineOfHighlighted();

// The downline panel: the genealogy's tool window; always answers RESP::Cancelled.
void DownlinePanel();
// "Browse the Sponsor File": "Select" keeps the highlighted distributor in the three sponsor
// globals for the contact form; answers RESP::Cancelled.
void Sponsor();
// "Browse the Levels File": the distributors in level order with the highlighted one's ten
// level counts and company code; search and tagging by company code; the genealogy report.
void BrowseLevels();
// The genealogy report: every contact in level order, or only those tagged in
// TAG::Genealogy when any are.
void PrintGenealogy();
// The up-line list: the contacts marked by the up-line search, in level order.
void BrowseUpline();
// "Report For Upline": the marked contacts' blocks.
void PrintUplineReport();
// Blanks the up-line mark of every marked contact.
void ClearUpline();

// Registers the procedures above by name.
void RegisterGenealogyProcedures();
