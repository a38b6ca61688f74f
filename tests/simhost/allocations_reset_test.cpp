// The end of the host session takes back every object the toolkit handed out: also those
// the caller never freed and those a failed free left with the host.
#include <ProArray.h>
#include <ProCore.h>
#include <ProElement.h>
#include <ProUtil.h>
#include <ProValue.h>
#include <ProVerstamp.h>

#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using testkit::HostTest;

TEST_F(HostTest, ResetReleasesWhatIsStillHandedOut) {
    launchAndConnect();
    char* code = nullptr;
    ASSERT_EQ(ProEngineerDisplaydatecodeGet(&code), PRO_TK_NO_ERROR);
    simhost::injectFault("ProStringFree", PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(ProStringFree(code), PRO_TK_GENERAL_ERROR);
    ProArray array = nullptr;
    ASSERT_EQ(ProArrayAlloc(3, sizeof(double), 1, &array), PRO_TK_NO_ERROR);
    char text[] = "stamp";
    ProWVerstamp stamp = nullptr;
    ASSERT_EQ(ProStringVerstampGet(text, &stamp), PRO_TK_NO_ERROR);
    // Objects of the handle tables: an element whose free was refused, and a value.
    ProElement tree = nullptr;
    ASSERT_EQ(ProElementAlloc(1, &tree), PRO_TK_NO_ERROR);
    simhost::injectFault("ProElementFree", PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(ProElementFree(&tree), PRO_TK_GENERAL_ERROR);
    ProValue value = nullptr;
    ASSERT_EQ(ProValueAlloc(&value), PRO_TK_NO_ERROR);
    ASSERT_EQ(simhost::liveObjects(), 5);

    simhost::reset();
    EXPECT_EQ(simhost::liveObjects(), 0);
    // A free after the end is refused, not made twice.
    EXPECT_NE(ProArrayFree(&array), PRO_TK_NO_ERROR);
    EXPECT_NE(ProElementFree(&tree), PRO_TK_NO_ERROR);
    EXPECT_NE(ProValueFree(value), PRO_TK_NO_ERROR);
}

}  // namespace
