// The entry of contract functions: nothing thrown inside the host crosses the C
// boundary, and the journal keeps only the latest entries.
#include <ProCore.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using testkit::HostTest;

// Runs the event loop with one posted command whose callback throws `error`.
template <typename Error>
ProError loopThrowing(const Error& error) {
    simhost::onCommand("fails", [error] { throw error; });
    simhost::postCommand("fails");
    return ProAsynchronousEventLoop();
}

TEST_F(HostTest, ExceptionsInsideAnEntryAnswerAsCodes) {
    launchAndConnect();
    EXPECT_EQ(loopThrowing(std::runtime_error("disk on fire")), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(loopThrowing(std::bad_alloc()), PRO_TK_OUT_OF_MEMORY);
    EXPECT_EQ(loopThrowing(std::out_of_range("index 7")), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(loopThrowing(42), PRO_TK_GENERAL_ERROR);
    // The host stays usable: the next call answers normally.
    EXPECT_EQ(ProEngineerStatusGet(), PRO_TK_NO_ERROR);
}

TEST_F(HostTest, AnEscapedExceptionIsJournaledAfterItsCall) {
    launchAndConnect();
    simhost::clearJournal();
    ASSERT_EQ(loopThrowing(std::runtime_error("disk on fire")), PRO_TK_GENERAL_ERROR);
    std::vector<std::string> entries = simhost::journal();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], "ProAsynchronousEventLoop");
    EXPECT_EQ(entries[1], "!ProAsynchronousEventLoop -1 disk on fire");
    EXPECT_EQ(testkit::callCount("ProAsynchronousEventLoop"), 1);
}

TEST_F(HostTest, JournalKeepsTheLatestEntriesUpToItsLimit) {
    launchAndConnect();
    simhost::clearJournal();
    simhost::setJournalLimit(3);
    for (int i = 0; i < 5; ++i) {
        ProEngineerStatusGet();
        ProEngineerConnectIdExtract(ProProcessHandle{}, nullptr);
    }
    std::vector<std::string> kept = simhost::journal();
    EXPECT_EQ(kept, (std::vector<std::string>{"ProEngineerConnectIdExtract", "ProEngineerStatusGet",
                                              "ProEngineerConnectIdExtract"}));
    // A lower limit drops the oldest at once; 0 keeps nothing.
    simhost::setJournalLimit(1);
    EXPECT_EQ(simhost::journal(), std::vector<std::string>{"ProEngineerConnectIdExtract"});
    simhost::setJournalLimit(0);
    ProEngineerStatusGet();
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(HostTest, ResetRestoresTheDefaultJournalLimit) {
    simhost::setJournalLimit(2);
    simhost::reset();
    for (int i = 0; i < 10; ++i) {
        ProEngineerStatusGet();
    }
    EXPECT_EQ(testkit::callCount("ProEngineerStatusGet"), 10);
}

}  // namespace
