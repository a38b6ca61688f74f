#include "toolkit/owned.h"

#include <gtest/gtest.h>

#include <ProVerstamp.h>

#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"
#include "toolkit/elemtree.h"
#include "toolkit/util.h"
#include "toolkit/verstamp.h"

namespace {

using testkit::HostTest;

// Frees by address (ProElementFree, ProVerstampFree) and by value (ProValueFree,
// ProStringFree) alike: a refused free keeps the object owned, a later release frees it,
// and whatever is still owned is freed by the destructor.
TEST_F(HostTest, OwnerKeepsWhatTheToolkitRefusesToFree) {
    launchAndConnect();
    const long baseline = simhost::liveObjects();
    {
        ardotk::ElemTree element = ardotk::ElementAlloc(386);
        ardotk::ValueOwner value;
        ASSERT_EQ(ProValueAlloc(value.out()), PRO_TK_NO_ERROR);
        ardotk::VerstampOwner stamp;
        ASSERT_EQ(ProStringVerstampGet(const_cast<char*>("STAMP-1"), stamp.out()), PRO_TK_NO_ERROR);
        ardotk::String text;
        ASSERT_EQ(ProVerstampStringGet(stamp.get(), text.out()), PRO_TK_NO_ERROR);
        ASSERT_EQ(simhost::liveObjects(), baseline + 4);

        for (const char* function :
             {"ProElementFree", "ProValueFree", "ProVerstampFree", "ProStringFree"}) {
            simhost::injectFault(function, -17);
        }
        EXPECT_EQ(element.release(), -17);
        EXPECT_EQ(value.release(), -17);
        EXPECT_EQ(stamp.release(), -17);
        EXPECT_EQ(text.release(), -17);
        EXPECT_NE(element.get(), nullptr);
        EXPECT_NE(value.get(), nullptr);
        EXPECT_NE(stamp.get(), nullptr);
        EXPECT_NE(text.get(), nullptr);
        EXPECT_EQ(simhost::liveObjects(), baseline + 4);

        EXPECT_EQ(text.release(), PRO_TK_NO_ERROR);
        EXPECT_EQ(text.get(), nullptr);
        EXPECT_EQ(text.release(), PRO_TK_NO_ERROR);  // nothing owned any more
        EXPECT_EQ(simhost::liveObjects(), baseline + 3);
    }
    EXPECT_EQ(simhost::liveObjects(), baseline);
    EXPECT_EQ(testkit::callCount("ProStringFree"), 2);
    EXPECT_EQ(testkit::callCount("ProElementFree"), 2);
}

// A moved owner hands the object over; a moved-to owner frees what it held before.
TEST_F(HostTest, OwnerMovesItsObject) {
    const long baseline = simhost::liveObjects();
    ardotk::ElemTree first = ardotk::ElementAlloc(386);
    ardotk::ElemTree second = ardotk::ElementAlloc(387);
    ProElement held = first.get();
    second = std::move(first);
    EXPECT_EQ(second.get(), held);
    EXPECT_EQ(first.get(), nullptr);
    EXPECT_EQ(simhost::liveObjects(), baseline + 1);
    ProElement taken = second.disown();
    EXPECT_EQ(second.get(), nullptr);
    EXPECT_EQ(ProElementFree(&taken), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), baseline);
}

}  // namespace
