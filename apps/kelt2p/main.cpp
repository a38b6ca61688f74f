// kelt2p: the command-line program of the kelt2proe library.
#include <iostream>
#include <map>
#include <string>

#include "commands.h"
#include "kelt2proe/kelt2proe.h"

namespace {

using Command = int (*)(const kelt2p::Arguments&);

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"info", kelt2p::info},
    };
    return table;
}

int usage() {
    std::cerr << "usage: kelt2p [command] [arguments]\ncommands:";
    for (const auto& entry : commands()) {
        std::cerr << ' ' << entry.first;
    }
    std::cerr << "\n(without a command: info)\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string name = argc > 1 ? argv[1] : "info";
    auto command = commands().find(name);
    if (command == commands().end()) {
        return usage();
    }
    kelt2p::Arguments args(argv + (argc > 1 ? 2 : 1), argv + argc);
    try {
        return command->second(args);
    } catch (const Ardo::Error& e) {
        std::cerr << "kelt2p " << name << ": error " << e.code << ": " << e.text << '\n';
    } catch (const ardotk::Error& e) {
        std::cerr << "kelt2p " << name << ": host error " << e.code << ": " << e.text << '\n';
    } catch (const std::exception& e) {
        std::cerr << "kelt2p " << name << ": " << e.what() << '\n';
    }
    return 1;
}
