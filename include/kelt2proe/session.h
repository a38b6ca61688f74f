// The application's session with the host: start, connect, serve callbacks, leave.
#pragma once

#include <string>

#include "kelt2proe/drw.h"
#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"
#include "kelt2proe/mdl.h"

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

    // --- Session services -----------------------------------------------------------
    // The texts returned live in process-wide buffers, one per operation, shared by all
    // session objects and overwritten by the operation's next call: copy what you keep.

    // The option's value (at most 80 characters); a name over 80 characters is cut.
    const char* ConfigOptGet(const char* name);
    // A name over 80 and a value over 259 characters are cut.
    void ConfigOptSet(const char* name, const char* value);
    // The host's working directory.
    const char* DirGet();
    // Changes the host's working directory; returns the one before. A path of 260
    // characters or more is refused with (-2, "Path too long") and nothing changes.
    const char* DirSet(const char* path);
    // The tool-parameter directory: the first value of the option "pro_mf_tprm_dir"
    // (empty when it has none).
    const char* ToolDirGet();
    // Makes `path` the option's one value; a path of 260 characters or more is refused
    // with (-2, "Path too long") and nothing changes.
    void ToolDirSet(const char* path);
    // Queues a macro (at most 1023 characters, else (-2, "macro too long")) for the host
    // to run; the host's answer is not reported.
    void Macro(const char* macro);
    // Sets one variable of this process's environment from "NAME=value", for example
    // PRO_COMM_MSG_EXE before Connect; a malformed text changes nothing.
    void PutEnv(const char* setting);
    // Registers the workspace `name` (at most 31 characters, else -6) with the host.
    void WorkspaceRegister(const char* name);
    // The registered workspace's name; none registered throws the host's code with
    // "kein Workspace registriert".
    const char* CurrentWorkspaceGet();
    // Lists the parts, then the assemblies, then the manufacturing models in session
    // into the process-wide model list; returns their number.
    int MdlList();
    // Model i of the last MdlList, as an object of its own; std::out_of_range outside
    // the list.
    const kelt2pMdl MdlListAt(int i);
    // Lists the drawings in session into the process-wide drawing list; returns their
    // number.
    int DrwList();
    // Drawing i of the last DrwList, as an object of its own; std::out_of_range outside
    // the list.
    const kelt2pDrw DrwListAt(int i);

    // --- The host's button and the end of the host session -------------------------
    // With a text directory (Textpath before Connect), the host shows the application's
    // button, which can be pressed while a manufacturing model is current.

    // The function a press of the button calls (its result is ignored); null for none.
    void CustomDialog(int (*fn)());
    // The function called when the host session ends (its result is ignored), before
    // EventLoop returns; null for none.
    void CustomExit(int (*fn)());

private:
    SharedImpl<ProEngineer> impl;
};

}  // namespace Ardo
