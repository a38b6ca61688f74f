// A new model from an interface file; an imported assembly can be split into models
// named after the requested name.
#include <ProIntfimport.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/length_check.h"
#include "base/subscript.h"
#include "base/text.h"
#include "model/solid.h"

namespace Ardo {

namespace {

constexpr const char* kCreateText = "Ardo::Solid::Create";
constexpr const char* kNamingText = "Ardo::kelt2pMdl::Create";
constexpr std::size_t kMaxName = text::kNameSize - 1;

std::string componentName(const char* name, int index) {
    return std::string(name) + "_" + std::to_string(index);
}

std::string assemblyName(const char* name) {
    return std::string("_") + name;
}

// The formed names must fit the host's names: the longest of the components' and the
// assembly's is refused before anything is renamed.
void refuseLongFormedNames(const char* name, int components) {
    std::string longest = assemblyName(name);
    if (components > 1) {
        std::string last = componentName(name, components - 1);
        if (last.size() > longest.size()) {
            longest = last;
        }
    }
    refuseLongerThan(longest.c_str(), kMaxName, PRO_TK_LINE_TOO_LONG, kNamingText);
}

bool splits(kelt2pMdlType type, kelt2pIntfImportType itype, bool split) {
    return split && itype != KELT2P_IMPORT_STL && type != KELT2P_MDL_PART;
}

}  // namespace

void Solid::Create(const char* newName, kelt2pMdlType newType, const char* file,
                   kelt2pIntfImportType itype, bool split) {
    refuseLongerThan(newName, kMaxName, PRO_TK_LINE_TOO_LONG, kNamingText);
    const char* requested = newName == nullptr ? "" : newName;
    ProName wideName = {};
    text::widenBounded(wideName, requested);
    ProPath widePath = {};
    text::widenBounded(widePath, file);
    ProMdl created = nullptr;
    check(ProIntfimportModelCreate(widePath, static_cast<ProIntfImportType>(itype),
                                   static_cast<ProMdlType>(newType), wideName, nullptr, nullptr,
                                   &created),
          kCreateText);
    handle = created;
    if (!splits(newType, itype, split)) {
        return;
    }
    int components = ComponetList(".*");
    refuseLongFormedNames(requested, components);
    for (int i = 1; i < components; ++i) {
        compList[static_cast<std::size_t>(i)].MdlGet().Rename(componentName(requested, i).c_str());
    }
    Rename(assemblyName(requested).c_str());
    // Without components there is no first model to take the name.
    checkedAt(compList, 0).MdlGet().Rename(requested);
}

}  // namespace Ardo
