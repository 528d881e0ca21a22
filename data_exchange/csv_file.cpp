#include "data_exchange/csv_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "data_exchange/csv_format.h"
#include "frame/globals.h"
#include "runtime/data/errors.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/codepage.h"
#include "runtime/text/file_names.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/dialogs.h"

namespace {

constexpr std::string_view kExportFilters = "Export Files|*.CSV|All Files|*.*";
constexpr std::string_view kImportFilters = "Import Files|*.CSV|All Files|*.*";
// A quoted value never closed would otherwise gather the whole file into one record.
constexpr std::size_t kLongestRecord = 1 << 20;

struct ImportState {
    std::string record;  // as the file holds it: UTF-8 or Windows-1252
    csv::ValueReader reader;
    std::string value;
    std::string valueRefusal;
    std::string recordRefusal;
    std::string readError;  // why the last read found no record, when it was no end
    bool converted = false;
    long lineNumber = 0;  // of the record just read
    long linesRead = 0;   // lines of the file read so far
};

thread_local csv::LineBuilder exportLine;
thread_local ImportState importState;
// Whether the open import file is UTF-8 (with or without its mark); fixed when it is opened.
thread_local bool importIsUtf8 = false;

// The whole name chosen: GLO::ImportExportFileName holds 80 characters, a path may hold more.
std::string& chosenName() {
    static std::string name;
    return name;
}

// The whole name while the global still holds its beginning; once the global is set or
// cleared elsewhere (a start of the program clears it), the global's name holds.
std::string fileName() {
    if (rt::FixedString<80>(chosenName()).view() == GLO::ImportExportFileName.view())
        return chosenName();
    return std::string(rt::clip(GLO::ImportExportFileName.view()));
}

void setFileName(std::string_view name) {
    chosenName() = std::string(rt::clip(name));
    GLO::ImportExportFileName = name;
}

// The name as messages show it.
std::string shownName() {
    return rt::shownFileName(fileName());
}

void showFileError(std::string_view what) {
    rt::message("Error #" + std::to_string(rt::errorCode()) + " - " + rt::errorTextWithCause(),
                std::string(what) + shownName(), ICON::Hand);
}

// A record file of this or any other program's data: its name ends in ".KVF" or it is an
// SQLite database. An export never writes over one.
bool isRecordFile(const std::string& name) {
    const std::filesystem::path path = rt::userFilePath(name);
    const std::string extension = rt::lowerAscii(path.extension().string());
    if (extension == ".kvf") return true;
    std::ifstream in(path, std::ios::binary);
    char head[16] = {};
    return in.read(head, sizeof head) &&
           std::string_view(head, sizeof head) == std::string_view("SQLite format 3\0", 16);
}

// A byte that no text holds: a control character other than tab, line feed and carriage
// return.
bool isBinaryByte(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

// True when a value of the record has text between its closing quote and the next comma.
bool hasStrayQuote(std::string_view record) {
    csv::ValueReader reader(record);
    std::string value;
    while (reader.next(value) != csv::ValueReader::None) {
        if (reader.strayAfterQuote()) return true;
    }
    return false;
}

std::string lineAndColumn(long line, std::size_t column) {
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// Reads the open import file through once: it is UTF-8 when every line is (an ASCII file reads
// the same either way), Windows-1252 when no line holds a UTF-8 sequence; a file with a mark or
// UTF-8 sequences and a line that is not UTF-8 mixes the two and is refused, naming that line.
// A control byte, a Ctrl+Z with data after it or a file of nothing but a byte-order mark make
// it unreadable too. The answer says why (empty when it can be read).
std::string scanImportFile(std::int64_t size) {
    rt::LineFile& file = ImportExportFile();
    file.set();
    bool utf8 = true;
    bool utf8Sequences = false;
    long firstNotUtf8 = 0;
    long lineNumber = 0;
    std::string line;
    while (file.readLine(line) == 0) {
        ++lineNumber;
        // UTF-16 ("Unicode text" of some spreadsheets) starts with its mark and holds zeros.
        if (lineNumber == 1 && (line.rfind("\xFF\xFE", 0) == 0 || line.rfind("\xFE\xFF", 0) == 0))
            return "That file is UTF-16 text, which the import does not read.  Please save it "
                   "as comma-separated text in UTF-8 and pick it again.";
        for (std::size_t i = 0; i < line.size(); ++i) {
            const auto c = static_cast<unsigned char>(line[i]);
            if (isBinaryByte(c) && c != 26) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "%02X", c);
                return "That file is not a text file: it holds the byte " + std::string(hex) +
                       " (hexadecimal) at " + lineAndColumn(lineNumber, i + 1) +
                       ".  Please pick a comma-separated file.";
            }
        }
        if (!rt::isUtf8(line)) {
            utf8 = false;
            if (firstNotUtf8 == 0) firstNotUtf8 = lineNumber;
        }
        if (!utf8Sequences) utf8Sequences = rt::holdsUtf8Sequence(line);
    }
    // The reading stops at the end of the data, or at a read that failed.
    const std::string readError =
        rt::errorCode() == rt::FileError::RecordNotAvailable
            ? std::string()
            : "That file could not be read after line " + std::to_string(lineNumber) + ": Error #" +
                  std::to_string(rt::errorCode()) + " - " + rt::errorTextWithCause() + ".";
    if (!readError.empty()) return readError;
    // A file of a mark alone reads no line and leaves the position before the mark.
    const std::int64_t stop = lineNumber == 0 && file.utf8() ? 3 : file.position();
    if (lineNumber == 0 && file.utf8() && stop >= size)
        return "That file holds nothing but a byte-order mark.  Please pick another file.";
    // readLine stops only at a Ctrl+Z; one that is not the file's last byte hides the rest.
    if (stop < size && (stop + 1 < size || lineNumber == 0)) {
        const bool midLine = lineNumber > 0 && file.lineEnd().empty();
        return "That file holds a Ctrl+Z byte at " +
               (midLine ? lineAndColumn(lineNumber, line.size() + 1)
                        : lineAndColumn(lineNumber + 1, 1)) +
               ", which would end its data there.  Remove it, or pick another file.";
    }
    if (firstNotUtf8 > 0 && (file.utf8() || utf8Sequences))
        return std::string(file.utf8() ? "That file is marked as UTF-8 text"
                                       : "That file holds UTF-8 text") +
               ", but the bytes of line " + std::to_string(firstNotUtf8) +
               " are not UTF-8 (a line from a file in another encoding?).  Nothing was "
               "imported: save the file as UTF-8 throughout and pick it again.";
    importIsUtf8 = file.utf8() || utf8;
    file.set();
    return std::string();
}

}  // namespace

