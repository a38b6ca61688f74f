#include "toolkit/pattern_char_class.h"

#include <cwctype>

namespace ardotk {

namespace {

bool isEcmaSpace(wchar_t c) {
    switch (static_cast<std::uint32_t>(c)) {
        case 0x09:
        case 0x0A:
        case 0x0B:
        case 0x0C:
        case 0x0D:
        case 0x20:
        case 0xA0:
        case 0x1680:
        case 0x2028:
        case 0x2029:
        case 0x202F:
        case 0x205F:
        case 0x3000:
        case 0xFEFF:
            return true;
        default:
            return c >= 0x2000 && c <= 0x200A;
    }
}

struct PosixName {
    const wchar_t* name;
    NamedSet set;
};

// The bracket names, with the short forms d, w and s that the ECMAScript grammar of
// the standard library takes as well.
constexpr PosixName kPosixNames[] = {
    {L"alnum", NamedSet::Alnum}, {L"alpha", NamedSet::Alpha}, {L"blank", NamedSet::Blank},
    {L"cntrl", NamedSet::Cntrl}, {L"digit", NamedSet::Digit}, {L"graph", NamedSet::Graph},
    {L"lower", NamedSet::Lower}, {L"print", NamedSet::Print}, {L"punct", NamedSet::Punct},
    {L"space", NamedSet::Space}, {L"upper", NamedSet::Upper}, {L"xdigit", NamedSet::Xdigit},
    {L"d", NamedSet::Digit},     {L"w", NamedSet::Word},      {L"s", NamedSet::Space},
};

}  // namespace

bool namedSetOf(const std::wstring& name, NamedSet& set) {
    for (const PosixName& entry : kPosixNames) {
        if (name == entry.name) {
            set = entry.set;
            return true;
        }
    }
    return false;
}

bool isWordChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
           c == L'_';
}

bool inNamedSet(NamedSet set, wchar_t c) {
    const auto w = static_cast<std::wint_t>(c);
    switch (set) {
        case NamedSet::Digit:
            return c >= L'0' && c <= L'9';
        case NamedSet::Word:
            return isWordChar(c);
        case NamedSet::Space:
            return isEcmaSpace(c);
        case NamedSet::Alnum:
            return std::iswalnum(w) != 0;
        case NamedSet::Alpha:
            return std::iswalpha(w) != 0;
        case NamedSet::Blank:
            return std::iswblank(w) != 0;
        case NamedSet::Cntrl:
            return std::iswcntrl(w) != 0;
        case NamedSet::Graph:
            return std::iswgraph(w) != 0;
        case NamedSet::Lower:
            return std::iswlower(w) != 0;
        case NamedSet::Print:
            return std::iswprint(w) != 0;
        case NamedSet::Punct:
            return std::iswpunct(w) != 0;
        case NamedSet::Upper:
            return std::iswupper(w) != 0;
        case NamedSet::Xdigit:
            return std::iswxdigit(w) != 0;
    }
    return false;
}

void CharClass::finish() {
    for (std::uint32_t code = 0; code < kAscii; ++code) {
        ascii_[code] = computed(static_cast<wchar_t>(code));
    }
}

bool CharClass::computed(wchar_t c) const {
    bool in = false;
    for (const auto& [first, last] : ranges_) {
        in = in || (c >= first && c <= last);
    }
    for (const auto& [set, outside] : named_) {
        in = in || (inNamedSet(set, c) != outside);
    }
    return in != negated_;
}

CharClass CharClass::anyButLineTerminator() {
    CharClass any;
    for (wchar_t c : {L'\n', L'\r', L'\u2028', L'\u2029'}) {
        any.addChar(c);
    }
    any.negate();
    any.finish();
    return any;
}

CharClass CharClass::ofNamed(NamedSet set, bool outside) {
    CharClass named;
    named.addNamed(set, outside);
    named.finish();
    return named;
}

}  // namespace ardotk
