#include "simhost/state/message_files.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace simhost::state {
namespace {

bool separator(const std::string& line) {
    return line.empty() || line[0] == '#';
}

std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.pop_back();
    }
    return line;
}

}  // namespace

bool messageFileParse(const std::string& content, MessageFile& out) {
    std::vector<std::string> lines;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(withoutLineEnd(line));
    }
    out.clear();
    std::size_t i = 0;
    while (i < lines.size()) {
        if (separator(lines[i])) {
            ++i;
            continue;
        }
        // Key, English text and translation; the closing line may be the end of the file.
        if (i + 2 >= lines.size() || (i + 3 < lines.size() && !separator(lines[i + 3]))) {
            return false;
        }
        const std::string& translation = lines[i + 2];
        MessageText text{lines[i + 1], translation == "#" ? std::string() : translation};
        if (!out.emplace(lines[i], text).second) {
            return false;
        }
        i += 4;
    }
    return true;
}

ProError messageFileRead(const Session& session, const std::string& fileName, MessageFile& out) {
    if (session.applicationTextPath.empty() || fileName.empty() ||
        fileName.find('/') != std::string::npos) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::filesystem::path file =
        std::filesystem::path(session.applicationTextPath) / "text" / fileName;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return messageFileParse(content.str(), out) ? PRO_TK_NO_ERROR : PRO_TK_MSG_FMT_ERROR;
}

ProError messageLookup(const Session& session, const std::string& fileName, const std::string& key,
                       MessageText& out) {
    MessageFile file;
    ProError rc = messageFileRead(session, fileName, file);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    auto it = file.find(key);
    if (it == file.end()) {
        return PRO_TK_MSG_NOT_FOUND;
    }
    out = it->second;
    return PRO_TK_NO_ERROR;
}

}  // namespace simhost::state
