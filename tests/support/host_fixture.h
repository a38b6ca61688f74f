// Test fixtures: a fresh simulated host in a scratch working directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace testkit {

// Resets the simulated host, makes a scratch directory the working directory and
// points PRO_COMM_MSG_EXE at the host's communication program.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `content` to `name` in the working directory; returns its path.
    std::string writeFile(const std::string& name, const std::string& content);
    // Launches a host session, connects this process to it; returns its identifier.
    std::string launchAndConnect();

    std::filesystem::path workDir;

private:
    std::filesystem::path previousDir_;
};

// Counts the journal entries whose function name is `function`.
int callCount(const std::string& function);
// True when some journal entry starts with `prefix`.
bool journalHas(const std::string& prefix);

}  // namespace testkit

// Expects `statement` to throw exception class `Type` with the given code and text.
#define EXPECT_THROW_CODE(statement, Type, expectedCode, expectedText)          \
    do {                                                                        \
        try {                                                                   \
            statement;                                                          \
            ADD_FAILURE() << "no exception from " #statement;                   \
        } catch (const Type& e_) {                                              \
            EXPECT_EQ(e_.code, (expectedCode)) << e_.text;                      \
            EXPECT_STREQ(e_.text, (expectedText)) << "code " << e_.code;        \
        } catch (...) {                                                         \
            ADD_FAILURE() << "other exception than " #Type " from " #statement; \
        }                                                                       \
    } while (0)
