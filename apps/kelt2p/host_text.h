// The program's texts are UTF-8 on every platform: tool lists, arguments and what it
// prints. The library and the host take narrow texts in the C library's multibyte
// character set (LC_CTYPE): UTF-8 on Linux, the process's ANSI code page on Windows, whose
// C runtime has no UTF-8 locale. These functions convert at that boundary explicitly.
#pragma once

#include <string>

namespace kelt2p {

// Selects the character set of the host's narrow texts for this process: the user's
// when it is UTF-8, else C.UTF-8 (Linux); the ANSI code page (Windows).
void useHostCharacterSet();

// A UTF-8 text in the host's narrow character set. Throws InputError naming `what` when
// the text holds a character that character set cannot represent.
std::string toHostText(const std::string& utf8, const std::string& what);

// A narrow text of the host in UTF-8; bytes the character set does not define become
// U+FFFD.
std::string fromHostText(const std::string& host);

}  // namespace kelt2p
