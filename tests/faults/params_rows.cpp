// Fault-sweep rows of the parameter operations of kelt2pMdl: reading, testing, setting
// (updating and creating), deleting, describing and listing parameters of the model and
// of a feature found by name.
#include <ProToolkit.h>
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "faults/params_scene.h"
#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;
using paramscene::asLibraryError;
using paramscene::failing;
using paramscene::hostDescription;
using paramscene::hostValue;
using paramscene::kHole;
using paramscene::kHoleName;
using paramscene::kModelOwner;
using paramscene::loadPart;
using paramscene::part;
using paramscene::withHoleLookup;

// What the last run returned, for the rows' checks.
bool existed = false;
Ardo::kelt2pParamValue value{};
std::string described;
int listed = -1;

bool returned(const Outcome& outcome) {
    return outcome.thrown == Outcome::Thrown::Nothing;
}

bool isCall(const HostCall& call, const char* function, int occurrence = 0) {
    return call.function == function && (occurrence == 0 || call.occurrence == occurrence);
}

// The model owner: its failure carries the operation's own text.
Expectation withModelOwner(Expectation rest, const char* text) {
    return except(std::move(rest), "ProMdlToModelitem", throwsLibrary(text));
}

// The wrapper calls raise ardotk::Error(code, ""); a lookup that reads as "not found"
// is the answer that the parameter is missing.
Expectation lookupAnswers(Expectation missing) {
    return exceptWhen(throwsToolkit(""), failing("ProParameterInit", PRO_TK_E_NOT_FOUND),
                      std::move(missing));
}

// Setting an existing parameter: a lookup that reads as "not found" makes the set create
// it, which the host refuses because it exists.
Expectation setsExisting() {
    return lookupAnswers(throwsAlways(Outcome::toolkit(PRO_TK_E_FOUND, "")));
}

// Setting a missing parameter: the lookup's "not found" is the undisturbed run.
Expectation createsMissing() {
    return lookupAnswers(swallows());
}

// After a set of `name` from `before` ("": missing) to `after`: the new value when the
// operation returned, the old one when it threw; a parameter created before its value
// set failed stays, with the value it was created with.
SweepRow::Check leavesValue(int owner, const char* name, std::string before, std::string after) {
    return [owner, name, before, after](const HostCall& call, int, const Outcome& outcome) {
        const bool created = before.empty() && isCall(call, "ProParameterValueSet");
        EXPECT_EQ(hostValue(owner, name), returned(outcome) || created ? after : before);
    };
}

// After a delete: the parameter is gone exactly when the operation returned.
SweepRow::Check deletes(int owner, const char* name, std::string before) {
    return [owner, name, before](const HostCall&, int, const Outcome& outcome) {
        EXPECT_EQ(hostValue(owner, name), returned(outcome) ? "" : before);
    };
}

// After an existence test: true, unless the lookup answered "not found".
void existedUnlessNotFound(const HostCall& call, int code, const Outcome& outcome) {
    if (returned(outcome)) {
        const bool notFound = isCall(call, "ProParameterInit") && code == PRO_TK_E_NOT_FOUND;
        EXPECT_EQ(existed, !notFound);
    }
}

// After reading a text parameter: the value, empty where its conversion failed.
SweepRow::Check readText(const char* name, const char* text) {
    return [name, text](const HostCall& call, int, const Outcome& outcome) {
        if (returned(outcome)) {
            EXPECT_STREQ(value.name, name);
            EXPECT_EQ(value.type, Ardo::KELT2P_PARAM_STRING);
            EXPECT_STREQ(value.value.s, isCall(call, "ProWstringToString") ? "" : text);
        }
    };
}

// Reading a description: a missing description, a refused conversion or a refused
// release of the host's text leave the operation undisturbed.
Expectation describes(Expectation owner) {
    return except(except(except(std::move(owner), "ProParameterDescriptionGet", swallows()),
                         "ProWstringToString", swallows()),
                  "ProWstringFree", swallows());
}

// After reading a description: the text, empty where the host's read or its conversion
// failed.
SweepRow::Check readDescription(const char* text) {
    return [text](const HostCall& call, int, const Outcome& outcome) {
        if (returned(outcome)) {
            const bool lost =
                isCall(call, "ProParameterDescriptionGet") || isCall(call, "ProWstringToString");
            EXPECT_EQ(described, lost ? "" : text);
        }
    };
}

