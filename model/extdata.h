// External data of a model: the application's classes of named slots holding integers,
// doubles and texts. The operations of kelt2pMdl forward here with the model's handle;
// none tests the handle first (an unbound model's host call fails with its code).
// Failures raise ardotk::Error(host code, "") unless said otherwise.
#pragma once

#include <ProObjects.h>

#include "kelt2proe/mdl.h"

namespace Ardo::extdata {

// Without `strict` nothing is raised.
void ClassRegister(ProMdl model, const char* className, bool strict);
// -11 always raises, -1 only with `strict`.
void ClassUnRegister(ProMdl model, const char* className, bool strict);

// The process-wide class list (host order) and slot list (by name); each listing
// replaces its list and returns its size. ClassNameAt raises std::out_of_range outside
// the list, SlotNameAt Ardo::Error(-2, "range"). The names they return live in one
// buffer per operation until its next call.
int ClassNames(ProMdl model, const char* pattern);
const char* ClassNameAt(int index);
int SlotList(ProMdl model, const char* className, const char* pattern);
const char* SlotNameAt(int index);

// Reading a slot; a stream slot raises ardotk::Error(-9, "").
kelt2pExtdataSlotValue SlotRead(ProMdl model, const char* className, const char* slot);
// Writing creates a missing slot. A text is written with at most 511 characters (longer
// ones are cut at a character); a record of another type than 1, 2 or 3 raises
// ardotk::Error(-2, "") before any host call.
void SlotWrite(ProMdl model, const char* className, const char* slot, const char* text);
void SlotWrite(ProMdl model, const char* className, const char* slot, int value);
void SlotWrite(ProMdl model, const char* className, const char* slot, double value);
void SlotWrite(ProMdl model, const char* className, const char* slot,
               const kelt2pExtdataSlotValue& value);
void SlotDelete(ProMdl model, const char* className, const char* slot);

}  // namespace Ardo::extdata
