// Name patterns never hang or crash: the patterns that made the standard library's
// matcher run for seconds or overflow, the size, nesting and step limits, and patterns
// of arbitrary bytes.
#include <gtest/gtest.h>

#include <ctime>
#include <random>
#include <string>

#include "support/expect.h"
#include "support/host_fixture.h"
#include "toolkit/name_filter.h"
#include "toolkit/pattern_backtrack.h"
#include "toolkit/pattern_program.h"
#include "toolkit/pattern_syntax.h"

namespace {

using testkit::HostTest;
// Generous against the 10 ms a match may take, so that instrumented builds pass; a
// hanging matcher takes seconds. Processor time, so that other processes on a loaded
// machine do not count.
constexpr std::clock_t kMatchLimit = CLOCKS_PER_SEC / 4;

const std::wstring kLongestName(31, L'A');
const std::wstring kLongestPath(259, L'A');

// Matches and expects the answer within kMatchLimit; a refusal for too many steps
// counts as an answer.
void expectBoundedMatch(const ardotk::NameFilter& filter, const std::wstring& name,
                        const std::string& pattern) {
    const std::clock_t start = std::clock();
    try {
        filter.matches(name.c_str());
    } catch (const ardotk::Error& e) {
        EXPECT_EQ(e.code, 0) << e.text;
        EXPECT_STRNE(e.text, "");
    }
    EXPECT_LT(std::clock() - start, kMatchLimit)
        << "pattern " << pattern << " on a name of " << name.size() << " characters";
}

TEST_F(HostTest, NestedQuantifiersMatchInBoundedTime) {
    for (const char* pattern : {"(.*)*X", "(.*)*", "(A*)*B", "(A|A)*B", "(A+)+B", "(A|AA)+B",
                                "((A*)*)*B", "(.*){1,30}X", "(?:A?){31}A{31}", "(\\w+\\d*)+X"}) {
        const ardotk::NameFilter filter(pattern);
        expectBoundedMatch(filter, kLongestName, pattern);
        expectBoundedMatch(filter, kLongestPath, pattern);
    }
    EXPECT_FALSE(ardotk::NameFilter("(.*)*X").matches(kLongestName.c_str()));
    EXPECT_TRUE(ardotk::NameFilter("(.*)*X").matches((kLongestName + L"X").c_str()));
    EXPECT_TRUE(ardotk::NameFilter("(?:A?){31}A{31}").matches(kLongestName.c_str()));
    EXPECT_FALSE(ardotk::NameFilter("(A|AA)+B").matches(kLongestPath.c_str()));
}

TEST_F(HostTest, QuantifierOnAQuantifierIsRefused) {
    EXPECT_THROW_CODE(ardotk::NameFilter(".**X"), ardotk::Error, 0,
                      "quantifier on a quantifier at 2");
    EXPECT_THROW_CODE(ardotk::NameFilter(".***X"), ardotk::Error, 0,
                      "quantifier on a quantifier at 2");
}

TEST_F(HostTest, OverflowingNumbersAreRefused) {
    const std::string digits23(23, '9');
    EXPECT_THROW_CODE(ardotk::NameFilter(("\\" + digits23).c_str()), ardotk::Error, 0,
                      "number too large at 0");
    EXPECT_THROW_CODE(ardotk::NameFilter(("(A)\\1" + digits23).c_str()), ardotk::Error, 0,
                      "number too large at 3");
    EXPECT_THROW_CODE(ardotk::NameFilter(("A{1," + digits23 + "}").c_str()), ardotk::Error, 0,
                      "number too large at 1");
    EXPECT_THROW_CODE(ardotk::NameFilter("A{4294967297}"), ardotk::Error, 0,
                      "number too large at 1");
}

TEST_F(HostTest, PatternsLargerThanTheInstructionLimitAreRefused) {
    const std::string tooLarge = "pattern too large: over " +
                                 std::to_string(ardotk::kMaxPatternInstructions) +
                                 " instructions once repetitions are unrolled";
    for (const char* pattern : {"A{2000}", "(A{100}){100}", "((A{15}){15}){15}", "(.*){1000000}",
                                "A{0,1000000}", "[A-Z]{1,1500}"}) {
        SCOPED_TRACE(pattern);
        EXPECT_THROW_CODE(ardotk::NameFilter{pattern}, ardotk::Error, 0, tooLarge.c_str());
    }
    EXPECT_THROW_CODE(ardotk::NameFilter(std::string(2000, 'A').c_str()), ardotk::Error, 0,
                      tooLarge.c_str());
    // Just within the limit, and repetitions of nothing, which unroll to nothing.
    const ardotk::NameFilter largest("A{1999}");
    EXPECT_TRUE(largest.matches(std::wstring(1999, L'A').c_str()));
    EXPECT_FALSE(largest.matches(std::wstring(1998, L'A').c_str()));
    EXPECT_TRUE(ardotk::NameFilter("(?:){1000000}A").matches(L"A"));
}

TEST_F(HostTest, PatternsLongerThanTheLengthLimitAreRefused) {
    const std::size_t longest = ardotk::kMaxPatternLength;
    const std::string text = "pattern too long: over " + std::to_string(longest) + " characters";
    for (char c : {'A', '(', '[', '\\', '*'}) {
        EXPECT_THROW_CODE(ardotk::NameFilter(std::string(longest + 1, c).c_str()), ardotk::Error, 0,
                          text.c_str());
        EXPECT_THROW_CODE(ardotk::NameFilter(std::string(1000000, c).c_str()), ardotk::Error, 0,
                          text.c_str());
    }
    // At the limit, a pattern that unrolls to nothing compiles.
    std::string empties;
    while (empties.size() + 4 <= longest) {
        empties += "(?:)";
    }
    EXPECT_TRUE(ardotk::NameFilter(empties.c_str()).matches(L""));
}

TEST_F(HostTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    const int deepest = ardotk::kMaxPatternNesting;
    const std::string nested = std::string(deepest, '(') + "A" + std::string(deepest, ')');
    EXPECT_TRUE(ardotk::NameFilter(nested.c_str()).matches(L"A"));
    const std::string tooDeep = "(" + nested + ")";
    EXPECT_THROW_CODE(ardotk::NameFilter(tooDeep.c_str()), ardotk::Error, 0,
                      ("groups nested too deeply at " + std::to_string(deepest)).c_str());
    EXPECT_THROW_CODE(ardotk::NameFilter(std::string(4000, '(').c_str()), ardotk::Error, 0,
                      ("groups nested too deeply at " + std::to_string(deepest)).c_str());
    EXPECT_THROW_CODE(ardotk::NameFilter(std::string(4000, '[').c_str()), ardotk::Error, 0,
                      "missing ] for [ at 0");
    // Lookahead nests the backtracking matcher's calls as deep as the groups nest.
    std::string lookaheads;
    for (int i = 0; i < deepest; ++i) {
        lookaheads += "(?=";
    }
    lookaheads += "A" + std::string(deepest, ')') + "A";
    EXPECT_TRUE(ardotk::NameFilter(lookaheads.c_str()).matches(L"A"));
    EXPECT_FALSE(ardotk::NameFilter(lookaheads.c_str()).matches(L"B"));
}

TEST_F(HostTest, BacktrackingStopsAtTheStepBudget) {
    const std::wstring as(30, L'A');
    const std::string text = "pattern too complex: over " +
                             std::to_string(ardotk::kMaxBacktrackSteps) +
                             " steps to match one name";
    for (int code : {0, -1}) {
        const ardotk::NameFilter exponential("(A|A)*\\1B", code);
        const std::clock_t start = std::clock();
        EXPECT_THROW_CODE(exponential.matches(as.c_str()), ardotk::Error, code, text.c_str());
        EXPECT_LT(std::clock() - start, kMatchLimit);
    }
    // The same pattern on a short name is answered.
    EXPECT_TRUE(ardotk::NameFilter("(A|A)*\\1B").matches(L"AAAB"));
    EXPECT_FALSE(ardotk::NameFilter("(A|A)*\\1B").matches(L"AAAA"));
    // Lookahead inside a loop on the longest path stays within the budget.
    const ardotk::NameFilter lookahead("(?:(?!B)\\w)*");
    EXPECT_TRUE(lookahead.matches(kLongestPath.c_str()));
}

// Patterns of random syntax characters and bytes: each compiles or is refused by the
// error rules, and matching the longest name and path is bounded.
TEST_F(HostTest, ArbitraryPatternsCompileOrAreRefused) {
    const std::string alphabet = "AB.*+?{}[]()|^$\\-,:=!019dwsbcux";
    std::mt19937 random(20261206);
    for (int round = 0; round < 3000; ++round) {
        std::string pattern;
        const std::size_t length = random() % 48;
        for (std::size_t i = 0; i < length; ++i) {
            pattern += round % 4 == 0 ? static_cast<char>(1 + random() % 255)
                                      : alphabet[random() % alphabet.size()];
        }
        try {
            const ardotk::NameFilter filter(pattern.c_str());
            expectBoundedMatch(filter, kLongestName, pattern);
            expectBoundedMatch(filter, kLongestPath, pattern);
        } catch (const ardotk::Error& e) {
            EXPECT_EQ(e.code, 0) << pattern;
            EXPECT_STRNE(e.text, "") << pattern;
            EXPECT_STRNE(e.text, "UNBEKANNTER FEHLER") << pattern;
        }
    }
}

// The slowest patterns of about 256 bytes that compile: the largest programs the
// automaton runs, one with a class of many ranges tested at every step, and names
// inside and outside ASCII.
TEST_F(HostTest, LargestPatternsMatchInBoundedTime) {
    std::string alternatives = "(?:";
    while (alternatives.size() < 250) {
        alternatives += "A*|";
    }
    alternatives += "B)*C";
    std::string classes;
    while (classes.size() < 240) {
        classes += "[^B].?";
    }
    std::string ranges = "[";
    for (char c = 'a'; c < 'z'; c += 2) {
        ranges += std::string{c, '-', c, '\\', 'x', 'e', static_cast<char>('0' + c % 10)};
    }
    ranges += "]{1,900}";
    const std::wstring outsideAscii(259, L'\u00e9');
    for (const std::string& pattern :
         {alternatives, classes, ranges, std::string("(?:(?:A?){30}){30}"),
          std::string("(.?){900}"), std::string("(?=A)(?:[^\\x41]|\\w)*")}) {
        const ardotk::NameFilter filter(pattern.c_str());
        for (const std::wstring* name : {&kLongestName, &kLongestPath, &outsideAscii}) {
            expectBoundedMatch(filter, *name, pattern);
        }
    }
}

}  // namespace