rt::LineFile& ImportExportFile() {
    thread_local rt::LineFile file;
    return file;
}

bool OpenExportFile(std::string_view name) {
    if (!rt::clip(name).empty()) {
        setFileName(name);
    } else {
        std::optional<std::string> chosen =
            rt::fileDialog("Export File", kExportFilters, fileName(), /*save=*/true);
        if (!chosen) return false;
        setFileName(*chosen);
    }
    if (isRecordFile(fileName())) {
        rt::message("The file " + shownName() +
                        " holds records of the program and is not overwritten. Choose another "
                        "name for the export.",
                    "Export File", ICON::Exclamation);
        return false;
    }
    rt::LineFile& file = ImportExportFile();
    file.setName(fileName());
    if (file.create() != 0) {
        showFileError("Cannot CREATE ");
        return false;
    }
    if (file.open(0x11) != 0) {
        showFileError("Cannot OPEN ");
        file.remove();
        return false;
    }
    exportLine.clear();
    return true;
}

void ClearExportLine() {
    exportLine.clear();
}

void AppendExportField(const rt::Value& value, std::string_view picture, bool header) {
    std::string_view pic = rt::clip(picture.substr(0, 30));
    switch (csv::kindOfPicture(pic)) {
        case csv::ValueKind::Text: {
            std::string text = value.asText();
            if (header) text = csv::headerName(std::string_view(text).substr(0, 50));
            exportLine.appendQuoted(rt::clip(text));
            break;
        }
        case csv::ValueKind::Number: {
            // Numbers in their plain form; a text field given a number picture is written
            // without its surrounding blanks, quoted when it holds a comma, a quote or a line
            // break, so that the values after it keep their columns.
            std::string text = value.isNumber() ? value.asText() : value.text();
            std::size_t start = text.find_first_not_of(' ');
            std::size_t end = text.find_last_not_of(' ');
            std::string_view bare = start == std::string::npos
                                        ? std::string_view()
                                        : std::string_view(text).substr(start, end - start + 1);
            if (bare.find_first_of(",\"\r\n") != std::string_view::npos) {
                exportLine.appendQuoted(bare);
            } else {
                exportLine.appendBare(bare);
            }
            break;
        }
        case csv::ValueKind::Formatted: {
            // A blank field (no text, a zero day or number) is written empty, not as the
            // picture's zeros ("000", "00:00"), so that it comes back blank.
            const bool blank =
                value.isNumber() ? value.asNumber().isZero() : rt::clip(value.text()).empty();
            exportLine.appendQuoted(blank ? std::string() : rt::format(value, pic));
            break;
        }
    }
}

