#include "simhost/state/macros.h"

#include <sstream>

#include "simhost/core/wide.h"

namespace simhost::state {
namespace {

std::vector<MacroCommandRun>& record() {
    static std::vector<MacroCommandRun> runs;
    return runs;
}

std::string trimmed(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) {
        return std::string();
    }
    std::size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// The command's words in upper case, separated by single blanks.
std::string normalized(const std::string& command) {
    std::istringstream words(command);
    std::string word;
    std::string out;
    while (words >> word) {
        for (char& c : word) {
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

}  // namespace

bool macroCommandUnderstood(const std::string& command) {
    return normalized(command) == "#SUSPEND ALL";
}

void macrosExecute(Session& session) {
    std::vector<std::wstring> queued;
    queued.swap(session.area<MacroQueue>().loaded);
    for (const std::wstring& macro : queued) {
        std::istringstream commands(core::narrow(macro));
        std::string command;
        while (std::getline(commands, command, ';')) {
            command = trimmed(command);
            if (!command.empty()) {
                record().push_back({command, macroCommandUnderstood(command)});
            }
        }
    }
}

const std::vector<MacroCommandRun>& macrosRun() {
    return record();
}

void macrosRunClear() {
    record().clear();
}

}  // namespace simhost::state
