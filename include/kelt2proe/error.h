// The two exception records of the library: Ardo::Error (implementation and
// facade layers) and ardotk::Error (wrapper layer), plus ardotk::no_chain; and the names
// of the result codes they carry.
#pragma once

#include <cstdint>

#include "kelt2proe/export.h"

namespace Ardo {

// Plain record: result code and a NUL-terminated text of at most 1023 characters.
class KELT2PROE_API Error {
public:
    Error(std::int32_t code, const char* text);
    Error(const char* text, std::int32_t code);

    std::int32_t code;
    char text[1024];
};

// The host's name of a result code ("PRO_TK_E_NOT_FOUND" for -4), for messages; nullptr
// for a code the host does not publish (the library's own 33 and 261 among them).
KELT2PROE_API const char* ResultCodeName(std::int32_t code);

}  // namespace Ardo

namespace ardotk {

class KELT2PROE_API Error {
public:
    Error(std::int32_t code, const char* text);
    Error(const char* text, std::int32_t code);

    std::int32_t code;
    char text[1024];
};

// The given curve elements do not join into one chain; code 0, empty text.
class KELT2PROE_API no_chain : public Error {
public:
    no_chain();
};

}  // namespace ardotk
