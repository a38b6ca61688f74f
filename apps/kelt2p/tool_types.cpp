#include "tool_types.h"

#include <cctype>
#include <cstdlib>

#include "kelt2proe/tool.h"

namespace kelt2p {

namespace {

// Upper case, with '_' and '-' turned into spaces and runs of spaces made one.
std::string normalised(const std::string& text) {
    std::string result;
    for (char c : text) {
        char n = (c == '_' || c == '-') ? ' ' : c;
        if (n == ' ' && (result.empty() || result.back() == ' ')) {
            continue;
        }
        result += static_cast<char>(std::toupper(static_cast<unsigned char>(n)));
    }
    while (!result.empty() && result.back() == ' ') {
        result.pop_back();
    }
    return result;
}

std::optional<long long> number(const std::string& text) {
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) {
        return std::nullopt;
    }
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    char* end = nullptr;
    long long value = std::strtoll(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
    if (*end != '\0') {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int> toolTypeFromText(const std::string& text) {
    const int count = Ardo::kelt2pToolTypeCount();
    if (auto value = number(text)) {
        for (int i = 0; i < count; ++i) {
            if (Ardo::kelt2pToolTypeAt(i) == *value) {
                return Ardo::kelt2pToolTypeAt(i);
            }
        }
        return std::nullopt;
    }
    std::string key = normalised(text);
    for (int i = 0; i < count; ++i) {
        Ardo::kelt2pToolType type = Ardo::kelt2pToolTypeAt(i);
        if (normalised(Ardo::kelt2pToolTypeName(type)) == key) {
            return type;
        }
    }
    return std::nullopt;
}

}  // namespace kelt2p
