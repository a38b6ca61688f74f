// Helpers of the user-interface tests: a session connected with an application text
// path whose "text" folder holds the message files the test writes.
#pragma once

#include <ProCore.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace uitest {

class TextPathTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        std::filesystem::create_directories(workDir / "app" / "text");
        connect("app");
    }
    // Launches a session and connects with `textPath` ("" for none).
    void connect(const std::string& textPath) {
        std::string id = simhost::launch();
        std::string text = textPath;
        ProProcessHandle handle{};
        ProBoolean random = PRO_B_FALSE;
        ASSERT_EQ(
            ProEngineerConnect(id.data(), nullptr, nullptr, text.empty() ? nullptr : text.data(),
                               PRO_B_FALSE, 20, &random, &handle),
            PRO_TK_NO_ERROR);
        simhost::clearJournal();
    }
    // Writes a message file into the application's text folder.
    void writeMessages(const std::string& file, const std::string& content) {
        std::ofstream(workDir / "app" / "text" / file, std::ios::binary) << content;
    }
};

// A wide file name for the toolkit's ProFileName arguments.
struct FileName {
    ProFileName text{};
    explicit FileName(const std::string& name) {
        for (std::size_t i = 0; i < name.size() && i + 1 < PRO_FILE_NAME_SIZE; ++i) {
            text[i] = static_cast<wchar_t>(name[i]);
        }
    }
};

}  // namespace uitest
