// Reading comma-separated text as a tool database exports it.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelt2p {

// One record of a CSV text: the line it starts on (from 1) and its fields.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// A text that is not well-formed CSV; `line` is where the fault was found.
class CsvError : public std::runtime_error {
public:
    CsvError(int line, const std::string& message);
    int line;
};

// Reads every record of `in`:
// - fields are separated by commas; a field in double quotes may hold commas, line
//   breaks and doubled quotes (""), and keeps its spaces; unquoted fields are trimmed
//   of surrounding spaces and tabs;
// - lines end in LF or CR LF; a UTF-8 byte-order mark at the start is dropped;
// - empty lines, lines of spaces and commas only, and lines whose first character is
//   '#' are skipped;
// - the text must be valid UTF-8.
// Throws CsvError for an unterminated quoted field, text after a closing quote, a quote
// inside an unquoted field and bytes that are not UTF-8.
std::vector<CsvRecord> readCsv(std::istream& in);

// One field written for CSV: quoted when it holds a comma, a quote, a line break or
// surrounding spaces, or starts with '#' or a byte-order mark, with quotes doubled.
std::string csvField(const std::string& text);

}  // namespace kelt2p
