// The grammar of name patterns: what each construct takes, and what is refused with
// which text.
#include <gtest/gtest.h>

#include <string>

#include "support/expect.h"
#include "support/host_fixture.h"
#include "toolkit/name_filter.h"

namespace {

using testkit::HostTest;

struct Case {
    const char* pattern;
    const wchar_t* name;
    bool taken;
};

void expectVerdicts(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        ardotk::NameFilter filter(c.pattern);
        EXPECT_EQ(filter.matches(c.name), c.taken)
            << "pattern " << c.pattern << " on name " << std::wstring(c.name).size()
            << " characters long";
    }
}

TEST_F(HostTest, PatternLiteralsEscapesAndDot) {
    expectVerdicts({
        {"HOLE_1", L"HOLE_1", true},
        {"HOLE_1", L"HOLE_12", false},
        {"HOLE_1", L"hole_1", false},
        {"", L"", true},
        {"", L"A", false},
        {"A.C", L"ABC", true},
        {"A.C", L"A\nC", false},
        {"A.C", L"AC", false},
        {"A\\.C", L"A.C", true},
        {"A\\.C", L"ABC", false},
        {"\\(\\)\\[\\]\\{\\}\\*\\+\\?\\|\\^\\$\\\\\\/", L"()[]{}*+?|^$\\/", true},
        {"\\t\\n\\r\\f\\v", L"\t\n\r\f\v", true},
        {"\\x41\\u0042", L"AB", true},
        {"\\x4a", L"J", true},
        {"\\cJ", L"\n", true},
        {"\\ca", L"\x01", true},
        {"A\\0?", L"A", true},
        {"\\d\\D", L"1x", true},
        {"\\d", L"x", false},
        {"\\w\\W", L"_-", true},
        {"\\w", L"-", false},
        {"\\s\\S", L" x", true},
        {"\\s", L"x", false},
        {"}]", L"}]", true},
        {"\\q", L"q", true},
        {"\\u00e9", L"\u00e9", true},
    });
}

TEST_F(HostTest, PatternBracketClasses) {
    expectVerdicts({
        {"[abc]", L"b", true},
        {"[abc]", L"d", false},
        {"[^abc]", L"d", true},
        {"[^abc]", L"a", false},
        {"[a-f0-3]+", L"f0a3", true},
        {"[a-f0-3]+", L"g", false},
        {"[-a]", L"-", true},
        {"[a-]", L"-", true},
        {"[\\d_]+", L"1_2", true},
        {"[\\D]", L"5", false},
        {"[\\w.]+", L"HOLE.1", true},
        {"[\\]\\\\]+", L"]\\", true},
        {"[\\b]", L"\b", true},
        {"[\\x41-\\x43]", L"B", true},
        {"[]", L"a", false},
        {"[^]", L"a", true},
        {"[[:alpha:]]+", L"Hole", true},
        {"[[:alpha:]]", L"1", false},
        {"[[:digit:][:upper:]]+", L"A1", true},
        {"[^[:space:]]", L" ", false},
        {"[[:xdigit:]]+", L"0aF", true},
        {"[[:punct:]]", L"_", true},
        {"[[.a.]-c]", L"b", true},
        {"[[=x=]]", L"x", true},
        {"[.]", L"a", false},
        {"[*+?{]+", L"*+?{", true},
    });
}

TEST_F(HostTest, PatternQuantifiers) {
    expectVerdicts({
        {"A*", L"", true},           {"A*", L"AAA", true},       {"A+", L"", false},
        {"A+", L"AA", true},         {"A?B", L"B", true},        {"A?B", L"AAB", false},
        {"A{3}", L"AAA", true},      {"A{3}", L"AA", false},     {"A{3}", L"AAAA", false},
        {"A{2,}", L"AA", true},      {"A{2,}", L"A", false},     {"A{2,}", L"AAAAAA", true},
        {"A{1,3}", L"AAA", true},    {"A{1,3}", L"AAAA", false}, {"A{0,0}B", L"B", true},
        {"A*?B", L"AAB", true},      {"A+?", L"AA", true},       {"A??A", L"A", true},
        {"A{2,3}?", L"AAA", true},   {"(AB){2}", L"ABAB", true}, {"(?:AB)+", L"ABA", false},
        {"(A|B)*C", L"ABBAC", true}, {"(|A)*", L"AA", true},     {"(A*)*B", L"AAB", true},
    });
}

