#include "faults/params_scene.h"

#include <ProArray.h>
#include <ProMdl.h>
#include <ProModelitem.h>
#include <ProParameter.h>
#include <ProRelSet.h>
#include <ProUtil.h>
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

namespace paramscene {

namespace {

using testkit::Expectation;
using testkit::HostCall;
using testkit::Outcome;

constexpr const char* kPartFile = "bracket.prt";
constexpr const char* kPart = R"({"type": "PRT",
    "features": [
        {"id": 1, "type": 923, "name": "RIGHT"},
        {"id": 5, "type": 917, "name": "HOLE_A"},
        {"id": 6, "type": 917, "name": "HOLE_B"}],
    "parameters": {
        "model": [
            {"name": "LENGTH", "type": "double", "value": 12.5},
            {"name": "ALPHA", "type": "integer", "value": 3},
            {"name": "MATERIAL", "type": "string", "value": "STEEL",
             "description": "what the part is made of"}],
        "features": {"5": [
            {"name": "DEPTH", "type": "double", "value": 4.0, "description": "drilled depth"},
            {"name": "FINISH", "type": "string", "value": "REAMED"}]}},
    "relations": {
        "model": ["d0 = 2 * d1", "LENGTH = d0 + 5"],
        "post_regeneration": ["MASS_OK = 1"],
        "features": [{"feature": 5, "lines": ["d3 = d0 / 2"]}]}})";

Ardo::kelt2pMdl& partObject() {
    static Ardo::kelt2pMdl mdl;
    return mdl;
}

ProMdl partHandle() {
    ProName name = L"BRACKET";
    ProMdl handle = nullptr;
    if (ProMdlInit(name, PRO_MDL_PART, &handle) != PRO_TK_NO_ERROR) {
        throw std::runtime_error("the part is not in session");
    }
    return handle;
}

ProModelitem ownerItem(int owner) {
    ProModelitem item{};
    ProError err = owner == kModelOwner ? ProMdlToModelitem(partHandle(), &item)
                                        : ProModelitemInit(partHandle(), owner, PRO_FEATURE, &item);
    EXPECT_EQ(err, PRO_TK_NO_ERROR) << "no owner item " << owner;
    return item;
}

std::string ascii(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != L'\0'; ++text) {
        out += static_cast<char>(*text);
    }
    return out;
}

// The parameter, or false when the host has none of that name.
bool hostParam(int owner, const char* name, ProParameter& param) {
    ProModelitem item = ownerItem(owner);
    ProName wide = {};
    for (int i = 0; name[i] != '\0' && i < PRO_NAME_SIZE - 1; ++i) {
        wide[i] = static_cast<wchar_t>(name[i]);
    }
    return ProParameterInit(&item, wide, &param) == PRO_TK_NO_ERROR;
}

// A host call of the feature lookup and whether it reads the looked-for feature. The
// name's conversion for its filter is the operation's first.
bool isPatternConversion(const HostCall& call) {
    return call.function == "ProStringToWstring" && call.occurrence == 1;
}

bool isLookupCall(const HostCall& call) {
    return call.function == "ProSolidFeatVisit" || call.function == "ProFeatureStatusGet" ||
           call.function == "ProModelitemNameGet" || isPatternConversion(call);
}

// The journal names a feature "<model>:<id>".
bool readsHole(const HostCall& call) {
    return call.entry.find(":" + std::to_string(kHole) + " ") != std::string::npos;
}

}  // namespace

const std::vector<std::string>& modelRelations() {
    static const std::vector<std::string> lines{"d0 = 2 * d1", "LENGTH = d0 + 5"};
    return lines;
}

const std::vector<std::string>& holeRelations() {
    static const std::vector<std::string> lines{"d3 = d0 / 2"};
    return lines;
}

Ardo::kelt2pMdl& part() {
    return partObject();
}

