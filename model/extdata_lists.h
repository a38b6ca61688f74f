// The process-wide state of the external-data listings, shared by every model object:
// the class list, the slot list with the class record its slots refer to, and the two
// buffers of the names returned by index.
#pragma once

#include <ProExtdata.h>

#include <map>
#include <string>
#include <vector>

namespace Ardo::extdata {

struct Lists {
    std::vector<ProExtdataClass> classes;
    // The class of the last slot listing; its slots' records point to it.
    ProExtdataClass slotClass{};
    std::map<std::wstring, ProExtdataSlot> slots;
    // The names of `slots` in its order, so that entry i is found without a walk.
    std::vector<const std::wstring*> slotOrder;
    std::string className;
    std::string slotName;
};

Lists& lists();

}  // namespace Ardo::extdata
