#include "kelt2proe/error.h"

#include <cstring>

namespace {

// Copies at most 1023 characters and fills the rest of the field with NUL.
void copyText(char (&field)[1024], const char* text) {
    std::memset(field, 0, sizeof field);
    if (text != nullptr) {
        std::strncpy(field, text, sizeof field - 1);
    }
}

}  // namespace

namespace Ardo {

Error::Error(std::int32_t code_, const char* text_) : code(code_) {
    copyText(text, text_);
}
Error::Error(const char* text_, std::int32_t code_) : code(code_) {
    copyText(text, text_);
}

}  // namespace Ardo

namespace ardotk {

Error::Error(std::int32_t code_, const char* text_) : code(code_) {
    copyText(text, text_);
}
Error::Error(const char* text_, std::int32_t code_) : code(code_) {
    copyText(text, text_);
}

no_chain::no_chain() : Error(0, "") {}

}  // namespace ardotk