// After writing a description: the new text when the operation returned (empty when its
// conversion was refused), the old one when it threw.
SweepRow::Check writesDescription(int owner, const char* name, std::string before,
                                  std::string after) {
    return [owner, name, before, after](const HostCall& call, int, const Outcome& outcome) {
        const std::string expected = !returned(outcome)                   ? before
                                     : isCall(call, "ProStringToWstring") ? ""
                                                                          : after;
        EXPECT_EQ(hostDescription(owner, name), expected);
    };
}

// A listing: a visit result of -1 or -2 raises; any other ends the list normally. The
// pattern is converted for its filter, also ".*".
Expectation lists() {
    return exceptWhen(
        except(swallows(), "ProStringToWstring", throwsAlways(paramscene::refusedPattern())),
        [](const HostCall& call, int code) {
            return isCall(call, "ProParameterVisit") &&
                   (code == PRO_TK_GENERAL_ERROR || code == PRO_TK_BAD_INPUTS);
        },
        throwsToolkit(""));
}

// After a listing that found `count` parameters: the list is emptied first, so a failure
// leaves it empty, and a visit that ended early an empty result.
SweepRow::Check listedUnlessVisitEnded(int count) {
    return [count](const HostCall& call, int, const Outcome& outcome) {
        if (returned(outcome)) {
            EXPECT_EQ(listed, isCall(call, "ProParameterVisit") ? 0 : count);
        } else {
            EXPECT_THROW(part().ParamListAt(0), std::out_of_range);
        }
    };
}

void loadAndList() {
    loadPart();
    part().ParamList(".*");
}

Ardo::kelt2pParamValue doubleRecord(const char* name, double number) {
    Ardo::kelt2pParamValue record;
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.name, name);
    record.type = Ardo::KELT2P_PARAM_DOUBLE;
    record.value.d = number;
    return record;
}

// The visit's "not found" and user-abort answers end a listing normally.
const std::vector<int> kListingCodes = {-1, -2, -4, -3};

std::vector<SweepRow> readingRows() {
    return {
        {"Ardo::kelt2pMdl::ParamExist(char const*)", [] { loadPart(); },
         [] { existed = part().ParamExist("LENGTH"); },
         withModelOwner(lookupAnswers(swallows()), "Ardo::Solid::ParamExist"),
         existedUnlessNotFound},
        {"Ardo::kelt2pMdl::ParamExist(char const*, char const*)", [] { loadPart(); },
         [] { existed = part().ParamExist(kHoleName, "DEPTH"); },
         withHoleLookup(lookupAnswers(swallows())), existedUnlessNotFound},
        {"Ardo::kelt2pMdl::ParamGet(char const*)", [] { loadPart(); },
         [] { value = part().ParamGet("MATERIAL"); },
         withModelOwner(except(throwsToolkit(""), "ProWstringToString", swallows()),
                        "Ardo::Solid::ParamGet"),
         readText("MATERIAL", "STEEL")},
        {"Ardo::kelt2pMdl::ParamGet(char const*, char const*)", [] { loadPart(); },
         [] { value = part().ParamGet(kHoleName, "FINISH"); },
         withHoleLookup(except(throwsToolkit(""), "ProWstringToString", swallows())),
         readText("FINISH", "REAMED")},
        {"Ardo::kelt2pMdl::ParamDescription(char const*)", [] { loadPart(); },
         [] { described = part().ParamDescription("MATERIAL"); }, describes(throwsToolkit("")),
         readDescription("what the part is made of")},
        {"Ardo::kelt2pMdl::ParamDescription(char const*, char const*)", [] { loadPart(); },
         [] { described = part().ParamDescription(kHoleName, "DEPTH"); },
         withHoleLookup(describes(throwsToolkit(""))), readDescription("drilled depth")},
        {"Ardo::kelt2pMdl::ParamList(char const*)", loadAndList,
         [] { listed = part().ParamList("L.*|M.*"); },
         withModelOwner(lists(), "Ardo::Solid::ParamList"), listedUnlessVisitEnded(2),
         kListingCodes},
        {"Ardo::kelt2pMdl::ParamList(char const*, char const*)", loadAndList,
         [] { listed = part().ParamList(kHoleName, ".*"); }, withHoleLookup(lists()),
         listedUnlessVisitEnded(2), kListingCodes},
        // The entry's value is read first, then its name and its text are converted.
        {"Ardo::kelt2pMdl::ParamListAt(int)", loadAndList, [] { value = part().ParamListAt(2); },
         except(throwsLibrary("Ardo::kelt2pMdl::ParamListAt"), "ProWstringToString", swallows()),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (returned(outcome)) {
                 EXPECT_STREQ(value.name, isCall(call, "ProWstringToString", 1) ? "" : "MATERIAL");
                 EXPECT_STREQ(value.value.s, isCall(call, "ProWstringToString", 2) ? "" : "STEEL");
             }
         }},
    };
}
SWEEP_ROWS(readingRows);

