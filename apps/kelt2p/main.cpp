// kelt2p: the command-line program of the kelt2proe library.
#include <iostream>

#include "commands.h"

int main(int argc, char* argv[]) {
    std::string command = argc > 1 ? argv[1] : "";
    kelt2p::Arguments args(argv + (argc > 1 ? 2 : 1), argv + argc);
    return kelt2p::run(command, args, std::cout, std::cerr);
}
