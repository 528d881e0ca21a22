#pragma once
// The zip-code and area-code tables: lookups, maintenance lists and forms.

// "Browse the Zip File": with REQ::Select, "&Select" copies the chosen city, state and zip
// into the MAIL buffer and answers RESP::Completed; without a request it only browses.
void ZipCode();
// The zip-code maintenance list, opened from the lookup's "Update Zip Codes".
void ZipCode2();
// "Update the Zip File": adds, changes or deletes one zip record.
void UpdateZip();

// "Browse the Area Code File": the lookup; it hands nothing back.
void AreaCodes();
// The area-code maintenance list, opened from the lookup's "Update Area Codes".
void UpdateAreaCodes();
// "Update the AreaCode File": adds, changes or deletes one area-code record.
void UpdateAreaCode();

// "Browse the Web File": the web bookmarks by category; "Go to site" opens one.
void WebBookMarks();
// "Web Addresses": adds, changes or deletes one web bookmark.
void UpdateWeb();

// Registers the procedures above by name.
void RegisterReferenceProcedures();
