// Properties of a workcell feature: name, parameters, type, axes, tool-table layout,
// lathe direction, comment lines.
#include "mfg/wcell.h"

#include "base/text.h"
#include "kelt2proe/error.h"
#include "mfg/feature_text.h"
#include "toolkit/check.h"
#include "toolkit/elem_value.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"

namespace Ardo {

namespace {

constexpr int kElemName = 151;
constexpr int kElemAxis = 482;
constexpr int kElemType = 483;
constexpr int kElemLatheDir = 485;
constexpr int kElemToolTables = 491;
constexpr int kElemHead = 492;

// Runs `read` on the tree and frees it; any failure raises Ardo::Error(code, text).
template <typename Read>
auto readTree(ProFeature& feature, const char* text, Read&& read) {
    try {
        ardotk::ElemTree tree;
        Ardo::check(ProFeatureElemtreeCreate(&feature, tree.out()), text);
        auto result = read(tree.get());
        Ardo::check(tree.release(), text);
        return result;
    } catch (const ardotk::Error& e) {
        throw Error(e.code, text);
    }
}

}  // namespace

void Wcell::requireBound() const {
    if (owner == nullptr) {
        throw Error(PRO_TK_EMPTY, "Ardo::Mdl::IsInit");
    }
}

const char* Wcell::Name() {
    requireBound();
    std::wstring name = ardotk::FeatureElemWstring(feature, kElemName);
    text::copyBounded(text, text::toNarrow(name.c_str()).c_str());
    return text;
}

const char* Wcell::paramText(const char* name) {
    requireBound();
    text::copyBounded(text, featuretext::paramText(feature, name).c_str());
    return text;
}

const char* Wcell::Controller() {
    return paramText("CONTROLLER");
}

const char* Wcell::Location() {
    return paramText("LOCATION");
}

kelt2pWcellType Wcell::Type() {
    requireBound();
    return static_cast<kelt2pWcellType>(ardotk::FeatureElemInt(feature, kElemType));
}

int Wcell::Axis() {
    requireBound();
    return readTree(feature, "Ardo::Wcell::Axis",
                    [](ProElement tree) { return ardotk::ElemtreeInt(tree, {kElemAxis}); });
}

// Only lathe-type workcells (types 2 and 8) have a direction; others are not asked.
kelt2pWcellLatheDir Wcell::LatheDir() {
    requireBound();
    int dir = readTree(feature, "Ardo::Wcell::LatheDir", [](ProElement tree) {
        int type = ardotk::ElemtreeInt(tree, {kElemType});
        if (type != 2 && type != 8) {
            return -1;
        }
        return ardotk::ElemtreeInt(tree, {kElemLatheDir});
    });
    return static_cast<kelt2pWcellLatheDir>(dir);
}

kelt2pWcellMachHeads Wcell::Heads() {
    requireBound();
    ardotk::ElemTree tree = ardotk::FeatureElemtreeCreate(feature, "ardotk::WcellHeads");
    ProElement tables = nullptr;
    try {
        tables = ardotk::ElementGet(tree.get(), {kElemToolTables});
        ardotk::ElementIsArray(tables);
    } catch (const ardotk::Error& e) {
        throw ardotk::Error(e.code, "NO PRO_E_TOOL_TABLES");
    }
    std::vector<ProElement> members = ardotk::ElementArrayGet(tables);
    int count = ardotk::ElementArrayCount(tables);
    if (count == 2) {
        return KELT2P_HEADS_BOTH;
    }
    if (count == 1 && !members.empty()) {
        switch (ardotk::ElemtreeInt(members[0], {kElemHead})) {
            case 1:
                return KELT2P_HEADS_HEAD1;
            case 2:
                return KELT2P_HEADS_HEAD2;
            default:
                break;
        }
    }
    return KELT2P_HEADS_OTHER;
}

int Wcell::Comment() {
    requireBound();
    comments.clear();
    comments = featuretext::commentLines(feature, "Ardo::Wcell::Comment");
    return static_cast<int>(comments.size());
}

const char* Wcell::Comment(unsigned int n) {
    return featuretext::lineAt(comments, n, text, sizeof text);
}

}  // namespace Ardo
