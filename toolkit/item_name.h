// The name of a geometry item, where an item without a name has the empty one.
#pragma once

#include <ProModelitem.h>

namespace ardotk {

// ProModelitemNameGet into `name`, terminated; PRO_TK_E_NOT_FOUND (no name) leaves it
// empty; any other failure raises ardotk::Error(code, text).
void ItemNameGet(ProModelitem& item, ProName name, const char* text = "");

// As ItemNameGet, answering the host's code instead of raising.
ProError ItemNameRead(ProModelitem& item, ProName name);

}  // namespace ardotk
