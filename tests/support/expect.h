// Expectations the library's test folders share: refusals whose code is only known not to
// be some value, out-of-range subscripts, refused name patterns, injected faults and the
// failure of each host call of an operation in turn.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelt2proe/error.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

// Expects `statement` to throw `Type` with a code other than `otherCode` and the given text.
#define EXPECT_THROW_TEXT(statement, Type, otherCode, expectedText)             \
    do {                                                                        \
        try {                                                                   \
            statement;                                                          \
            ADD_FAILURE() << "no exception from " #statement;                   \
        } catch (const Type& e_) {                                              \
            EXPECT_NE(e_.code, (otherCode)) << e_.text;                         \
            EXPECT_STREQ(e_.text, (expectedText)) << "code " << e_.code;        \
        } catch (...) {                                                         \
            ADD_FAILURE() << "other exception than " #Type " from " #statement; \
        }                                                                       \
    } while (0)

// Expects `statement` to throw std::out_of_range saying "invalid vector<T> subscript".
#define EXPECT_SUBSCRIPT_ERROR(statement)                                          \
    do {                                                                           \
        try {                                                                      \
            statement;                                                             \
            ADD_FAILURE() << "no exception from " #statement;                      \
        } catch (const std::out_of_range& e_) {                                    \
            EXPECT_STREQ(e_.what(), "invalid vector<T> subscript");                \
        } catch (...) {                                                            \
            ADD_FAILURE() << "other exception than out_of_range from " #statement; \
        }                                                                          \
    } while (0)

// Expects `statement` to refuse an invalid name pattern: ardotk::Error with code 0 and a
// text that says what is wrong (neither empty nor the filter's unknown-failure text).
#define EXPECT_PATTERN_ERROR(statement)                                             \
    do {                                                                            \
        try {                                                                       \
            statement;                                                              \
            ADD_FAILURE() << "no exception from " #statement;                       \
        } catch (const ardotk::Error& e_) {                                         \
            EXPECT_EQ(e_.code, 0) << e_.text;                                       \
            EXPECT_STRNE(e_.text, "");                                              \
            EXPECT_STRNE(e_.text, "UNBEKANNTER FEHLER");                            \
        } catch (...) {                                                             \
            ADD_FAILURE() << "other exception than ardotk::Error from " #statement; \
        }                                                                           \
    } while (0)

// Makes the next call of host function `function` fail with `code`, then expects
// `statement` to throw `Type` with that code and `expectedText`.
#define EXPECT_FAULT(function, code, statement, Type, expectedText) \
    do {                                                            \
        simhost::injectFault((function), (code));                   \
        EXPECT_THROW_CODE(statement, Type, (code), (expectedText)); \
    } while (0)

namespace testkit {

// Runs `operation` undisturbed, then makes its host calls k = 1 .. n fail with `code` in
// turn (n: the calls of the undisturbed run) and runs `failing(call)` each time, `call`
// being the journal entry of the failed call.
inline void failEachHostCall(const std::function<void()>& operation, int code,
                             const std::function<void(const std::string& call)>& failing) {
    simhost::clearJournal();
    operation();
    const std::vector<std::string> calls = simhost::journal();
    ASSERT_GT(calls.size(), 1u);
    for (std::size_t k = 1; k <= calls.size(); ++k) {
        SCOPED_TRACE("failing call " + std::to_string(k) + ": " + calls[k - 1]);
        simhost::clearFaults();
        simhost::injectFault("*", code, static_cast<int>(k));
        failing(calls[k - 1]);
    }
    simhost::clearFaults();
}

}  // namespace testkit
