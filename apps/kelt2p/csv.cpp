#include "csv.h"

#include <iterator>

namespace kelt2p {

CsvError::CsvError(int line, const std::string& message)
    : std::runtime_error(message), line(line) {}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Line number of the first byte that is not part of a well-formed UTF-8 sequence, or 0.
int firstInvalidUtf8Line(const std::string& text) {
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
        }
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        unsigned int min = 0;
        unsigned int value = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2, min = 0x80, value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, min = 0x800, value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, min = 0x10000, value = c & 0x07;
        } else {
            return line;
        }
        if (i + length > text.size()) {
            return line;
        }
        for (std::size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return line;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return line;
        }
        i += length;
    }
    return 0;
}

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    std::vector<CsvRecord> records() {
        std::vector<CsvRecord> result;
        while (pos_ < text_.size()) {
            if (text_[pos_] == '#') {
                skipLine();
                continue;
            }
            CsvRecord record = readRecord();
            bool empty = true;
            for (const std::string& field : record.fields) {
                empty = empty && field.empty();
            }
            if (!empty || quotedInRecord_) {
                result.push_back(std::move(record));
            }
        }
        return result;
    }

private:
    void skipLine() {
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            ++pos_;
        }
        if (pos_ < text_.size()) {
            ++pos_;
            ++line_;
        }
    }

    // Reads fields up to the end of the record's last line.
    CsvRecord readRecord() {
        CsvRecord record;
        record.line = line_;
        quotedInRecord_ = false;
        while (true) {
            record.fields.push_back(readField());
            if (pos_ >= text_.size()) {
                return record;
            }
            char c = text_[pos_++];
            if (c == '\n') {
                ++line_;
                return record;
            }
            // c is the comma that ends the field.
        }
    }

    std::string readField() {
        std::size_t start = pos_;
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '"') {
            return readQuoted();
        }
        pos_ = start;
        std::string field;
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n') {
            char c = text_[pos_++];
            if (c == '"') {
                throw CsvError(line_, "a quote inside an unquoted field (quote the whole field)");
            }
            field += c;
        }
        if (!field.empty() && field.back() == '\r') {
            field.pop_back();
        }
        return trimmed(field);
    }

    std::string readQuoted() {
        quotedInRecord_ = true;
        int startLine = line_;
        ++pos_;  // the opening quote
        std::string field;
        while (true) {
            if (pos_ >= text_.size()) {
                throw CsvError(startLine, "a quoted field is not closed");
            }
            char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == '\n') {
                ++line_;
                if (!field.empty() && field.back() == '\r') {
                    field.pop_back();
                }
            }
            field += c;
        }
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '\r' &&
            (pos_ + 1 == text_.size() || text_[pos_ + 1] == '\n')) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n') {
            throw CsvError(line_, "text after the closing quote of a field");
        }
        return field;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool quotedInRecord_ = false;
};

}  // namespace

std::vector<CsvRecord> readCsv(std::istream& in) {
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text.erase(0, 3);
    }
    if (int line = firstInvalidUtf8Line(text)) {
        throw CsvError(line, "the text is not UTF-8");
    }
    return Reader(text).records();
}

std::string csvField(const std::string& text) {
    // A leading '#' would make the line read back as a comment, and a leading byte-order
    // mark at the start of the text would be dropped.
    bool quote = !text.empty() && (isBlank(text.front()) || isBlank(text.back()) ||
                                   text.front() == '#' || text.rfind("\xEF\xBB\xBF", 0) == 0);
    for (char c : text) {
        quote = quote || c == ',' || c == '"' || c == '\n' || c == '\r';
    }
    if (!quote) {
        return text;
    }
    std::string result = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        // The reader drops one carriage return before a line feed (a "\r\n" line end):
        // a field's own one is written twice.
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') {
            result += '\r';
        }
        result += text[i];
        if (text[i] == '"') {
            result += '"';
        }
    }
    return result + '"';
}

}  // namespace kelt2p
