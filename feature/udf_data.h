// The steps every UDF placement shares: the placement data with its fixed settings, and
// the placement itself.
#pragma once

#include <ProUdf.h>

#include "toolkit/udf.h"

namespace Ardo::udf {

// New placement data of the UDF `name` (no instance): independent copy, same size, normal
// dimension display. Failures raise Ardo::Error(code, text).
ardotk::UdfdataOwner dataFor(wchar_t* name, const char* text);

// Adds the reference answering `prompt` with `item`, selected through `path` when one is
// given (the reference then external). Failures raise Ardo::Error(code, "").
void referenceAdd(ardotk::UdfdataOwner& data, wchar_t* prompt, ProModelitem& item,
                  ProAsmcomppath* path);

// ProUdfCreate in `solid` with the one option "fix model, no user interface" and no
// assembly reference for the group; failure raises Ardo::Error(code, text).
ProGroup place(ProSolid solid, ardotk::UdfdataOwner& data, const char* text);

// Frees the data; the free's failure raises Ardo::Error(code, text).
void dataFree(ardotk::UdfdataOwner& data, const char* text);

}  // namespace Ardo::udf
