#include "data_exchange/csv_file.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "data_exchange/csv_format.h"
#include "frame/globals.h"
#include "runtime/data/errors.h"
#include "runtime/text/ascii_case.h"
#include "runtime/text/codepage.h"
#include "runtime/text/fixed_text.h"
#include "runtime/text/picture.h"
#include "runtime/ui/dialogs.h"

namespace {

constexpr std::string_view kExportFilters = "Export Files|*.CSV|All Files|*.*";
constexpr std::string_view kImportFilters = "Import Files|*.CSV|All Files|*.*";
// A quoted value never closed would otherwise gather the whole file into one record.
constexpr std::size_t kLongestRecord = 1 << 20;

struct ImportState {
    std::string record;
    csv::ValueReader reader;
    std::string value;
    bool converted = false;
    long lineNumber = 0;  // of the record just read
    long linesRead = 0;   // lines of the file read so far
};

thread_local csv::LineBuilder exportLine;
thread_local ImportState importState;

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

void showFileError(std::string_view what) {
    rt::message("Error #" + std::to_string(rt::errorCode()) + " - " +
                    std::string(rt::clip(rt::errorText())),
                std::string(what) + fileName(), ICON::Hand);
}

// A record file of this or any other program's data: its name ends in ".KVF" or it is an
// SQLite database. An export never writes over one.
bool isRecordFile(const std::string& name) {
    const std::string extension = rt::lowerAscii(std::filesystem::path(name).extension().string());
    if (extension == ".kvf") return true;
    std::ifstream in(name, std::ios::binary);
    char head[16] = {};
    return in.read(head, sizeof head) &&
           std::string_view(head, sizeof head) == std::string_view("SQLite format 3\0", 16);
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
        rt::message("The file " + fileName() +
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
            // without its surrounding blanks.
            std::string text = value.isNumber() ? value.asText() : value.text();
            std::size_t start = text.find_first_not_of(' ');
            std::size_t end = text.find_last_not_of(' ');
            exportLine.appendBare(start == std::string::npos
                                      ? std::string_view()
                                      : std::string_view(text).substr(start, end - start + 1));
            break;
        }
        case csv::ValueKind::Formatted:
            exportLine.appendQuoted(rt::format(value, pic));
            break;
    }
}

const std::string& ExportLine() {
    return exportLine.line();
}

bool WriteExportLine() {
    rt::LineFile& file = ImportExportFile();
    while (file.appendLine(exportLine.line()) != 0) {
        int answer = rt::message("Error #" + std::to_string(rt::errorCode()) + " - " +
                                     std::string(rt::clip(rt::errorText())),
                                 "Cannot ADD to " + fileName(), ICON::Hand,
                                 BUTTON::Retry | BUTTON::Abort, BUTTON::Abort);
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
        file.setName(fileName());
        if (file.open(0x20) != 0) {
            showFileError("Cannot OPEN ");
            return 0;
        }
        std::int64_t size = file.bytes();
        if (size > 0) {
            RewindImportFile(false);
            return size;
        }
        file.close();
        if (!fromDialog) return 0;
        rt::message("That file is empty!  Please pick another file.", "Attention!", ICON::Asterisk);
    }
}

void RewindImportFile(bool quickScan) {
    rt::LineFile& file = ImportExportFile();
    file.set();
    if (quickScan) file.send("QUICKSCAN=on");
    importState = ImportState{};
}

std::int64_t ReadImportLine() {
    rt::LineFile& file = ImportExportFile();
    ImportState& s = importState;
    std::string line;
    if (file.readLine(line) != 0) {
        s.record.clear();
        s.reader = csv::ValueReader();
        return 0;
    }
    std::int64_t bytes = file.bytes();
    s.lineNumber = ++s.linesRead;
    csv::RecordAssembler assembler;
    assembler.start(line);
    while (assembler.open() && assembler.record().size() < kLongestRecord) {
        std::string end(file.lineEnd());
        if (end.empty() || file.readLine(line) != 0) break;
        ++s.linesRead;
        bytes += file.bytes();
        assembler.add(end, line);
    }
    s.record = file.utf8() ? rt::utf8ToCp1252(assembler.record()) : assembler.record();
    s.reader = csv::ValueReader(s.record);
    return bytes;
}

long ImportLineNumber() {
    return importState.lineNumber;
}

int ParseImportField() {
    importState.converted = false;
    return importState.reader.next(importState.value);
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
    rt::DeformatResult r = rt::deformat(s.value, pic);
    if (!r.ok) return false;
    s.value = r.value.asText();
    return true;
}

const std::string& ImportValue() {
    return importState.value;
}

void SetImportValue(std::string_view text) {
    importState.value = text;
    importState.converted = false;
}

void CloseImportFile() {
    if (ImportExportFile().isOpen()) ImportExportFile().close();
}
