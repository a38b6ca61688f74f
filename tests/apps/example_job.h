// The program's tests on the example milling job: a scratch copy of examples/ in the
// test's working directory, on the embedded simulated host, and what a run printed.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/host_fixture.h"

// Expects `text` to hold `part`, and prints `text` when it does not.
#define EXPECT_CONTAINS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

namespace apptest {

// The exit code and the two output streams of one run.
struct Result {
    int code;
    std::string out;
    std::string err;
};

class ExampleJobTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        namespace fs = std::filesystem;
        for (const auto& file :
             fs::directory_iterator(fs::path(KELT2PROE_SOURCE_DIR) / "examples")) {
            fs::copy_file(file.path(), workDir / file.path().filename());
        }
    }
};

}  // namespace apptest
