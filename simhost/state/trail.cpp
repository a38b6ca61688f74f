#include "simhost/state/trail.h"

#include <fstream>

#include "simhost/core/wide.h"

namespace simhost::state {

bool trailCommentAppend(const std::filesystem::path& workDir, const std::wstring& comment) {
    std::ofstream out(workDir / kTrailFileName, std::ios::binary | std::ios::app);
    if (!out) {
        return false;
    }
    // A line break inside the comment would start a line that is no comment.
    std::wstring line = comment;
    for (wchar_t& c : line) {
        if (c == L'\n' || c == L'\r') {
            c = L' ';
        }
    }
    out << '!' << core::toUtf8(line) << '\n';
    return static_cast<bool>(out.flush());
}

}  // namespace simhost::state
