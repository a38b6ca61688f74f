// The process-wide relations buffer: the lines the last Relations call read, edited by
// the application and written by RelationsSet. Shared by every model object.
#pragma once

#include <string>
#include <vector>

namespace Ardo::relationBuffer {

// The lines, in order.
const std::vector<std::string>& lines();
// Replaces the lines with a copy of `read`; returns their number.
int replace(const std::vector<std::string>& read);
void clear();
// Appends a copy of `line` (null: an empty line); returns the new number of lines.
int add(const char* line);
int size();
// Line `index`; an index outside the buffer raises the subscript error.
const char* at(int index);

}  // namespace Ardo::relationBuffer
