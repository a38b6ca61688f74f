// Fault-sweep rows of kelt2pOperation, on operation OP010 of the scene's job. Element and
// parameter reads raise ardotk::Error with the host's code and no text; a refused free of
// the element tree raises Ardo::Error with the operation's text; the other releases are
// not examined; a refused narrowing gives the empty text.
#include <gtest/gtest.h>

#include <string>

#include "faults/session_scene.h"

namespace {

using namespace testkit;

Ardo::kelt2pMfg job;
Ardo::kelt2pOperation operation;
std::string returnedText;

void loadedOperation() {
    sessionscene::loadJob(job);
    if (job.OperList("OP010") != 1) {
        throw std::runtime_error("the job has no operation OP010");
    }
    operation = job.OperList(0);
}

void commentsRead() {
    loadedOperation();
    operation.Comment();
}

// The releases whose result is not examined.
Expectation releasesUnexamined(Expectation base) {
    for (const char* release : {"ProElempathFree", "ProValueFree", "ProArrayFree"}) {
        base = except(base, release, swallows());
    }
    return base;
}

// Element reads raise (code, ""); `freeText` names the operation when the tree's free is
// refused; the narrowing of the result gives the empty text.
Expectation elementRead(const char* freeText = nullptr) {
    Expectation expected = releasesUnexamined(throwsToolkit(""));
    if (freeText != nullptr) {
        expected = except(expected, "ProElementFree", throwsLibrary(freeText));
    }
    return except(expected, "ProWstringToString", swallows());
}

// The text returned: the host's, or the empty text where the narrowing was refused.
SweepRow::Check textUnlessNarrowingFailed(std::string expected) {
    return [expected](const HostCall& failed, int, const Outcome& outcome) {
        if (outcome.thrown != Outcome::Thrown::Nothing) {
            return;
        }
        EXPECT_EQ(returnedText, failed.isTextConversion() ? std::string() : expected);
    };
}

SweepRow parameterRow(const char* operationName, const char* (Ardo::kelt2pOperation::*read)(),
                      const char* value) {
    return {operationName, loadedOperation, [read] { returnedText = (operation.*read)(); },
            except(throwsToolkit(""), "ProWstringToString", swallows()),
            textUnlessNarrowingFailed(value)};
}

std::vector<SweepRow> operationRows() {
    return {
        {"Ardo::kelt2pOperation::Name()", loadedOperation, [] { returnedText = operation.Name(); },
         elementRead("Ardo::Operation::Name"), textUnlessNarrowingFailed("OP010")},
        {"Ardo::kelt2pOperation::ID() const", loadedOperation, [] { operation.ID(); }},
        parameterRow("Ardo::kelt2pOperation::Material()", &Ardo::kelt2pOperation::Material,
                     "ALMG3"),
        parameterRow("Ardo::kelt2pOperation::NclFile()", &Ardo::kelt2pOperation::NclFile,
                     "op010.ncl"),
        parameterRow("Ardo::kelt2pOperation::PartNo()", &Ardo::kelt2pOperation::PartNo, "4711"),
        {"Ardo::kelt2pOperation::Origin()", loadedOperation, [] { operation.Origin(); },
         except(releasesUnexamined(throwsToolkit("")), "ProSelectionModelitemGet",
                throwsLibrary("Ardo::Operation::Origin"))},
        // The lines are cleared first: after a failure there are none.
        {"Ardo::kelt2pOperation::Comment()", commentsRead, [] { operation.Comment(); },
         elementRead("Ardo::Operation::Comment"),
         [](const HostCall&, int, const Outcome& outcome) {
             const bool failed = outcome.thrown != Outcome::Thrown::Nothing;
             EXPECT_STREQ(operation.Comment(0u), failed ? "" : "first clamping");
         }},
        {"Ardo::kelt2pOperation::Comment(unsigned int)", commentsRead,
         [] { returnedText = operation.Comment(1u); }, swallows(),
         textUnlessNarrowingFailed("top side")},
        {"Ardo::kelt2pOperation::WcellGet()", loadedOperation, [] { operation.WcellGet(); },
         releasesUnexamined(throwsToolkit(""))},
    };
}
SWEEP_ROWS(operationRows);

}  // namespace
