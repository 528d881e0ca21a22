#pragma once
// Dialling, e-mail and web hand-overs of a contact (and of the web bookmarks). The program
// does not dial, mail or browse itself: it hands the number, the "MailTo:" address or the web
// address to the desktop. A text that is no such address, and an address the desktop cannot
// open, are told in a message box.

#include <string>
#include <string_view>

// The dialling name of the contact in the MAIL buffer: the first name without its trailing
// blanks, one blank and the last name, held in 40 characters.
std::string DialingName();

// Requests a call of `number` (a number field as stored) for `dialingName`.
void DialNumber(std::string_view number, std::string_view dialingName);

// Hands "MailTo:" and the e-mail address (MAI:NOTE2 as stored) to the desktop.
void SendEMail(std::string_view emailField);

// Hands a web address (MAI:WEBSITE as stored) to the desktop.
void OpenWebSite(std::string_view webField);

// Hands any web address (Windows-1252 text, as stored) to the desktop.
void OpenWebAddress(std::string_view text);
