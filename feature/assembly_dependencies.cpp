// The models a model depends on, in the process-wide dependency list: a handle for each
// model in session, the name and type of each that is not.
#include <ProMdl.h>

#include <cwchar>
#include <string>
#include <vector>

#include "base/subscript.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/array.h"

namespace Ardo {

namespace {

constexpr const char* kText = "Ardo::Solid::DependenciesList";

std::vector<Solid>& dependencyList() {
    static std::vector<Solid> list;
    return list;
}

ProMdlType typeOfText(const wchar_t* text) {
    struct Known {
        const wchar_t* text;
        int type;
    };
    static const Known known[] = {{L"PRT", 2},   {L"ASM", 1},  {L"MFG", 37}, {L"DRW", 4},
                                  {L"SEC", 11},  {L"LAY", 19}, {L"FRM", 33}, {L"REP", 105},
                                  {L"MRK", 116}, {L"DGM", -1}};
    for (const Known& entry : known) {
        if (std::wcscmp(entry.text, text) == 0) {
            return static_cast<ProMdlType>(entry.type);
        }
    }
    return static_cast<ProMdlType>(121);
}

}  // namespace

int Solid::DependenciesList() {
    requireHandle(kText);
    ardotk::ArrayOwner<ProModel> models;
    int count = 0;
    check(ProMdlDependenciesList(handle, models.out(), &count), kText);
    std::vector<Solid> found;
    found.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ProModel& entry = models.get()[i];
        ProMdlType type = typeOfText(entry.type);
        ProMdl model = nullptr;
        ProError init = ProMdlInit(entry.name, type, &model);
        if (init == PRO_TK_NO_ERROR) {
            found.emplace_back(model);
        } else if (init == PRO_TK_E_NOT_FOUND) {
            Solid absent;
            std::string narrow = text::toNarrow(entry.name);
            text::copyBounded(absent.name, narrow.c_str());
            absent.type = static_cast<kelt2pMdlType>(type);
            found.push_back(absent);
        } else {
            check(init, kText);
        }
    }
    status = models.release();
    dependencyList().swap(found);
    return static_cast<int>(dependencyList().size());
}

Solid Solid::DependenciesListAt(int index) {
    return checkedAt(dependencyList(), index);
}

}  // namespace Ardo
