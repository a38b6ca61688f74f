// Conversion between the application's parameter record and the host's value record.
#pragma once

#include <ProParamval.h>

#include "kelt2proe/mdl.h"

namespace Ardo::paramvalue {

// The host value of a record: tag copied, double and integer copied, text widened (at
// most 80 characters), boolean copied as its 16-bit value. False for a tag outside
// 50 to 53, which has no host value.
bool toHost(const kelt2pParamValue& in, ProParamvalue& out);

// The record of a host value under `name` (cut to 31 characters). A host type outside
// 50 to 53 keeps its tag and leaves the value zeroed.
kelt2pParamValue fromHost(const char* name, const ProParamvalue& in);

}  // namespace Ardo::paramvalue
