// Starts and ends a session on the embedded simulated host through the installed package.
#include <kelt2proe/kelt2proe.h>
#include <kelt2proe/simhost/control.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Points the library at the host's communication program, as a user's environment would.
void setCommProgram(const std::string& path) {
#if defined(_WIN32)
    _putenv_s("PRO_COMM_MSG_EXE", path.c_str());
#else
    setenv("PRO_COMM_MSG_EXE", path.c_str(), 1);
#endif
}

}  // namespace

int main() {
    setCommProgram(simhost::commProgram());
    simhost::launch();
    try {
        Ardo::kelt2pSession session;
        session.Connect();
        std::printf("connected: %s\n", session.ConnectInfo());
        session.End();
        if (session.IsConnected()) {
            std::puts("still connected after End");
            return 1;
        }
    } catch (const Ardo::Error& e) {
        std::printf("error %d %s\n", e.code, e.text);
        return 1;
    }
    return 0;
}
