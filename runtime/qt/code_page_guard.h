#pragma once
// Keeps characters the records cannot hold out of the entries and text boxes. The records keep
// their text in Windows-1252; a character outside it ("Ł", "日") typed or pasted is refused
// where it is typed: what stood in the control before stays, and a message names the character.

class QLineEdit;
class QPlainTextEdit;

namespace rt::qt {

void guardCodePage(QLineEdit* entry);
void guardCodePage(QPlainTextEdit* text);

}  // namespace rt::qt
