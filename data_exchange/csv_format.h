#pragma once
// The comma-separated format of the import and export files. A line holds the values of the
// chosen fields separated by commas. Text and formatted values stand between double quotes,
// a double quote inside doubled; numbers stand bare (a text given a number picture is quoted
// when it holds a comma, a quote or a line break); a blank field is an empty value. A quoted
// value may hold commas and line breaks, so one record can span several lines of the file.
// Any spreadsheet reads the file back as the same values, and so does the reader below.

#include <cstddef>
#include <string>
#include <string_view>

namespace csv {

// How a picture writes its value: by the letter after the "@" ("S"/"s" text, "N"/"n" number,
// any other letter formatted with the picture).
enum class ValueKind { Text, Number, Formatted };
ValueKind kindOfPicture(std::string_view picture);

// A line being built. clear() starts a line; the first value is then written without a
// comma in front, whatever it holds (an empty first value is followed by its comma).
class LineBuilder {
  public:
    void clear() {
        line_.clear();
        first_ = true;
    }
    // A text or formatted value: quoted, quotes doubled. Trailing blanks are the caller's.
    void appendQuoted(std::string_view text);
    // A number value: written as given, bare.
    void appendBare(std::string_view text);
    const std::string& line() const { return line_; }

  private:
    void separate();
    std::string line_;
    bool first_ = true;
};

// The header line's spelling of a field name: a name with "[" has "," and "[" written as "_"
// and "]" as a blank.
std::string headerName(std::string_view name);

// Joins lines of the file into one record while a quoted value is open at a line's end (the
// line break then belongs to the value). A tab stays a tab, in quotes or not, so that a value
// keeps its text whatever its quoting and the file's encoding.
class RecordAssembler {
  public:
    // Starts a record with its first line.
    void start(std::string_view line);
    // True while the record's last quoted value is still open.
    bool open() const { return inQuotes_; }
    // The value (from 0) whose quote opened last: the one still open while open() is true.
    int openValue() const { return openValue_; }
    // Adds the next line after the line break that ended the one before.
    void add(std::string_view lineEnd, std::string_view line);
    const std::string& record() const { return record_; }

  private:
    void scan(std::string_view text);
    std::string record_;
    bool inQuotes_ = false;
    bool fieldStart_ = true;
    bool quoteSeen_ = false;  // inside quotes, a quote that may close or be doubled
    int value_ = 0;           // the value being scanned, from 0
    int openValue_ = -1;
};

// Splits a record into its values, one after the other.
class ValueReader {
  public:
    enum Result { None = 0, Quoted = 1, Bare = 2 };

    ValueReader() : position_(std::string_view::npos) {}
    explicit ValueReader(std::string_view record);
    // The next value into `value`; None when the record has no value left. A record of
    // blanks holds no value; a trailing comma is followed by an empty value.
    Result next(std::string& value);
    // True when the value just taken had something other than blanks between its closing
    // quote and the next comma (kept at the value's end): a quote the writer did not double.
    bool strayAfterQuote() const { return stray_; }

  private:
    std::string_view record_;
    std::size_t position_;  // npos: used up
    bool stray_ = false;
};

}  // namespace csv
