// The application's session with the host: start, connect, serve callbacks, leave.
#pragma once

#include <string>

#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"

namespace Ardo {

class ProEngineer;

// Facade of one session object. The toolkit's connection is process-wide: there is one
// connection per process whatever the number of session objects, and destroying the
// last session object alive disconnects (the host keeps running).
//
// Copying and assigning share the implementation: both objects then act on the same
// connection state and texts. The implementation is owned jointly by every facade that
// shares it and is destroyed exactly once, with the last of them.
//
// Failures are thrown as Ardo::Error with the host's result code (or -15, -6, -4, -1)
// and the operation's name as text.
class KELT2PROE_API kelt2pSession {
public:
    kelt2pSession();
    ~kelt2pSession();
    kelt2pSession(const kelt2pSession& other);
    kelt2pSession& operator=(const kelt2pSession& other);

    // Starts a host session from the start command `path` and connects to it; no
    // handle is kept, so ConnectInfo and Disconnect fail afterwards.
    void Start(const char* path);
    void Start(const std::string& path);
    // Connects to a running host session (the last one connected to, else any); does
    // nothing while connected. Needs PRO_COMM_MSG_EXE to name an existing file.
    void Connect();
    // Connects to the host session at the given network address.
    void Connect(const char* host, int addressVersion, int addressType, int rpcNum, int rpcVersion,
                 const char* netAddr);
    // Starts a host session from the start command `path` and connects to it.
    void Connect(const char* path);
    void Connect(const std::string& path);
    // Connects to a running host session, naming a workspace of at most 31 characters.
    void ConnectWS(const char* workspace);
    // Leaves the host session running and drops the connection.
    void Disconnect();
    // Ends the host session.
    void End();
    bool IsConnected();
    // Serves the host's callbacks until interrupted or the connection is lost.
    void EventLoop();
    // The connection identifier; valid until the next call or the end of the session.
    const char* ConnectInfo();
    // The host's display date code; valid until the next call or the end of the session.
    const char* DateCode();
    // The library's build stamp; needs no connection.
    const char* DllDate();
    // The application's text directory for the host, used by the next Connect() or
    // Connect(host, ...).
    void Textpath(const char* path);

private:
    SharedImpl<ProEngineer> impl;
};

}  // namespace Ardo
