#include "simhost/state/owners.h"

namespace simhost::state {

std::wstring upperAscii(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        }
    }
    return text;
}

}  // namespace simhost::state
