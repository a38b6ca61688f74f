// The one check of a toolkit result per exception class: a result other than
// PRO_TK_NO_ERROR raises the layer's exception with the result as its code.
#pragma once

#include <ProToolkit.h>

#include "kelt2proe/error.h"

namespace ardotk {

// Wrapper layer: raises ardotk::Error(result, text); the text is "ardotk::Operation" or,
// for most wrappers, empty.
inline void check(ProError result, const char* text = "") {
    if (result != PRO_TK_NO_ERROR) {
        throw Error(result, text);
    }
}

}  // namespace ardotk

namespace Ardo {

// Implementation and facade layers: raises Ardo::Error(result, text), the text being the
// operation's name ("Ardo::Class::Operation") or its message.
inline void check(ProError result, const char* text) {
    if (result != PRO_TK_NO_ERROR) {
        throw Error(result, text);
    }
}

}  // namespace Ardo
