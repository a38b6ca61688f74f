// The placeholders of a message text: %<n><conversion>, n the argument's number 0 to 9,
// the argument a pointer to its value: %ns a char text, %nw a wide text, %nd an int, %nf
// a double (shown as printf's %g). "%%" stands for one '%'.
#pragma once

#include <string>
#include <vector>

namespace simhost::state {

// The number of arguments the text takes (its highest placeholder number + 1); -1 for a
// text with a malformed placeholder.
int messageArgumentCount(const std::string& text);

// The text with its placeholders replaced by the arguments' values; false when a
// placeholder is malformed or its argument is missing or null.
bool messageFormat(const std::string& text, const std::vector<const void*>& args, std::string& out);

}  // namespace simhost::state
