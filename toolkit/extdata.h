// Wrappers of the host's external-data calls. Failures raise ardotk::Error(host code, "")
// unless a wrapper says otherwise.
#pragma once

#include <ProExtdata.h>

#include <map>
#include <string>
#include <vector>

#include "toolkit/owned.h"

namespace ardotk {

namespace detail {
inline ProError extdataFree(void** data) {
    return static_cast<ProError>(ProExtdataFree(data));
}
}  // namespace detail

// A value that ProExtdataSlotRead handed out.
using ExtdataValue = Owned<void*, detail::extdataFree>;

// ProExtdataClassRegister. With `strict`, any failure raises; without it nothing does,
// and a class that exists already (-2) is answered with the record {model, name}.
void ExtdataClassRegister(ProMdl model, ProName name, ProExtdataClass& record, bool strict);

// ProExtdataClassUnregister: -11 always raises, -1 only with `strict`; other results,
// success among them, are accepted.
void ExtdataClassUnregister(ProExtdataClass& record, bool strict);

// ProExtdataClassNamesList: the class records {model, name} whose whole name matches
// `pattern`, in the host's order, replace `found`; after a failure `found` is as it was.
// The host's names are released. An invalid pattern raises ardotk::Error(0, description),
// anything else unexpected ardotk::Error(-1, "UNBEKANNTER FEHLER").
void ExtdataClassNamesList(ProMdl model, const char* pattern, std::vector<ProExtdataClass>& found);

// ProExtdataSlotNamesList of `owner`: the slot records {&owner, name} whose whole name
// matches `pattern`, by wide name, replace `found`; otherwise as the class list.
void ExtdataSlotNamesList(ProExtdataClass& owner, const char* pattern,
                          std::map<std::wstring, ProExtdataSlot>& found);

// ProExtdataSlotRead by name; the copy the host hands out goes into `data`.
void ExtdataSlotRead(ProExtdataSlot& slot, int& type, int& size, ExtdataValue& data);

// ProExtdataFree of what ExtdataSlotRead handed out.
void ExtdataFree(ExtdataValue& data);

// ProExtdataSlotWrite by name; a missing slot (-4) is created with ProExtdataSlotCreate
// and written once more.
void ExtdataSlotWrite(ProExtdataSlot& slot, int type, int size, void* data);

// ProExtdataSlotDelete by name.
void ExtdataSlotDelete(ProExtdataSlot& slot);

}  // namespace ardotk
