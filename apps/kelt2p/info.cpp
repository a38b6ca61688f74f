#include "commands.h"
#include "host.h"
#include "options.h"

namespace kelt2p {

int info(const Arguments& args, std::ostream& out, std::ostream&) {
    if (!args.empty()) {
        throw UsageError("info takes no arguments");
    }
    startEmbeddedHost();
    Ardo::kelt2pSession session;
    session.Connect();
    out << "connection: " << session.ConnectInfo() << '\n'
        << "date code:  " << session.DateCode() << '\n'
        << "build:      " << session.DllDate() << '\n';
    session.End();
    return kExitOk;
}

}  // namespace kelt2p
