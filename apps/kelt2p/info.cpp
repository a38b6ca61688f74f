#include <iostream>

#include "commands.h"
#include "kelt2proe/kelt2proe.h"

namespace kelt2p {

int info(const Arguments& args) {
    if (!args.empty()) {
        std::cerr << "usage: kelt2p info\n";
        return 2;
    }
    startEmbeddedHost();
    Ardo::kelt2pSession session;
    session.Connect();
    std::cout << "connection: " << session.ConnectInfo() << '\n'
              << "date code:  " << session.DateCode() << '\n'
              << "build:      " << session.DllDate() << '\n';
    session.End();
    return 0;
}

}  // namespace kelt2p