void loadPart(const std::vector<std::string>& buffer) {
    testkit::freshHost();
    testkit::writeTextFile(kPartFile, kPart);
    partObject() = Ardo::kelt2pMdl();
    partObject().Load(kPartFile, Ardo::KELT2P_MDL_PART, false);
    Ardo::kelt2pMdl::RelationsClear();
    for (const std::string& line : buffer) {
        Ardo::kelt2pMdl::RelationsAdd(line.c_str());
    }
}

std::vector<std::string> relationBuffer() {
    std::vector<std::string> lines;
    for (int i = 0; i < Ardo::kelt2pMdl::RelationsSize(); ++i) {
        lines.emplace_back(Ardo::kelt2pMdl::RelationAt(i));
    }
    return lines;
}

std::string hostValue(int owner, const char* name) {
    ProParameter param{};
    if (!hostParam(owner, name, param)) {
        return "";
    }
    ProParamvalue value{};
    EXPECT_EQ(ProParameterValueGet(&param, &value), PRO_TK_NO_ERROR);
    std::ostringstream out;
    switch (value.type) {
        case PRO_PARAM_DOUBLE:
            out << "double " << value.value.d_val;
            break;
        case PRO_PARAM_STRING:
            out << "string " << ascii(value.value.s_val);
            break;
        case PRO_PARAM_INTEGER:
            out << "integer " << value.value.i_val;
            break;
        default:
            out << "boolean " << value.value.l_val;
            break;
    }
    return out.str();
}

std::string hostDescription(int owner, const char* name) {
    ProParameter param{};
    if (!hostParam(owner, name, param)) {
        ADD_FAILURE() << "no parameter " << name;
        return "";
    }
    wchar_t* text = nullptr;
    if (ProParameterDescriptionGet(&param, &text) != PRO_TK_NO_ERROR) {
        return "";
    }
    std::string description = ascii(text);
    EXPECT_EQ(ProWstringFree(text), PRO_TK_NO_ERROR);
    return description;
}

std::vector<std::string> hostRelations(int owner) {
    ProModelitem item = ownerItem(owner);
    ProRelset set{};
    EXPECT_EQ(ProModelitemToRelset(&item, &set), PRO_TK_NO_ERROR);
    ProWstring* array = nullptr;
    std::vector<std::string> lines;
    if (ProRelsetRelationsGet(&set, &array) != PRO_TK_NO_ERROR) {
        ADD_FAILURE() << "no relations of owner " << owner;
        return lines;
    }
    int count = 0;
    EXPECT_EQ(ProArraySizeGet(array, &count), PRO_TK_NO_ERROR);
    for (int i = 0; i < count; ++i) {
        lines.push_back(ascii(array[i]));
    }
    ProArray untyped = array;
    EXPECT_EQ(ProArrayFree(&untyped), PRO_TK_NO_ERROR);
    return lines;
}

Expectation withHoleLookup(Expectation rest) {
    return [rest](const HostCall& call, int code) {
        if (!isLookupCall(call)) {
            return rest(call, code);
        }
        const bool unnamed = call.function == "ProModelitemNameGet" && code == PRO_TK_E_NOT_FOUND;
        const bool noFeatures = call.function == "ProSolidFeatVisit" && code == PRO_TK_E_NOT_FOUND;
        if (unnamed && !readsHole(call)) {
            return Outcome::nothing();
        }
        if (unnamed || noFeatures) {
            return Outcome::toolkit(-1, "nothing found");
        }
        if (isPatternConversion(call)) {
            return refusedPattern();
        }
        return Outcome::toolkit(code, "ardotk::FeatureSearch");
    };
}

Expectation asLibraryError(Expectation expected) {
    return [expected](const HostCall& call, int code) {
        Outcome outcome = expected(call, code);
        if (outcome.thrown == Outcome::Thrown::ToolkitError) {
            outcome.thrown = Outcome::Thrown::LibraryError;
        }
        return outcome;
    };
}

Outcome refusedPattern() {
    return Outcome::toolkit(-1, "UNBEKANNTER FEHLER");
}

std::function<bool(const HostCall&, int)> failing(const std::string& function, int code) {
    return [function, code](const HostCall& call, int failedCode) {
        return call.function == function && failedCode == code;
    };
}

}  // namespace paramscene
