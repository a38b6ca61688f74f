// Expectations the library's test folders share: out-of-range subscripts, refused name
// patterns and injected faults. Exceptions are expected with EXPECT_THROW_CODE
// (support/host_fixture.h); a sweep over every host call of an operation is in
// support/fault_sweep.h.
#pragma once

#include <stdexcept>

#include "kelt2proe/error.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

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
