#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "feature/element_names.h"
#include "feature/elemtree_dump.h"
#include "kelt2proe/error.h"
#include "kelt2proe/simhost/control.h"
#include "support/expect.h"
#include "toolkit/elemtree.h"
#include "toolkit/selection.h"

namespace {

using testkit::HostTest;

std::string dumped() {
    std::stringstream text;
    text << std::ifstream("elemtree.inf").rdbuf();
    return text.str();
}

ardotk::ValueOwner valueOf(ProValueData data) {
    ardotk::ValueOwner value;
    EXPECT_EQ(ProValueAlloc(value.out()), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProValueDataSet(value.get(), &data), PRO_TK_NO_ERROR);
    return value;
}

void addValue(ProElement parent, int id, ProValueData data) {
    ardotk::ElemTree element = ardotk::ElementAlloc(id);
    ardotk::ValueOwner value = valueOf(data);
    ASSERT_EQ(ProElementValueSet(element.get(), value.get()), PRO_TK_NO_ERROR);
    value.disown();
    ardotk::ElementAdd(parent, std::move(element));
}

TEST(ElementNames, TableHoldsTheFirstRowOfEachIdSorted) {
    EXPECT_STREQ(Ardo::elementName(386), "FEATURE_TREE");
    EXPECT_STREQ(Ardo::elementName(1), "SECTION");
    EXPECT_STREQ(Ardo::elementName(30310), "RTFEAT_REF_ELEM_10");
    EXPECT_STREQ(Ardo::elementName(647), "CTRL_PTS_SETDUM");
    EXPECT_STREQ(Ardo::elementName(6315), "BODY_USE");
    EXPECT_STREQ(Ardo::elementName(6316), "BODY_SELECT");
    EXPECT_EQ(Ardo::elementName(2), nullptr);
    EXPECT_EQ(Ardo::elementName(0), nullptr);
    EXPECT_EQ(Ardo::elementName(30311), nullptr);
    ASSERT_EQ(Ardo::detail::kElementNameCount, 5153u);  // 5156 rows, three ids twice
    for (std::size_t i = 1; i < Ardo::detail::kElementNameCount; ++i) {
        ASSERT_LT(Ardo::detail::kElementNames[i - 1].id, Ardo::detail::kElementNames[i].id);
    }
}

TEST_F(HostTest, DumpWritesEveryValueTypeAndNestedPrefixes) {
    ardotk::ElemTree root = ardotk::ElementAlloc(386);
    ardotk::ElementAdd(root.get(), ardotk::ElementInteger(387, 979));
    ardotk::ElementAdd(root.get(), ardotk::ElementDouble(2, 1.5));
    int anything = 0;
    ardotk::ElementAdd(root.get(), ardotk::ElementSpecial(3, &anything));
    ardotk::ElementAdd(root.get(), ardotk::ElementSpecial(10, nullptr));
    ProValueData data{};
    data.type = PRO_VALUE_TYPE_STRING;
    data.v.s = const_cast<char*>("abc");
    addValue(root.get(), 4, data);
    data.v.s = nullptr;
    addValue(root.get(), 12, data);
    ardotk::ElementAdd(root.get(), ardotk::ElementWstring(151, L"CS0"));
    ProModelitem item{PRO_CSYS, 7, nullptr};
    ardotk::SelectionOwner selection = ardotk::SelectionAlloc(nullptr, item);
    ardotk::ElementAdd(root.get(), ardotk::ElementSelection(413, selection.get()));
    double rows[4][4] = {{1, 0, 0, 10}, {0, 1, 0, -2.5}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    double* t[4] = {rows[0], rows[1], rows[2], rows[3]};
    data.type = PRO_VALUE_TYPE_TRANSFORM;
    data.v.t = t;
    addValue(root.get(), 5, data);
    data.type = PRO_VALUE_TYPE_BOOLEAN;
    data.v.b = PRO_B_TRUE;
    addValue(root.get(), 9, data);
    ardotk::ElementAdd(root.get(), ardotk::ElementIntegers(152, {1, 2}));
    ProElement tables = ardotk::ElementAdd(root.get(), ardotk::ElementAlloc(491));
    ProElement first = ardotk::ElementAdd(tables, ardotk::ElementAlloc(510));
    ardotk::ElementAdd(first, ardotk::ElementInteger(492, 1));
    ardotk::ElementAdd(first, ardotk::ElementAlloc(8));
    ProElement second = ardotk::ElementAdd(tables, ardotk::ElementAlloc(510));
    ardotk::ElementAdd(second, ardotk::ElementInteger(492, 2));
    ardotk::ElementAdd(root.get(), ardotk::ElementAlloc(6));

    ASSERT_EQ(Ardo::ElemtreeDump(root.get()), PRO_TK_NO_ERROR);
    char null[32];
    std::snprintf(null, sizeof null, "%p", static_cast<void*>(nullptr));
    EXPECT_EQ(dumped(),
              "Element tree\n============\n\n"
              "FEATURE_TREE   (COMPOUND) \n"
              " |---FEATURE_TYPE  VALUE (INT)       = 979\n"
              " |---Elem Id:   2  VALUE (DOUBLE)    = 1.500000\n"
              " |---EXT_DEPTH  POINTER           = **\n"
              " |---QUILT  POINTER           = " +
                  std::string(null) +
                  "\n"
                  " |---THICKNESS  VALUE (STRING)    = abc\n"
                  " |---TRAJECTORY  VALUE (STRING)    = \n"
                  " |---FEAT_NAME  VALUE (WSTRING)   = CS0\n"
                  " |---DTMPLN_CONSTR_REF  VALUE (SELECTION) = **\n"
                  " |---MATRLSIDE  VALUE (TRANSFORM) 1.00000  0.00000  0.00000 10.00000\n"
                  " 0.00000  1.00000  0.00000 -2.50000\n"
                  " 0.00000  0.00000  1.00000  0.00000\n"
                  " 0.00000  0.00000  0.00000  1.00000\n"
                  "\n"
                  " |---BLN_TANGENCY  NON-STANDARD ELEMENT\n"
                  " |---COMMENTS  NON-STANDARD ELEMENT\n"
                  " |---TOOL_TABLES   (ARRAY) \n"
                  " |    |---MFG_TOOL_TABLE   (COMPOUND) \n"
                  " |    |    |---MACH_HEAD  VALUE (INT)       = 1\n"
                  " |    |    |---DIRECTION  \n"
                  " |    |---MFG_TOOL_TABLE   (COMPOUND) \n"
                  " |         |---MACH_HEAD  VALUE (INT)       = 2\n"
                  " |---REV_ANGLE  \n");
}

TEST_F(HostTest, DumpOfALastBranchAndOfUnlistedIds) {
    ardotk::ElemTree root = ardotk::ElementAlloc(386);
    ardotk::ElementAdd(root.get(), ardotk::ElementInteger(2, 1));
    ProElement tables = ardotk::ElementAdd(root.get(), ardotk::ElementAlloc(491));
    ProElement table = ardotk::ElementAdd(tables, ardotk::ElementAlloc(510));
    ardotk::ElementAdd(table, ardotk::ElementInteger(99999, 5));
    ardotk::ElementAdd(table, ardotk::ElementInteger(54, 6));

    ASSERT_EQ(Ardo::ElemtreeDump(root.get()), PRO_TK_NO_ERROR);
    ASSERT_EQ(Ardo::elementName(99999), nullptr);
    ASSERT_EQ(Ardo::elementName(54), nullptr);
    EXPECT_EQ(dumped(),
              "Element tree\n============\n\n"
              "FEATURE_TREE   (COMPOUND) \n"
              " |---Elem Id:   2  VALUE (INT)       = 1\n"
              " |---TOOL_TABLES   (ARRAY) \n"
              "      |---MFG_TOOL_TABLE   (COMPOUND) \n"
              "           |---Elem Id: 99999  VALUE (INT)       = 5\n"
              "           |---Elem Id:  54  VALUE (INT)       = 6\n");
}

TEST_F(HostTest, DumpGoesOnAfterAnElementThatCannotBeRead) {
    ardotk::ElemTree root = ardotk::ElementAlloc(386);
    ardotk::ElementAdd(root.get(), ardotk::ElementInteger(387, 979));
    ardotk::ElementAdd(root.get(), ardotk::ElementInteger(492, 1));
    simhost::injectFault("ProValueDataGet", PRO_TK_GENERAL_ERROR);
    testing::internal::CaptureStderr();
    ASSERT_EQ(Ardo::ElemtreeDump(root.get()), PRO_TK_NO_ERROR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Element id 387 is bad valued \n");
    EXPECT_EQ(dumped(),
              "Element tree\n============\n\n"
              "FEATURE_TREE   (COMPOUND) \n"
              "\n"
              " |---MACH_HEAD  VALUE (INT)       = 1\n");

    // A dump replaces the file; one whose tree cannot be visited keeps only the header.
    ProElement freed = nullptr;
    ASSERT_EQ(ProElementAlloc(1, &freed), PRO_TK_NO_ERROR);
    ProElement stale = freed;
    ASSERT_EQ(ProElementFree(&freed), PRO_TK_NO_ERROR);
    EXPECT_EQ(Ardo::ElemtreeDump(stale), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(dumped(), "Element tree\n============\n\n");
}

TEST_F(HostTest, BuildersReleaseEverythingOnFailure) {
    long before = simhost::liveObjects();
    ProModelitem item{PRO_CSYS, 7, nullptr};
    ardotk::SelectionOwner selection = ardotk::SelectionAlloc(nullptr, item);
    for (const char* function :
         {"ProElementAlloc", "ProValueAlloc", "ProValueDataSet", "ProElementValueSet"}) {
        EXPECT_FAULT(function, -1, ardotk::ElementSelection(413, selection.get()), ardotk::Error,
                     "");
        EXPECT_EQ(simhost::liveObjects(), before + 1) << function;
    }
    EXPECT_FAULT("ProElementValuesSet", -1, ardotk::ElementIntegers(332, {1, 2, 3}), ardotk::Error,
                 "");
    int anything = 0;
    EXPECT_FAULT("ProElementSpecialvalueSet", -2, ardotk::ElementSpecial(3, &anything),
                 ardotk::Error, "");
    EXPECT_FAULT("ProSelectionAlloc", -2, ardotk::SelectionAlloc(nullptr, item), ardotk::Error, "");
    ardotk::ElemTree root = ardotk::ElementAlloc(386);
    EXPECT_FAULT("ProElemtreeElementAdd", -1,
                 ardotk::ElementAdd(root.get(), ardotk::ElementInteger(387, 1)), ardotk::Error, "");
    EXPECT_EQ(simhost::liveObjects(), before + 2);
    EXPECT_EQ(ardotk::ElementGet(root.get(), {}), root.get());
    EXPECT_THROW_CODE(ardotk::ElementGet(root.get(), {387}), ardotk::Error, PRO_TK_E_NOT_FOUND, "");
    EXPECT_EQ(root.release(), PRO_TK_NO_ERROR);
    EXPECT_EQ(selection.release(), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before);
    // A refused free leaves the selection with the host, and says so.
    ardotk::SelectionOwner kept = ardotk::SelectionAlloc(nullptr, item);
    simhost::injectFault("ProSelectionFree", -1);
    EXPECT_EQ(kept.release(), -1);
    EXPECT_EQ(simhost::liveObjects(), before + 1);
}

}  // namespace
