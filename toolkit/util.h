// Owners of the texts that the toolkit allocates (ProStringFree, ProWstringFree).
#pragma once

#include <ProUtil.h>

#include "toolkit/owned.h"

namespace ardotk {

// Pass out() to the call that hands out the text, before looking at its result.
using String = Owned<char*, ProStringFree>;
using Wstring = Owned<wchar_t*, ProWstringFree>;

}  // namespace ardotk