const std::string& ExportLine() {
    return exportLine.line();
}

bool WriteExportLine() {
    rt::LineFile& file = ImportExportFile();
    while (file.appendLine(exportLine.line()) != 0) {
        int answer = rt::message(
            "Error #" + std::to_string(rt::errorCode()) + " - " + rt::errorTextWithCause(),
            "Cannot ADD to " + shownName(), ICON::Hand, BUTTON::Retry | BUTTON::Abort,
            BUTTON::Abort);
        if (answer != BUTTON::Retry) return false;
    }
    return true;
}

void CloseExportFile() {
    if (ImportExportFile().close() != 0) showFileError("Cannot CLOSE ");
}

std::int64_t OpenImportFile(std::string_view name) {
    bool fromDialog = rt::clip(name).empty();
    if (!fromDialog) setFileName(name);
    rt::LineFile& file = ImportExportFile();
    for (;;) {
        if (fromDialog) {
            std::optional<std::string> chosen =
                rt::fileDialog("Import File", kImportFilters, fileName());
            if (!chosen) return 0;
            setFileName(*chosen);
        }
        std::error_code error;
        if (std::filesystem::is_directory(rt::userFilePath(fileName()), error)) {
            rt::message(shownName() + " is a folder.  Please pick a comma-separated file.",
                        "Attention!", ICON::Asterisk);
            if (!fromDialog) return 0;
            continue;
        }
        file.setName(fileName());
        if (file.open(0x20) != 0) {
            showFileError("Cannot OPEN ");
            return 0;
        }
        std::int64_t size = file.bytes();
        std::string unreadable = size > 0 ? scanImportFile(size) : std::string();
        if (size > 0 && unreadable.empty()) {
            RewindImportFile(false);
            return size;
        }
        file.close();
        if (!fromDialog && size == 0) return 0;
        rt::message(
            size == 0 ? std::string("That file is empty!  Please pick another file.") : unreadable,
            "Attention!", ICON::Asterisk);
        if (!fromDialog) return 0;
    }
}

void RewindImportFile(bool quickScan) {
    rt::LineFile& file = ImportExportFile();
    file.set();
    if (quickScan) file.send("QUICKSCAN=on");
    importState = ImportState{};
}

namespace {

// No record: the end of the file, or a read that failed (said by ImportReadError).
void readFailed(ImportState& s) {
    s.record.clear();
    s.reader = csv::ValueReader();
    if (rt::errorCode() != rt::FileError::RecordNotAvailable)
        s.readError = "The file " + shownName() + " could not be read after its line " +
                      std::to_string(s.linesRead) + ": Error #" + std::to_string(rt::errorCode()) +
                      " - " + rt::errorTextWithCause() + ".";
}

}  // namespace

