// Version-stamp operations release the host's stamps and texts on every path.
#include <functional>
#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using Ardo::kelt2pMdl;

class MdlVerstampFaults : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
        part.Create("cam", Ardo::KELT2P_MDL_PART);
        char stamp[256] = {};
        ASSERT_LT(part.VerstampStringGet(nullptr), 255);
        part.VerstampStringGet(stamp);
        stampText = stamp;
    }

    // Fails host call k = 1 .. n of the operation in turn (n: the calls of an undisturbed
    // run); every failure carries the injected code and the operation's text, and no
    // path leaves a stamp or text allocated.
    void failEachCall(const std::function<void()>& operation, const char* text) {
        simhost::clearJournal();
        operation();
        const std::size_t calls = simhost::journal().size();
        int failures = 0;
        for (std::size_t k = 1; k <= calls; ++k) {
            simhost::clearFaults();
            simhost::injectFault("*", -17, static_cast<int>(k));
            try {
                operation();
            } catch (const Ardo::Error& e) {
                ++failures;
                EXPECT_EQ(e.code, -17) << "call " << k;
                EXPECT_STREQ(e.text, text) << "call " << k;
            }
            EXPECT_EQ(simhost::liveObjects(), 0) << "failing call " << k;
        }
        simhost::clearFaults();
        // Stamp, text or second stamp, and the releases: each failure reported.
        EXPECT_GE(failures, 4);
    }

    kelt2pMdl part;
    std::string stampText;
};

TEST_F(MdlVerstampFaults, StringGetFailsCleanlyAtEveryHostCall) {
    failEachCall([this] { part.VerstampStringGet(nullptr); }, "Ardo::Mdl::VerstampStringGet");
}

TEST_F(MdlVerstampFaults, EqualFailsCleanlyAtEveryHostCall) {
    failEachCall([this] { part.VerstampEqual(stampText.c_str()); }, "Ardo::Mdl::VerstampEqual");
}

TEST_F(MdlVerstampFaults, EqualRefusesAnEmptyStampText) {
    try {
        part.VerstampEqual("");
        ADD_FAILURE() << "an empty stamp text";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, 0);
        EXPECT_STREQ(e.text, "Ardo::Mdl::VerstampEqual");
    }
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
