#include "tool_list.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <utility>

#include "csv.h"
#include "tool_types.h"

namespace kelt2p {

ToolListError::ToolListError(std::string source, std::vector<Problem> problems)
    : std::runtime_error(problems.empty() ? source : problems.front().message),
      source(std::move(source)),
      problems(std::move(problems)) {}

std::string ToolListError::report() const {
    std::string text;
    for (const Problem& p : problems) {
        text += source;
        if (p.line > 0) {
            text += ':' + std::to_string(p.line);
        }
        text += ": " + p.message + '\n';
    }
    return text;
}

namespace {

// The columns with a fixed meaning; every other column is a tool parameter.
enum class Column { ToolId, Type, Model, Head, Position, Register, Comment, Parameter };

const std::map<std::string, Column>& knownColumns() {
    static const std::map<std::string, Column> columns = {
        {"tool_id", Column::ToolId},    {"type", Column::Type},
        {"model", Column::Model},       {"head", Column::Head},
        {"position", Column::Position}, {"register", Column::Register},
        {"comment", Column::Comment},
    };
    return columns;
}

// A header name with spaces and hyphens as underscores; upper or lower case.
std::string headerKey(const std::string& name, bool upper) {
    std::string key;
    for (char c : name) {
        char k = (c == ' ' || c == '-') ? '_' : c;
        key += static_cast<char>(upper ? std::toupper(static_cast<unsigned char>(k))
                                       : std::tolower(static_cast<unsigned char>(k)));
    }
    return key;
}

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
}

bool isName(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!isNameChar(c)) {
            return false;
        }
    }
    return true;
}

bool hasControlChar(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return true;
        }
    }
    return false;
}

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

