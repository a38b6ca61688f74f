// The session's trail file: "trail.txt" in the directory the session started in, created on
// the first line written and appended to for the rest of the session's life (and by
// later sessions in the same directory). Comments are lines starting with '!'.
#pragma once

#include <filesystem>
#include <string>

namespace simhost::state {

inline const char* const kTrailFileName = "trail.txt";

// Appends "!<comment>" (UTF-8) as one line; false when the file cannot be written.
bool trailCommentAppend(const std::filesystem::path& workDir, const std::wstring& comment);

}  // namespace simhost::state
