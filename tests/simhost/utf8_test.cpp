// The host's UTF-8 for its files: code points outside the Basic Multilingual Plane with
// either width of wchar_t, and texts that are not well formed in either direction.
#include <gtest/gtest.h>

#include <string>

#include "simhost/core/wide.h"

namespace {

using simhost::core::fromUtf8;
using simhost::core::toUtf8;

const std::string kGrinning = "\xF0\x9F\x98\x80";  // U+1F600
const std::string kReplacement = "\xEF\xBF\xBD";   // U+FFFD

// U+1F600 as the platform's wide text holds it.
std::wstring grinningWide() {
    if (sizeof(wchar_t) == 2) {
        return {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    }
    return std::wstring(1, static_cast<wchar_t>(0x1F600));
}

TEST(HostUtf8, CodePointsOfEveryLengthRoundTrip) {
    const std::wstring wide = L"A\u00B0\u20AC" + grinningWide() + L"z";
    const std::string utf8 = "A\xC2\xB0\xE2\x82\xAC" + kGrinning + "z";
    EXPECT_EQ(toUtf8(wide), utf8);
    EXPECT_EQ(fromUtf8(utf8), wide);
    EXPECT_EQ(fromUtf8(kGrinning), grinningWide());
    EXPECT_EQ(toUtf8(fromUtf8("\xF4\x8F\xBF\xBF")), "\xF4\x8F\xBF\xBF");  // U+10FFFF
}

TEST(HostUtf8, SurrogatesWithoutTheirPartnerBecomeReplacementCharacters) {
    const auto high = static_cast<wchar_t>(0xD83D);
    const auto low = static_cast<wchar_t>(0xDE00);
    EXPECT_EQ(toUtf8(std::wstring{L'a', high}), "a" + kReplacement);
    EXPECT_EQ(toUtf8(std::wstring{low, L'b'}), kReplacement + "b");
    EXPECT_EQ(toUtf8(std::wstring{high, L'c', low}), kReplacement + "c" + kReplacement);
    // Two first halves: neither has its partner.
    EXPECT_EQ(toUtf8(std::wstring{high, high}), kReplacement + kReplacement);
}

TEST(HostUtf8, IllFormedBytesDecodeAsReplacementCharacters) {
    const std::wstring replacement(1, static_cast<wchar_t>(0xFFFD));
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring decoded;
    };
    const Case cases[] = {
        {"an encoded surrogate", "\xED\xA0\xBD", replacement + replacement + replacement},
        {"an overlong slash", "\xC0\xAF", replacement + replacement},
        {"an overlong three-byte form", "\xE0\x80\xAF", replacement + replacement + replacement},
        {"above U+10FFFF", "\xF4\x90\x80\x80x",
         replacement + replacement + replacement + replacement + L"x"},
        {"a cut sequence", "ok\xE2\x82", L"ok" + replacement + replacement},
        {"a lone continuation byte", "\x80y", replacement + L"y"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fromUtf8(c.bytes), c.decoded) << c.what;
        // Whatever was read writes back as well-formed UTF-8.
        EXPECT_EQ(fromUtf8(toUtf8(fromUtf8(c.bytes))), c.decoded) << c.what;
    }
}

}  // namespace