// A decimal number such as 12, -0.5, 6e-1; nothing for anything else.
std::optional<double> decimalNumber(const std::string& text) {
    std::size_t i = 0;
    auto digits = [&] {
        std::size_t start = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    double value = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A whole number of digits only; nothing for anything else or one out of range.
std::optional<int> wholeNumber(const std::string& text) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    if (begin == end || !std::isdigit(static_cast<unsigned char>(*begin))) {
        return std::nullopt;
    }
    int value = 0;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// "drill_6.prt" and "drill_6" both name the part DRILL_6.
std::string modelName(const std::string& text) {
    std::string name = text;
    if (name.size() > 4) {
        std::string ext = headerKey(name.substr(name.size() - 4), false);
        if (ext == ".prt") {
            name.erase(name.size() - 4);
        }
    }
    return name;
}

// A number as text that tells every two different doubles apart (17 significant digits
// round-trip), so that tools count as the same only with exactly the same values.
std::string exactNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Everything that makes one tool what it is; the same id must always mean the same tool.
std::string toolDefinition(const ToolEntry& entry) {
    std::string model = entry.model;
    for (char& c : model) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    std::string text = std::to_string(entry.type) + '|' + model;
    for (const ToolParameter& p : entry.parameters) {
        text += '|' + p.name + '=' + (p.number ? exactNumber(*p.number) : '"' + p.text);
    }
    return text;
}

class Checker {
public:
    explicit Checker(std::vector<Problem>& problems) : problems_(problems) {}

    // Reads the header; false when the list cannot be read on.
    bool header(const CsvRecord& record) {
        std::map<std::string, int> seen;
        for (const std::string& raw : record.fields) {
            std::string key = headerKey(raw, false);
            auto known = knownColumns().find(key);
            Column column = known == knownColumns().end() ? Column::Parameter : known->second;
            std::string name = column == Column::Parameter ? headerKey(raw, true) : key;
            columns_.push_back(column);
            names_.push_back(name);
            if (raw.empty()) {
                fail(record.line,
                     "column " + std::to_string(columns_.size()) + " of the header has no name");
            } else if (!seen.emplace(name, record.line).second) {
                fail(record.line, "column " + quoted(raw) + " is named twice");
            } else if (column == Column::Parameter &&
                       (!isName(name) || !std::isalpha(static_cast<unsigned char>(name[0])) ||
                        name.size() > kMaxParameterNameLength)) {
                fail(record.line, "column " + quoted(raw) +
                                      " is no tool parameter name (a letter, then letters, "
                                      "digits and underscores, at most " +
                                      std::to_string(kMaxParameterNameLength) + " characters)");
            }
        }
        for (const char* required : {"tool_id", "position"}) {
            if (!seen.count(required)) {
                fail(record.line, std::string("the header has no column ") + required);
            }
        }
        if (!seen.count("type") && !seen.count("model")) {
            fail(record.line, "the header has neither a column type nor a column model");
        }
        return problems_.empty();
    }

    void row(const CsvRecord& record) {
        if (record.fields.size() != columns_.size()) {
            fail(record.line, "the line has " + std::to_string(record.fields.size()) +
                                  " fields, the header " + std::to_string(columns_.size()));
            return;
        }
        ToolEntry entry;
        entry.line = record.line;
        std::string typeText;
        std::size_t before = problems_.size();
        placeRead_ = true;
        headRead_ = true;
        positionGiven_ = false;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const std::string& value = record.fields[i];
            switch (columns_[i]) {
                case Column::ToolId:
                    entry.toolId = value;
                    break;
                case Column::Type:
                    typeText = value;
                    break;
                case Column::Model:
                    entry.model = modelName(value);
                    break;
                case Column::Head:
                    entry.head = integer(record.line, "head", value, 1);
                    headRead_ = !value.empty() ? wholeNumber(value).has_value() : true;
                    break;
                case Column::Position:
                    positionGiven_ = !value.empty();
                    entry.position = integer(record.line, "position", value, 0);
                    break;
                case Column::Register:
                    entry.reg = integer(record.line, "register", value, 0);
                    break;
                case Column::Comment:
                    entry.comment = value;
                    break;
                case Column::Parameter:
                    parameter(record.line, names_[i], value, entry);
                    break;
            }
        }
        checkTool(record.line, typeText, entry);
        checkPlace(record.line, entry);
        if (problems_.size() == before) {
            entries_.push_back(std::move(entry));
        }
    }

    std::vector<ToolEntry> entries() { return std::move(entries_); }

private:
    void fail(int line, std::string message) { problems_.push_back({line, std::move(message)}); }

    int integer(int line, const char* column, const std::string& value, int empty) {
        if (value.empty()) {
            return empty;
        }
        if (auto number = wholeNumber(value)) {
            return *number;
        }
        fail(line, std::string(column) + " " + quoted(value) + " is not a whole number");
        placeRead_ = false;
        return empty;
    }

    void parameter(int line, const std::string& name, const std::string& value, ToolEntry& entry) {
        if (value.empty()) {
            return;
        }
        ToolParameter p;
        p.name = name;
        p.number = decimalNumber(value);
        if (!p.number) {
            p.text = value;
            if (value.size() > kMaxParameterTextLength || hasControlChar(value)) {
                fail(line, "the value of " + name + " is longer than " +
                               std::to_string(kMaxParameterTextLength) +
                               " characters or holds a line break");
                return;
            }
        }
        entry.parameters.push_back(std::move(p));
    }

    void checkTool(int line, const std::string& typeText, ToolEntry& entry) {
        if (entry.toolId.empty()) {
            fail(line, "the tool id is empty");
        } else if (!isName(entry.toolId) || entry.toolId.size() > kMaxToolIdLength) {
            fail(line, "tool id " + quoted(entry.toolId) +
                           " is not 1 to 31 letters, digits, underscores or hyphens");
        }
        if (!typeText.empty() && !entry.model.empty()) {
            fail(line, "give either a tool type or a tool model, not both");
        } else if (typeText.empty() && entry.model.empty()) {
            fail(line, "the tool has neither a type nor a model");
        } else if (!typeText.empty()) {
            if (auto type = toolTypeFromText(typeText)) {
                entry.type = *type;
            } else {
                fail(line, "unknown tool type " + quoted(typeText));
            }
        } else {
            if (!isName(entry.model) || entry.model.size() > kMaxModelNameLength) {
                fail(line, "tool model " + quoted(entry.model) +
                               " is no part name (1 to 31 letters, digits, _ or -)");
            }
            if (!entry.parameters.empty()) {
                fail(line, "a tool made from a model takes its parameters from the model; " +
                               entry.parameters.front().name + " is given as well");
            }
        }
        if (entry.comment.size() > kMaxCommentLength || hasControlChar(entry.comment)) {
            fail(line, "the comment is longer than " + std::to_string(kMaxCommentLength) +
                           " bytes or holds a line break");
        }
        if (entry.toolId.empty()) {
            return;
        }
        std::string definition = toolDefinition(entry);
        auto [it, added] = tools_.emplace(entry.toolId, std::make_pair(line, definition));
        if (!added && it->second.second != definition) {
            fail(line, "tool " + entry.toolId + " is defined differently on line " +
                           std::to_string(it->second.first));
        }
    }

    void checkPlace(int line, const ToolEntry& entry) {
        if (headRead_ && entry.head != 1 && entry.head != 2) {
            fail(line, "head " + std::to_string(entry.head) + " is neither 1 nor 2");
            return;
        }
        if (!placeRead_) {
            return;
        }
        if (!positionGiven_) {
            fail(line, "the position is missing");
            return;
        }
        if (entry.position < 1) {
            fail(line, "position " + std::to_string(entry.position) + " is not positive");
            return;
        }
        auto [it, added] = places_.emplace(std::make_pair(entry.head, entry.position), line);
        if (!added) {
            fail(line, "head " + std::to_string(entry.head) + " position " +
                           std::to_string(entry.position) + " is taken on line " +
                           std::to_string(it->second) + " already");
        }
    }

    std::vector<Problem>& problems_;
    bool placeRead_ = true;  // head and position are whole numbers
    bool headRead_ = true;
    bool positionGiven_ = false;
    std::vector<Column> columns_;
    std::vector<std::string> names_;
    std::vector<ToolEntry> entries_;
    std::map<std::string, std::pair<int, std::string>> tools_;
    std::map<std::pair<int, int>, int> places_;
};

}  // namespace

std::vector<ToolEntry> parseToolList(std::istream& in, const std::string& source) {
    std::vector<CsvRecord> records;
    try {
        records = readCsv(in);
    } catch (const CsvError& e) {
        throw ToolListError(source, {{e.line, e.what()}});
    }
    std::vector<Problem> problems;
    if (records.empty()) {
        throw ToolListError(source, {{0, "the tool list has no header line"}});
    }
    Checker checker(problems);
    if (checker.header(records.front())) {
        for (std::size_t i = 1; i < records.size(); ++i) {
            checker.row(records[i]);
        }
    }
    if (!problems.empty()) {
        throw ToolListError(source, std::move(problems));
    }
    std::vector<ToolEntry> entries = checker.entries();
    if (entries.empty()) {
        throw ToolListError(source, {{0, "the tool list holds no tools"}});
    }
    return entries;
}

std::vector<ToolEntry> readToolList(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ToolListError(path, {{0, "cannot open the file"}});
    }
    return parseToolList(in, path);
}

}  // namespace kelt2p
