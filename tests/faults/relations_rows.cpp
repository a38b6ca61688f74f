// Fault-sweep rows of the relation operations of kelt2pMdl: reading and writing the
// model's relation set and a feature's, and the buffer operations, which make no host
// call.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "faults/params_scene.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using paramscene::failing;
using paramscene::hostRelations;
using paramscene::kHole;
using paramscene::kModelOwner;
using paramscene::loadPart;
using paramscene::part;
using paramscene::relationBuffer;
using Lines = std::vector<std::string>;

constexpr const char* kReadText = "ardotk::RelationsGet";
constexpr const char* kWriteText = "ardotk::RelationsSet";

// What the buffer holds before a read, and what a write sends.
const Lines kKept = {"kept = 1"};
const Lines kWritten = {"d0 = 40", "d1 = d0 / 4"};

int counted = -1;

bool returned(const Outcome& outcome) {
    return outcome.thrown == Outcome::Thrown::Nothing;
}

// `lines` with line `index` (zero-based) empty.
Lines withEmptyLine(Lines lines, int index) {
    lines.at(static_cast<std::size_t>(index)) = "";
    return lines;
}

// The relation sets of the model, chosen by kind: a failing visit or owner read raises
// ardotk::Error(code, ""); a visit that answers "not found" found no set, and taking the
// first of none is out of range.
Expectation choosesByKind(Expectation rest) {
    const Outcome noSet{Outcome::Thrown::Other, 0, "invalid vector<T> subscript"};
    return exceptWhen(except(except(std::move(rest), "ProSolidRelsetVisit", throwsToolkit("")),
                             "ProRelsetToModelitem", throwsToolkit("")),
                      failing("ProSolidRelsetVisit", PRO_TK_E_NOT_FOUND), throwsAlways(noSet));
}

// The set of a feature by id: the feature's lookup raises the host's code without a
// text, the set's the operation's text.
Expectation featureSet(Expectation rest) {
    return except(except(std::move(rest), "ProFeatureInit", throwsLibrary("")),
                  "ProModelitemToRelset", throwsLibrary("Ardo::Solid::Relations"));
}

// Reading a set: every host call raises with the read's text; a refused conversion
// leaves its line empty.
Expectation reads() {
    return except(throwsToolkit(kReadText), "ProWstringToString", swallows());
}

// Writing a set: every host call raises with the write's text; the refused write itself
// is reported with code 0 (its array was released); a refused conversion writes its line
// empty.
Expectation writes() {
    return except(except(throwsToolkit(kWriteText), "ProRelsetRelationsSet",
                         throwsAlways(Outcome::toolkit(0, kWriteText))),
                  "ProStringToWstring", swallows());
}

// After a read of `lines`: the buffer holds them (a line whose conversion failed empty)
// when the operation returned, and is as it was when it threw.
SweepRow::Check readInto(Lines lines) {
    return [lines](const HostCall& call, int, const Outcome& outcome) {
        if (!returned(outcome)) {
            EXPECT_EQ(relationBuffer(), kKept);
            return;
        }
        const Lines expected = call.function == "ProWstringToString"
                                   ? withEmptyLine(lines, call.occurrence - 1)
                                   : lines;
        EXPECT_EQ(relationBuffer(), expected);
        EXPECT_EQ(counted, static_cast<int>(lines.size()));
    };
}

// After a write to the set of `owner` that held `before`: the buffer unchanged; the set
// holds the buffer's lines once the host took them (a line whose conversion failed
// empty), its old lines when the write did not happen.
SweepRow::Check writtenTo(int owner, Lines before) {
    return [owner, before](const HostCall& call, int, const Outcome& outcome) {
        EXPECT_EQ(relationBuffer(), kWritten);
        Lines expected = kWritten;
        if (call.function == "ProStringToWstring") {
            expected = withEmptyLine(kWritten, call.occurrence - 1);
        } else if (!returned(outcome) && call.function != "ProArrayFree") {
            expected = before;
        }
        EXPECT_EQ(hostRelations(owner), expected);
    };
}

std::vector<SweepRow> relationRows() {
    return {
        {"Ardo::kelt2pMdl::Relations(bool)", [] { loadPart(kKept); },
         [] { counted = part().Relations(false); }, choosesByKind(reads()),
         readInto(paramscene::modelRelations())},
        {"Ardo::kelt2pMdl::Relations(int)", [] { loadPart(kKept); },
         [] { counted = part().Relations(kHole); }, featureSet(reads()),
         readInto(paramscene::holeRelations())},
        {"Ardo::kelt2pMdl::RelationsSet(bool)", [] { loadPart(kWritten); },
         [] { part().RelationsSet(false); }, choosesByKind(writes()),
         writtenTo(kModelOwner, paramscene::modelRelations())},
        {"Ardo::kelt2pMdl::RelationsSet(int)", [] { loadPart(kWritten); },
         [] { part().RelationsSet(kHole); }, featureSet(writes()),
         writtenTo(kHole, paramscene::holeRelations())},
        // The buffer alone.
        {"Ardo::kelt2pMdl::RelationsClear()", [] { loadPart(kKept); },
         [] { Ardo::kelt2pMdl::RelationsClear(); }},
        {"Ardo::kelt2pMdl::RelationsAdd(char const*)", [] { loadPart(kKept); },
         [] { Ardo::kelt2pMdl::RelationsAdd("d2 = 3"); }},
        {"Ardo::kelt2pMdl::RelationsSize()", [] { loadPart(kKept); },
         [] { Ardo::kelt2pMdl::RelationsSize(); }},
        {"Ardo::kelt2pMdl::RelationAt(int)", [] { loadPart(kKept); },
         [] { Ardo::kelt2pMdl::RelationAt(0); }},
    };
}
SWEEP_ROWS(relationRows);

}  // namespace
