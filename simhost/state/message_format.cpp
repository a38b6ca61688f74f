#include "simhost/state/message_format.h"

#include <cstdio>

#include "simhost/core/wide.h"

namespace simhost::state {
namespace {

bool conversionKnown(char c) {
    return c == 's' || c == 'w' || c == 'd' || c == 'f';
}

// The value of one argument as text.
std::string shown(char conversion, const void* arg) {
    switch (conversion) {
        case 's':
            return static_cast<const char*>(arg);
        case 'w':
            return core::narrow(static_cast<const wchar_t*>(arg));
        case 'd':
            return std::to_string(*static_cast<const int*>(arg));
        default: {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%g", *static_cast<const double*>(arg));
            return buffer;
        }
    }
}

// Walks the text's placeholders; `each` gets the number and conversion of each one and
// `literal` every other piece. False at a malformed placeholder.
template <typename Each, typename Literal>
bool walk(const std::string& text, Each each, Literal literal) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            literal(text[i]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '%') {
            literal('%');
            ++i;
            continue;
        }
        if (i + 2 >= text.size() || text[i + 1] < '0' || text[i + 1] > '9' ||
            !conversionKnown(text[i + 2])) {
            return false;
        }
        if (!each(text[i + 1] - '0', text[i + 2])) {
            return false;
        }
        i += 2;
    }
    return true;
}

}  // namespace

int messageArgumentCount(const std::string& text) {
    int count = 0;
    bool ok = walk(
        text,
        [&](int number, char) {
            count = number + 1 > count ? number + 1 : count;
            return true;
        },
        [](char) {});
    return ok ? count : -1;
}

bool messageFormat(const std::string& text, const std::vector<const void*>& args,
                   std::string& out) {
    out.clear();
    return walk(
        text,
        [&](int number, char conversion) {
            std::size_t index = static_cast<std::size_t>(number);
            if (index >= args.size() || args[index] == nullptr) {
                return false;
            }
            out += shown(conversion, args[index]);
            return true;
        },
        [&](char c) { out += c; });
}

}  // namespace simhost::state
