#include "usage.h"

namespace kelt2p {

void writeUsage(std::ostream& out) {
    out << "usage: kelt2p sync <model> <tool-list.csv> [--wcell NAME] [--format table|csv|json]"
           " [--start-file F]\n"
           "       kelt2p table <model> [--wcell NAME] [--format table|csv|json]"
           " [--start-file F]\n"
           "       kelt2p serve <tool-list.csv> [--text-dir DIR] [--wcell NAME]"
           " [--start-file F]\n"
           "       kelt2p info\n"
           "       kelt2p [<command>] --help | -h\n"
           "       kelt2p --version\n";
}

void writeVersion(std::ostream& out) {
    out << "kelt2p " << KELT2P_VERSION << '\n';
}

bool asksForHelp(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") {
            return false;
        }
        if (arg == "--help" || arg == "-h") {
            return true;
        }
    }
    return false;
}

}  // namespace kelt2p
