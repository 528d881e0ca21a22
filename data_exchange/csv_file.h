#pragma once
// The import and export file of the running thread and the operations the four import and
// export windows share: open, write, read and close the comma-separated file, build a line
// value by value, take a line's values one by one. Failures are told in message boxes naming
// the file and the error.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/data/line_file.h"
#include "runtime/text/value.h"

// The thread's line file (its name follows GLO::ImportExportFileName).
rt::LineFile& ImportExportFile();

// Export. OpenExportFile: a blank name asks with the save dialog; answers true when the file
// was created and opened for writing.
bool OpenExportFile(std::string_view name);
void ClearExportLine();
// Appends one value through its picture: text quoted, numbers bare (quoted when the text holds
// a comma, a quote or a line break), other pictures formatted and quoted, a blank field empty.
// `header` writes a field name as the header line spells it.
void AppendExportField(const rt::Value& value, std::string_view picture, bool header);
// Writes the line; a failure asks Retry or Abort (the file keeps its whole lines, so a retry
// writes the line once). Answers false on Abort (Escape and the close box mean Abort).
bool WriteExportLine();
void CloseExportFile();
// The line built so far (tests and the benchmark).
const std::string& ExportLine();

// Import. OpenImportFile: a blank name asks with the open dialog (an empty file chosen there
// is reported and the dialog shown again, and so is a folder, a file with control bytes, a
// Ctrl+Z before its end or nothing but a byte-order mark); answers the file's size, 0 when
// nothing was opened.
std::int64_t OpenImportFile(std::string_view name);
void RewindImportFile(bool quickScan);
// Reads the next record (one line, or several while a quoted value holds line breaks) and
// answers the bytes it took in the file; 0 at the end. A quoted value spans lines only when
// its quote closes later, followed by a comma or a line end; otherwise the record is its one
// line and ImportRecordRefusal() names the line and column. A file that is UTF-8 (with or
// without its byte-order mark) has its values converted to the program's code page, others
// are read as Windows-1252.
std::int64_t ReadImportLine();
// Why ReadImportLine found no record when the file did not end there (a read that failed, a
// file changed by another program since it was opened); empty at the true end.
const std::string& ImportReadError();
// The caption of the message that tells it.
inline constexpr std::string_view kImportReadErrorCaption = "Cannot READ the Import File";
// The number of the file line where the record just read starts (from 1).
long ImportLineNumber();
// The next value of the record into ImportValue(): 1 quoted, 2 bare, 0 none left. A value
// that cannot be kept exactly (a character the code page lacks, text after its closing
// quote) has ImportValueRefusal() say why.
int ParseImportField();
// Takes the record's values again from its first.
void RestartImportValues();
// Converts the value with a formatted picture, once per value taken (a blank value stays
// blank). False when the picture cannot read it.
bool DeformatImportField(std::string_view picture);
const std::string& ImportValue();
// Why the record just read cannot be imported (an unclosed quote); empty when it can.
const std::string& ImportRecordRefusal();
// Why the value just taken cannot be stored exactly; empty when it can.
const std::string& ImportValueRefusal();
void CloseImportFile();

// Sets the value just taken (tests of the import's storing).
void SetImportValue(std::string_view text);
