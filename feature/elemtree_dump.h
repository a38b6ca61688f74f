// The text dump of an element tree, "elemtree.inf", for diagnosis: the tree visited
// through the toolkit and formatted with the element-name table.
#pragma once

#include <ProElement.h>

namespace Ardo {

// Writes `tree` to "elemtree.inf" in the current directory (replacing it): a header,
// then one entry per element in the host's visiting order, indented by level, with the
// element's name (or id), its kind and its value. An element that cannot be read is
// written as an empty line and reported on the standard error stream. Raises nothing
// from the host; returns the visit's code, PRO_TK_CANT_WRITE when the file cannot be
// opened.
ProError ElemtreeDump(ProElement tree);

}  // namespace Ardo
