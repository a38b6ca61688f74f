#include "simhost/state/json_locate.h"

#include <cctype>

#include <nlohmann/json.hpp>

namespace simhost::state {
namespace {

// Walks a document's text without building it, far enough to find one value.
class Walker {
public:
    explicit Walker(const std::string& text) : text_(text) {}

    std::size_t at() const { return pos_; }

    void blanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    // Moves into the member `key` of the object here, or the entry `index` of the array
    // here; false (and no move) when there is none.
    bool enter(const std::string& step) {
        std::size_t start = pos_;
        bool found = peek() == '{' ? member(step) : peek() == '[' && entry(step);
        if (!found) {
            pos_ = start;
        }
        return found;
    }

private:
    bool member(const std::string& key) {
        ++pos_;
        blanks();
        while (peek() == '"') {
            std::string name = string();
            blanks();
            if (peek() != ':') {
                return false;
            }
            ++pos_;
            blanks();
            if (name == key) {
                return true;
            }
            if (!skipValueAndComma()) {
                return false;
            }
        }
        return false;
    }

    bool entry(const std::string& step) {
        std::size_t index = 0;
        for (char c : step) {
            if (!std::isdigit(static_cast<unsigned char>(c))) {
                return false;
            }
            index = index * 10 + static_cast<std::size_t>(c - '0');
        }
        ++pos_;
        blanks();
        for (std::size_t i = 0; peek() != ']' && peek() != '\0'; ++i) {
            if (i == index) {
                return true;
            }
            if (!skipValueAndComma()) {
                return false;
            }
        }
        return false;
    }

    // Passes over the value here and the comma after it; false when no comma follows.
    bool skipValueAndComma() {
        value();
        blanks();
        if (peek() != ',') {
            return false;
        }
        ++pos_;
        blanks();
        return true;
    }

    // The decoded text of the string literal here.
    std::string string() {
        std::size_t start = pos_;
        skipString();
        try {
            return nlohmann::json::parse(text_.substr(start, pos_ - start)).get<std::string>();
        } catch (const nlohmann::json::exception&) {
            return std::string();
        }
    }

    void skipString() {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            pos_ += text_[pos_] == '\\' ? 2 : 1;
        }
        ++pos_;
    }

    // Skips the value here, nested objects and arrays included.
    void value() {
        char c = peek();
        if (c == '"') {
            skipString();
        } else if (c == '{' || c == '[') {
            int depth = 0;
            while (pos_ < text_.size()) {
                c = text_[pos_];
                if (c == '"') {
                    skipString();
                    continue;
                }
                ++pos_;
                if (c == '{' || c == '[') {
                    ++depth;
                } else if ((c == '}' || c == ']') && --depth == 0) {
                    return;
                }
            }
        } else {
            while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(peek())) &&
                   peek() != ',' && peek() != '}' && peek() != ']') {
                ++pos_;
            }
        }
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

}  // namespace

TextPosition textPosition(const std::string& text, std::size_t offset) {
    TextPosition position;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++position.line;
            position.column = 1;
        } else {
            ++position.column;
        }
    }
    return position;
}

std::optional<std::size_t> jsonNestingBeyond(const std::string& text, std::size_t limit) {
    std::size_t depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > limit) {
                return i;
            }
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return std::nullopt;
}

TextPosition jsonLocate(const std::string& text, const JsonPath& path) {
    Walker walker(text);
    walker.blanks();
    for (const std::string& step : path) {
        if (!walker.enter(step)) {
            break;
        }
    }
    return textPosition(text, walker.at());
}

}  // namespace simhost::state
