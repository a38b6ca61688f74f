// Runs every row of the fault-sweep table: each host call of each exported operation
// fails once, with each of the row's codes.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

#include "support/host_fixture.h"
#include "support/sweep_table.h"

namespace {

class FaultSweepTest : public testkit::HostTest,
                       public ::testing::WithParamInterface<testkit::SweepRow> {};

TEST_P(FaultSweepTest, EveryHostCallFailsOnce) {
    testkit::runSweepRow(GetParam());
}

// "Ardo::kelt2pMdl::Copy(char const*)" -> "kelt2pMdl_Copy_char_const_", numbered when
// overloads give the same name.
std::string rowName(const ::testing::TestParamInfo<testkit::SweepRow>& info) {
    static std::set<std::string> used;
    std::string name;
    std::string operation = info.param.operation;
    if (operation.rfind("Ardo::", 0) == 0) {
        operation.erase(0, 6);
    }
    for (char c : operation) {
        const bool word = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (word) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') {
        name.pop_back();
    }
    std::string unique = name;
    for (int n = 2; !used.insert(unique).second; ++n) {
        unique = name + "_" + std::to_string(n);
    }
    return unique;
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultSweepTest, ::testing::ValuesIn(testkit::sweepRows()), rowName);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FaultSweepTest);

}  // namespace