std::vector<SweepRow> writingRows() {
    constexpr const char* kSet = "Ardo::Solid::ParamSet";
    return {
        {"Ardo::kelt2pMdl::ParamSet(Ardo::kelt2pParamValue)", [] { loadPart(); },
         [] { part().ParamSet(doubleRecord("LENGTH", 20.0)); },
         withModelOwner(setsExisting(), kSet),
         leavesValue(kModelOwner, "LENGTH", "double 12.5", "double 20")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, Ardo::kelt2pParamValue)", [] { loadPart(); },
         [] { part().ParamSet(kHoleName, doubleRecord("BORE", 7.5)); },
         withHoleLookup(createsMissing()), leavesValue(kHole, "BORE", "", "double 7.5")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, double)", [] { loadPart(); },
         [] { part().ParamSet("LENGTH", 20.0); }, withModelOwner(setsExisting(), kSet),
         leavesValue(kModelOwner, "LENGTH", "double 12.5", "double 20")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, char const*, double)", [] { loadPart(); },
         [] { part().ParamSet(kHoleName, "DEPTH", 9.0); }, withHoleLookup(setsExisting()),
         leavesValue(kHole, "DEPTH", "double 4", "double 9")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, int)", [] { loadPart(); },
         [] { part().ParamSet("COUNT", 5); }, withModelOwner(createsMissing(), kSet),
         leavesValue(kModelOwner, "COUNT", "", "integer 5")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, char const*, int)", [] { loadPart(); },
         [] { part().ParamSet(kHoleName, "TURNS", 2); },
         asLibraryError(withHoleLookup(createsMissing())),
         leavesValue(kHole, "TURNS", "", "integer 2")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, char const*)", [] { loadPart(); },
         [] { part().ParamSet("MATERIAL", "BRASS"); },
         asLibraryError(withModelOwner(setsExisting(), kSet)),
         leavesValue(kModelOwner, "MATERIAL", "string STEEL", "string BRASS")},
        {"Ardo::kelt2pMdl::ParamSet(char const*, char const*, char const*)", [] { loadPart(); },
         [] { part().ParamSet(kHoleName, "COAT", "ZINC"); },
         asLibraryError(withHoleLookup(createsMissing())),
         leavesValue(kHole, "COAT", "", "string ZINC")},
        {"Ardo::kelt2pMdl::ParamDelete(char const*)", [] { loadPart(); },
         [] { part().ParamDelete("ALPHA"); },
         withModelOwner(throwsToolkit(""), "Ardo::Solid::ParamDelete"),
         deletes(kModelOwner, "ALPHA", "integer 3")},
        // The feature by id: its lookup raises the host's code without a text, the owner
        // item the operation's text.
        {"Ardo::kelt2pMdl::ParamDelete(int, char const*)", [] { loadPart(); },
         [] { part().ParamDelete(kHole, "DEPTH"); },
         except(except(throwsToolkit(""), "ProFeatureInit", throwsLibrary("")), "ProModelitemInit",
                throwsLibrary("Ardo::Solid::ParamDelete")),
         deletes(kHole, "DEPTH", "double 4")},
        {"Ardo::kelt2pMdl::ParamDescriptionSet(char const*, char const*)", [] { loadPart(); },
         [] { part().ParamDescriptionSet("MATERIAL", "alloy"); },
         except(throwsToolkit(""), "ProStringToWstring", swallows()),
         writesDescription(kModelOwner, "MATERIAL", "what the part is made of", "alloy")},
        {"Ardo::kelt2pMdl::ParamDescriptionSet(char const*, char const*, char const*)",
         [] { loadPart(); }, [] { part().ParamDescriptionSet(kHoleName, "DEPTH", "bored"); },
         withHoleLookup(except(throwsToolkit(""), "ProStringToWstring", swallows())),
         writesDescription(kHole, "DEPTH", "drilled depth", "bored")},
    };
}
SWEEP_ROWS(writingRows);

}  // namespace
