#include "tool_types.h"

#include <cctype>
#include <cstdlib>

#include "kelt2proe/tool.h"

namespace kelt2p {

namespace {

struct TypeName {
    const char* name;
    Ardo::kelt2pToolType type;
};

// The names a tool model's TOOL_TYPE parameter may hold, written as the host writes them,
// and the two types that have a number but no such name.
constexpr TypeName kTypes[] = {
    {"MILLING", Ardo::KELT2P_TOOL_MILLING},
    {"PLUNGE_MILLING", Ardo::KELT2P_TOOL_PLUNGE_MILLING},
    {"BACK SPOTTING", Ardo::KELT2P_TOOL_BACK_SPOTTING},
    {"CHAMFERING", Ardo::KELT2P_TOOL_CHAMFERING},
    {"COUNTERSINK", Ardo::KELT2P_TOOL_COUNTERSINK},
    {"REAMING", Ardo::KELT2P_TOOL_REAMING},
    {"TAPER MILL", Ardo::KELT2P_TOOL_TAPER_MILL},
    {"DRILLING", Ardo::KELT2P_TOOL_DRILLING},
    {"CORNER ROUNDING", Ardo::KELT2P_TOOL_CORNER_ROUNDING},
    {"BORING", Ardo::KELT2P_TOOL_BORING},
    {"THREAD_MILL", Ardo::KELT2P_TOOL_THREAD_MILL},
    {"SIDE_MILLING", Ardo::KELT2P_TOOL_SIDE_MILLING},
    {"GROOVING", Ardo::KELT2P_TOOL_GROOVING},
    {"CENTER-DRILLING", Ardo::KELT2P_TOOL_CENTER_DRILLING},
    {"TAPPING", Ardo::KELT2P_TOOL_TAPPING},
    {"TURNING", Ardo::KELT2P_TOOL_TURNING},
    {"TURN-GROOVING", Ardo::KELT2P_TOOL_TURN_GROOVING},
    {"MULTI_TIP", Ardo::KELT2P_TOOL_MULTI_TIP},
    {"END MILL", Ardo::KELT2P_TOOL_END_MILL},
    {"BALL MILL", Ardo::KELT2P_TOOL_BALL_MILL},
    {"BULL MILL", Ardo::KELT2P_TOOL_BULL_MILL},
    {"BASIC DRILL", Ardo::KELT2P_TOOL_BASIC_DRILL},
    {"SPOT DRILL", Ardo::KELT2P_TOOL_SPOT_DRILL},
    {"BORING BAR", Ardo::KELT2P_TOOL_BORING_BAR},
    {"KEY CUTTER", Ardo::KELT2P_TOOL_KEY_CUTTER},
    {"LOLLIPOP", Ardo::KELT2P_TOOL_LOLLIPOP},
    {"MULTI TASK", Ardo::KELT2P_TOOL_MULTI_TASK},
    {"TAPER BALL MILL", Ardo::KELT2P_TOOL_TAPER_BALL_MILL},
};

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
    if (auto value = number(text)) {
        for (const TypeName& entry : kTypes) {
            if (entry.type == *value) {
                return entry.type;
            }
        }
        return std::nullopt;
    }
    std::string key = normalised(text);
    for (const TypeName& entry : kTypes) {
        if (normalised(entry.name) == key) {
            return entry.type;
        }
    }
    return std::nullopt;
}

std::string toolTypeName(int type) {
    for (const TypeName& entry : kTypes) {
        if (entry.type == type) {
            return entry.name;
        }
    }
    return std::to_string(type);
}

}  // namespace kelt2p
