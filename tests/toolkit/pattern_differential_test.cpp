// The name patterns against the standard library's ECMAScript matcher, on generated
// small patterns and names where that matcher is safe (no quantifier inside a quantified
// group): both must give the same verdict on every name.
#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <string>
#include <vector>

#include "support/host_fixture.h"
#include "toolkit/name_filter.h"

namespace {

using testkit::HostTest;

// Random patterns over the grammar's constructs, with backreferences only to groups
// closed before them and sure to have taken part in the match: the standard library
// refuses the others, or fails on a group that did not take part where the ECMAScript
// grammar matches the empty text.
class PatternGenerator {
public:
    explicit PatternGenerator(unsigned seed) : random_(seed) {}

    std::string next() {
        closedGroups_.clear();
        openedGroups_ = 0;
        return alternation(0, false);
    }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    std::string alternation(int depth, bool quantified) {
        std::string text = sequence(depth, quantified);
        while (pick(5) == 0) {
            if (depth == 0) {
                closedGroups_.clear();  // those of the other branch took no part
            }
            text += "|" + sequence(depth, quantified);
        }
        return text;
    }

    std::string sequence(int depth, bool quantified) {
        std::string text;
        for (int n = pick(4); n >= 0; --n) {
            text += term(depth, quantified);
        }
        return text;
    }

    std::string term(int depth, bool quantified) {
        const bool quantify = !quantified && pick(3) == 0;
        const int kind = pick(depth < 2 ? 12 : 9);
        if (kind < 6) {
            return atom() + (quantify ? quantifier() : "");
        }
        if (kind < 8) {
            return assertion();
        }
        if (kind == 8) {
            return closedGroups_.empty()
                       ? "a"
                       : "\\" + std::to_string(
                                    closedGroups_[pick(static_cast<int>(closedGroups_.size()))]);
        }
        if (kind == 9) {
            ++lookaheadDepth_;
            const std::string body = alternation(depth + 1, quantified);
            --lookaheadDepth_;
            return (pick(2) == 0 ? "(?=" : "(?!") + body + ")";
        }
        const bool capturing = pick(2) == 0;
        const int number = capturing ? ++openedGroups_ : 0;
        std::string group =
            (capturing ? "(" : "(?:") + alternation(depth + 1, quantified || quantify) + ")";
        if (capturing && depth == 0 && !quantify) {
            closedGroups_.push_back(number);
        }
        return group + (quantify ? quantifier() : "");
    }

    std::string atom() {
        static const char* const atoms[] = {"a",           "b",      "c",     "_",   ".",   "[ab]",
                                            "[^a]",        "[a-c]",  "\\d",   "\\w", "\\W", "\\s",
                                            "[[:alpha:]]", "[\\d-]", "\\x61", "\\-"};
        return atoms[pick(sizeof atoms / sizeof atoms[0])];
    }

    // Inside a lookahead only "$": there the standard library takes the lookahead's start
    // for the name's start, for "^" and the word boundaries.
    std::string assertion() {
        static const char* const assertions[] = {"$", "^", "\\b", "\\B"};
        return assertions[lookaheadDepth_ > 0 ? 0 : pick(4)];
    }

    std::string quantifier() {
        static const char* const quantifiers[] = {"*", "+", "?", "{2}", "{0,2}", "{1,}", "{0}"};
        return std::string(quantifiers[pick(7)]) + (pick(3) == 0 ? "?" : "");
    }

    std::mt19937 random_;
    int openedGroups_ = 0;
    int lookaheadDepth_ = 0;
    std::vector<int> closedGroups_;
};

std::vector<std::wstring> generatedNames(std::mt19937& random) {
    const std::wstring alphabet = L"abc_1 -";
    std::vector<std::wstring> names;
    for (int i = 0; i < 16; ++i) {
        std::wstring name;
        for (int n = static_cast<int>(random() % 7); n > 0; --n) {
            name += alphabet[random() % alphabet.size()];
        }
        names.push_back(name);
    }
    return names;
}

TEST_F(HostTest, PatternsGiveTheStandardLibrarysVerdicts) {
    PatternGenerator generator(7);
    std::mt19937 random(11);
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string pattern = generator.next();
        const std::wregex reference(std::wstring(pattern.begin(), pattern.end()),
                                    std::regex_constants::ECMAScript);
        const ardotk::NameFilter filter(pattern.c_str());
        for (const std::wstring& name : generatedNames(random)) {
            const bool expected = std::regex_match(name, reference);
            ASSERT_EQ(filter.matches(name.c_str()), expected)
                << "pattern \"" << pattern << "\" name \"" << std::string(name.begin(), name.end())
                << "\"";
            ++compared;
        }
    }
    EXPECT_EQ(compared, 3000 * 16);
}

// One filter over many names: the steps it keeps from name to name, a pattern with more
// states than are kept (the tenth character from the end is an "a"), and characters
// outside ASCII, whose steps are not kept.
TEST_F(HostTest, OneFilterKeepsItsVerdictsOverManyNames) {
    std::mt19937 random(5);
    const std::wstring alphabet = L"ab\u00e9\u4e2d";
    for (const char* pattern : {"(?:a|b)*a(?:a|b){9}", "[^a]+b?", "[^a]*a.{2}"}) {
        const std::string text(pattern);
        const std::wregex reference(std::wstring(text.begin(), text.end()),
                                    std::regex_constants::ECMAScript);
        const ardotk::NameFilter filter(pattern);
        int taken = 0;
        for (int i = 0; i < 3000; ++i) {
            std::wstring name;
            for (int n = 8 + static_cast<int>(random() % 10); n > 0; --n) {
                name += alphabet[random() % (i % 2 == 0 ? 2 : alphabet.size())];
            }
            const bool expected = std::regex_match(name, reference);
            ASSERT_EQ(filter.matches(name.c_str()), expected) << pattern << " on name " << i;
            taken += expected;
        }
        EXPECT_GT(taken, 0) << pattern;
        EXPECT_LT(taken, 3000) << pattern;
    }
}

}  // namespace
