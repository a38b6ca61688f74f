#include "support/host_fixture.h"

#include <ProCore.h>

#include <fstream>

#include "kelt2proe/simhost/control.h"
#include "support/platform.h"

namespace testkit {

void HostTest::SetUp() {
    simhost::reset();
    previousDir_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    workDir = std::filesystem::temp_directory_path() /
              ("kelt2proe-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(processId()));
    std::filesystem::remove_all(workDir);
    std::filesystem::create_directories(workDir);
    std::filesystem::current_path(workDir);
    setEnvironment("PRO_COMM_MSG_EXE", simhost::commProgram());
}

void HostTest::TearDown() {
    simhost::reset();
    std::filesystem::current_path(previousDir_);
    std::error_code ignored;
    std::filesystem::remove_all(workDir, ignored);
}

std::string HostTest::writeFile(const std::string& name, const std::string& content) {
    std::ofstream(workDir / name, std::ios::binary) << content;
    return (workDir / name).string();
}

std::string HostTest::launchAndConnect() {
    std::string id = simhost::launch();
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    EXPECT_EQ(
        ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle),
        PRO_TK_NO_ERROR);
    simhost::clearJournal();
    return id;
}

int callCount(const std::string& function) {
    int n = 0;
    for (const std::string& entry : simhost::journal()) {
        if (entry == function || entry.rfind(function + " ", 0) == 0) {
            ++n;
        }
    }
    return n;
}

bool journalHas(const std::string& prefix) {
    for (const std::string& entry : simhost::journal()) {
        if (entry.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace testkit