TEST_F(HostTest, PatternGroupsAlternationAndAnchors) {
    expectVerdicts({
        {"OP|CS", L"CS", true},
        {"OP|CS", L"OPCS", false},
        {"OP(10|20)", L"OP20", true},
        {"a||b", L"", true},
        {"(?:)", L"", true},
        {"()", L"", true},
        {"^OP$", L"OP", true},
        {"OP^", L"OP", false},
        {"$OP", L"OP", false},
        {"(^A|B)+", L"AB", true},
        {"(A|^B)+", L"AB", false},
        {"A$|B", L"A", true},
        {"\\bA\\b", L"A", true},
        {"A\\bB", L"AB", false},
        {"A\\b-", L"A-", true},
        {"A\\BB", L"AB", true},
        {"A\\B-", L"A-", false},
        {"\\B", L"", true},
    });
}

TEST_F(HostTest, PatternLookaheadAndBackreferences) {
    expectVerdicts({
        {"(?=OP)\\w+", L"OP10", true},
        {"(?=OP)\\w+", L"CS10", false},
        {"(?!TMP)\\w+", L"TMP1", false},
        {"(?!TMP)\\w+", L"HOLE", true},
        {"(?!.*_OLD$).*", L"HOLE_OLD", false},
        {"(?!.*_OLD$).*", L"HOLE_NEW", true},
        {"A(?=^)", L"A", false},
        {"A(?=\\b)", L"A", true},
        {"A(?=\\B)", L"A", false},
        {"(?=(A+))\\1B", L"AAB", true},
        {"(?!(A))\\1B", L"B", true},
        {"(\\w+)_\\1", L"AB_AB", true},
        {"(\\w+)_\\1", L"AB_AC", false},
        {"(A)|B\\1", L"B", true},
        {"\\1(A)", L"A", true},
        {"(A*)B\\1", L"AABAA", true},
        {"(A*)B\\1", L"AABA", false},
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)\\10", L"abcdefghijj", true},
        {"(A*?)(A*)\\2", L"AAAA", true},
    });
}

TEST_F(HostTest, PatternRefusalsSayWhatIsWrongAndWhere) {
    const struct {
        const char* pattern;
        const char* text;
    } refused[] = {
        {".**X", "quantifier on a quantifier at 2"},
        {"A{2}*", "quantifier on a quantifier at 4"},
        {"A+??", "quantifier on a quantifier at 3"},
        {"*A", "quantifier without operand at 0"},
        {"A|+", "quantifier without operand at 2"},
        {"(?:{2})", "quantifier without operand at 3"},
        {"^*", "quantifier after an assertion at 1"},
        {"\\b+", "quantifier after an assertion at 2"},
        {"(?=A)*", "quantifier after an assertion at 5"},
        {"(AB", "missing ) for ( at 0"},
        {"A)", "unmatched ) at 1"},
        {"[AB", "missing ] for [ at 0"},
        {"[[:alpha:]", "missing ] for [ at 0"},
        {"A{", "malformed count at 1"},
        {"A{,2}", "malformed count at 1"},
        {"A{2", "malformed count at 1"},
        {"A{2,1}", "count {n,m} with n > m at 1"},
        {"[z-a]", "range out of order at 1"},
        {"[\\d-z]", "class in a range at 1"},
        {"[a-\\w]", "class in a range at 1"},
        {"[[:alpha:]-z]", "class in a range at 1"},
        {"[[:alfa:]]", "unknown class name at 1"},
        {"[[.ab.]]", "unknown collating element at 1"},
        {"(?<=A)B", "unknown group kind at 0"},
        {"(?P<n>A)", "unknown group kind at 0"},
        {"(A)\\2", "backreference to a missing group at 3"},
        {"\\1", "backreference to a missing group at 0"},
        {"[\\1]", "escape not allowed in a class at 1"},
        {"[\\B]", "escape not allowed in a class at 1"},
        {"\\01", "octal escape at 0"},
        {"A\\", "\\ at the end at 1"},
        {"\\c1", "\\c without a letter at 0"},
        {"\\xG1", "\\x without two hex digits at 0"},
        {"\\u12", "\\u without four hex digits at 0"},
        {"A{1000001}", "number too large at 1"},
        {"\\12345678901234567890123", "number too large at 0"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.pattern);
        EXPECT_THROW_CODE(ardotk::NameFilter{r.pattern}, ardotk::Error, 0, r.text);
    }
}

TEST_F(HostTest, PatternRefusalCarriesTheCallersCode) {
    EXPECT_THROW_CODE(ardotk::NameFilter(".**X", -1), ardotk::Error, -1,
                      "quantifier on a quantifier at 2");
    EXPECT_PATTERN_ERROR(ardotk::NameFilter("A{3,2}"));
    // A refused pattern is reported by a listing as the filter raised it.
    EXPECT_THROW_CODE(ardotk::guardedListing([] { return ardotk::NameFilter("(", -1).all(); }),
                      ardotk::Error, -1, "missing ) for ( at 0");
}

}  // namespace
