#include <cstdlib>

#include "commands.h"
#include "kelt2proe/simhost/control.h"

namespace kelt2p {

void startEmbeddedHost() {
    simhost::launch();
    // The library looks for the host's communication program before it connects.
    if (std::getenv("PRO_COMM_MSG_EXE") == nullptr) {
        std::string program = simhost::commProgram();
#if defined(_WIN32)
        _putenv_s("PRO_COMM_MSG_EXE", program.c_str());
#else
        setenv("PRO_COMM_MSG_EXE", program.c_str(), 1);
#endif
    }
}

}  // namespace kelt2p
