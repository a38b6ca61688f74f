// The two holders behind every facade: CopiedImpl (copies never share state) and
// SharedImpl (copies and assignments share one object, destroyed with its last holder).
#include <gtest/gtest.h>

#include <string>

#include "base/facade_impl.h"
#include "base/share_count.h"

namespace {

// Counts the live objects of a test implementation type.
int liveObjects = 0;

struct Copied {
    Copied() { ++liveObjects; }
    Copied(const Copied& other) : text(other.text) { ++liveObjects; }
    Copied& operator=(const Copied& other) = default;
    ~Copied() { --liveObjects; }
    std::string text;
};

struct Shared : Ardo::ShareCount {
    Shared() { ++liveObjects; }
    explicit Shared(std::string t) : text(std::move(t)) { ++liveObjects; }
    Shared(const Shared&) = delete;
    Shared& operator=(const Shared&) = delete;
    ~Shared() { --liveObjects; }
    std::string text;
};

}  // namespace

template class Ardo::CopiedImpl<Copied>;
template class Ardo::SharedImpl<Shared>;

namespace {

using CopiedHolder = Ardo::CopiedImpl<Copied>;
using SharedHolder = Ardo::SharedImpl<Shared>;

class FacadeHolder : public ::testing::Test {
protected:
    void SetUp() override { liveObjects = 0; }
    void TearDown() override { EXPECT_EQ(liveObjects, 0) << "every object destroyed once"; }
};

TEST_F(FacadeHolder, CopiesOwnTheirObjectAndAssignmentCopiesTheValue) {
    CopiedHolder original;
    original->text = "first";
    CopiedHolder copy(original);
    CopiedHolder assigned;
    assigned = original;
    EXPECT_EQ(liveObjects, 3);
    original->text = "changed";
    EXPECT_EQ(copy->text, "first");
    EXPECT_EQ(assigned->text, "first");
    EXPECT_NE(&*copy, &*original);
    EXPECT_NE(&*assigned, &*original);

    Copied value;
    value.text = "value";
    CopiedHolder fromValue(value);
    value.text = "later";
    EXPECT_EQ(fromValue->text, "value");
}

TEST_F(FacadeHolder, CopiedSelfAssignmentKeepsTheObject) {
    CopiedHolder holder;
    holder->text = "kept";
    Copied* object = &*holder;
    CopiedHolder& alias = holder;
    holder = alias;
    EXPECT_EQ(&*holder, object);
    EXPECT_EQ(holder->text, "kept");
    EXPECT_EQ(liveObjects, 1);
}

TEST_F(FacadeHolder, SharedCopiesAndAssignmentsReferToOneObject) {
    SharedHolder first;
    SharedHolder copy(first);
    SharedHolder assigned;
    EXPECT_EQ(liveObjects, 2);
    assigned = first;  // drops its own object, which no other holder refers to
    EXPECT_EQ(liveObjects, 1);
    first->text = "seen by all";
    EXPECT_EQ(copy->text, "seen by all");
    EXPECT_EQ(&*assigned, &*first);
}

TEST_F(FacadeHolder, SharedObjectLivesUntilItsLastHolderGoes) {
    SharedHolder survivor(new Shared("adopted"));
    {
        SharedHolder a(survivor);
        SharedHolder b;
        b = a;
        SharedHolder& alias = b;
        b = alias;  // self-assignment keeps the object
        EXPECT_EQ(b->text, "adopted");
        survivor = SharedHolder();  // the survivor moves to a new object
        EXPECT_EQ(liveObjects, 2);
    }
    EXPECT_EQ(liveObjects, 1) << "the adopted object went with its last holder";
    EXPECT_EQ(survivor->text, "");
}

}  // namespace