std::int64_t ReadImportLine() {
    rt::LineFile& file = ImportExportFile();
    ImportState& s = importState;
    std::string line;
    s.recordRefusal.clear();
    s.readError.clear();
    if (file.readLine(line) != 0) {
        readFailed(s);
        return 0;
    }
    std::int64_t bytes = file.bytes();
    s.lineNumber = ++s.linesRead;
    csv::RecordAssembler assembler;
    assembler.start(line);
    if (assembler.open()) {
        // The value goes on over the next lines only when its quote closes there, followed by
        // a comma or the line's end; otherwise it is refused and the next line is read as a
        // record of its own.
        const std::int64_t next = file.position();
        const std::int64_t firstBytes = bytes;
        const std::string first = assembler.record();
        const int openValue = assembler.openValue();
        while (assembler.open() && assembler.record().size() < kLongestRecord) {
            std::string end(file.lineEnd());
            if (end.empty()) break;
            if (file.readLine(line) != 0) {
                if (rt::errorCode() == rt::FileError::RecordNotAvailable) break;
                readFailed(s);
                return 0;
            }
            ++s.linesRead;
            bytes += file.bytes();
            assembler.add(end, line);
        }
        if (assembler.open() || hasStrayQuote(assembler.record())) {
            file.seek(next);
            s.linesRead = s.lineNumber;
            bytes = firstBytes;
            s.record = first;
            s.recordRefusal = "Line " + std::to_string(s.lineNumber) + ", column Field_" +
                              std::to_string(openValue + 1) +
                              ": the quote that opens its value is never closed.";
            s.reader = csv::ValueReader(s.record);
            return bytes;
        }
    }
    s.record = assembler.record();
    s.reader = csv::ValueReader(s.record);
    return bytes;
}

const std::string& ImportReadError() {
    return importState.readError;
}

long ImportLineNumber() {
    return importState.lineNumber;
}

int ParseImportField() {
    ImportState& s = importState;
    s.converted = false;
    s.valueRefusal.clear();
    std::string raw;
    const int kind = s.reader.next(raw);
    if (kind == csv::ValueReader::None) {
        s.value.clear();
        return kind;
    }
    if (s.reader.strayAfterQuote())
        s.valueRefusal = "text follows the closing quote (a quote inside a value is doubled)";
    if (importIsUtf8) {
        rt::Cp1252Conversion converted = rt::utf8ToCp1252Exactly(raw);
        if (!converted.refused.empty() && s.valueRefusal.empty())
            s.valueRefusal = rt::isUtf8(converted.refused)
                                 ? "it holds the character " +
                                       rt::codePointName(converted.refused) +
                                       ", which the records cannot keep"
                                 : std::string(
                                       "it holds bytes that are not UTF-8, as the "
                                       "file's byte-order mark says it is");
        s.value = converted.refused.empty() ? std::move(converted.text) : rt::utf8ToCp1252(raw);
    } else {
        s.value = std::move(raw);
    }
    return kind;
}

void RestartImportValues() {
    importState.reader = csv::ValueReader(importState.record);
}

bool DeformatImportField(std::string_view picture) {
    ImportState& s = importState;
    if (s.converted) return true;
    s.converted = true;
    std::string_view pic = rt::clip(picture);
    if (csv::kindOfPicture(pic) != csv::ValueKind::Formatted) return true;
    // A blank value stays blank: it is what the export writes for a blank field.
    if (rt::clip(s.value).empty()) return true;
    rt::DeformatResult r = rt::deformat(s.value, pic);
    if (!r.ok) return false;
    s.value = r.value.asText();
    return true;
}

const std::string& ImportValue() {
    return importState.value;
}

const std::string& ImportRecordRefusal() {
    return importState.recordRefusal;
}

const std::string& ImportValueRefusal() {
    return importState.valueRefusal;
}

void SetImportValue(std::string_view text) {
    importState.value = text;
    importState.converted = false;
    importState.valueRefusal.clear();
}

void CloseImportFile() {
    if (ImportExportFile().isOpen()) ImportExportFile().close();
}
