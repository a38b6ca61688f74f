#include "toolkit/name_filter.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/host_fixture.h"
#include "toolkit/visit_guard.h"

namespace {

using testkit::HostTest;

TEST_F(HostTest, NameFilterMatchesWholeNamesOnly) {
    ardotk::NameFilter prefix("OP.*");
    EXPECT_TRUE(prefix.matches(L"OP010"));
    EXPECT_FALSE(prefix.matches(L"XOP010"));
    ardotk::NameFilter exact("OP");
    EXPECT_FALSE(exact.matches(L"OP010"));
    EXPECT_TRUE(exact.matches(L"OP"));
    ardotk::NameFilter caseSensitive("op.*");
    EXPECT_FALSE(caseSensitive.matches(L"OP010"));
    EXPECT_TRUE(ardotk::NameFilter(".*").all());
    EXPECT_FALSE(ardotk::NameFilter(".+").all());
}

TEST_F(HostTest, InvalidPatternIsRefusedWithTheFilterCode) {
    for (int code : {0, -1}) {
        try {
            ardotk::NameFilter broken("([a-z", code);
            ADD_FAILURE() << "invalid pattern accepted";
        } catch (const ardotk::Error& e) {
            EXPECT_EQ(e.code, code);
            EXPECT_GT(std::string(e.text).size(), 0u);
            EXPECT_STRNE(e.text, "UNBEKANNTER FEHLER");
        }
    }
}

TEST_F(HostTest, GuardedListingMapsForeignExceptions) {
    EXPECT_THROW_CODE(ardotk::guardedListing([]() -> int { throw std::runtime_error("x"); }),
                      ardotk::Error, -1, "UNBEKANNTER FEHLER");
    EXPECT_THROW_CODE(ardotk::guardedListing([]() -> int { throw ardotk::Error(-4, "own"); }),
                      ardotk::Error, -4, "own");
    EXPECT_EQ(ardotk::guardedListing([] { return 7; }), 7);
}

TEST_F(HostTest, VisitGuardKeepsTheFirstExceptionAndStops) {
    ardotk::VisitGuard guard;
    int calls = 0;
    auto body = [&]() -> ProError {
        ++calls;
        throw Ardo::Error(-2, "first");
    };
    EXPECT_EQ(guard.run(body), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(guard.run(body, PRO_TK_USER_ABORT), PRO_TK_USER_ABORT);
    EXPECT_EQ(calls, 1);
    EXPECT_THROW_CODE(guard.rethrow(), Ardo::Error, -2, "first");
}

}  // namespace
