// File paths handed to the host as wide texts.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "simhost/api/model_args.h"
#include "simhost/state/sessions.h"

namespace simhost::api {

// The path in the wide buffer (of ProPath size), a relative one taken against the
// session's working directory; false for a null or empty buffer.
inline bool pathArg(const state::Session& s, const wchar_t* buffer, std::filesystem::path& out) {
    std::string text;
    if (!wideText(buffer, PRO_PATH_SIZE, text) || text.empty()) {
        return false;
    }
    out = std::filesystem::path(text);
    if (out.is_relative()) {
        out = s.workDir / out;
    }
    return true;
}

// PRO_TK_CANT_OPEN unless `file` is a file that exists (a directory is none), in every
// build of the host, with or without its geometry kernel.
inline ProError fileReadable(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec) ? PRO_TK_NO_ERROR : PRO_TK_CANT_OPEN;
}

// Writes `document` as the whole file `file`, a relative one taken against the session's
// working directory: PRO_TK_NO_ERROR, or PRO_TK_GENERAL_ERROR when it cannot be written.
inline ProError documentWrite(const state::Session& s, std::filesystem::path file,
                              const std::string& document) {
    if (file.is_relative()) {
        file = s.workDir / file;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return PRO_TK_GENERAL_ERROR;
    }
    out << document;
    out.close();
    return out ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}

}  // namespace simhost::api
