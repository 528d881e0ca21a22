#pragma once
// The information and help texts, the program's manual and the product record.

// "Browse the Information File": the titled information texts.
void Information();
// "Help": the help topics; opened by the Help buttons and the main menu.
void HelpBrowse();
// The forms of one information text and one help topic.
void UpdateInformation();
void UpdateHelp();
// The window of the alert key Alt+Shift+Insert of the main menu.
void PrivateLabelMenu();
// "Software Name": the product records; UpdatePLF their form.
void AddProductName();
void UpdatePLF();
// Edits and shows the "What Else Do I Need?" text of the product record.
void UpdateWhatElseNeeded();
void ShowWhatElseNeeded();

// Registers the procedures above by name.
void RegisterInformationProcedures();
