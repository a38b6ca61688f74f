// The connection to the host session behind Ardo::kelt2pSession.
#pragma once

#include <ProCore.h>

#include <string>

#include "base/share_count.h"

namespace Ardo {

class Drw;
class Solid;

// Holds the host process handle and the texts of one session object and calls the
// toolkit's session functions. The connection itself is the toolkit's and process-wide:
// one per process, whatever the number of objects. Shared by the kelt2pSession facades
// that copy one another.
class ProEngineer : public ShareCount {
public:
    // Initialises nothing in the toolkit: the contract has no client start-up call for
    // asynchronous use (the client starts with the first call).
    ProEngineer();
    // The last object alive disconnects; a failure there is not reported.
    ~ProEngineer();
    ProEngineer(const ProEngineer&) = delete;
    ProEngineer& operator=(const ProEngineer&) = delete;

    // Starts a host session from the start command `path` and connects to it, without a
    // handle (ConnectInfo and Disconnect fail afterwards).
    void Start(const char* path);
    // Connects to a running host session: the last one connected to, else any.
    void Connect();
    // Connects to the host session at the given network address; an empty `host` means
    // the same as Connect().
    void Connect(const char* host, int addressVersion, int addressType, int rpcNum, int rpcVersion,
                 const char* netAddr);
    // Starts a host session from the start command `path` and keeps its handle.
    void Connect(const char* path);
    // Connects to a running host session, naming a workspace (at most 31 characters).
    void ConnectWS(const char* workspace);
    // Leaves the host session running and drops the connection.
    void Disconnect();
    // Ends the host session.
    void End();
    bool IsConnected() const;
    // Serves the host's callbacks until interrupted or until the connection is lost.
    void EventLoop();
    // The connection identifier; valid until the next call or the object's end.
    const char* ConnectInfo();
    // The host's display date code; valid until the next call or the object's end.
    const char* DateCode();
    // The library's build stamp.
    static const char* DllDate();
    // The application's text directory, passed to the host by the next Connect() or
    // Connect(host, ...).
    void Textpath(const char* path);

    // Session services. Their results live in the process-wide buffers and lists of
    // the session state; each call overwrites the previous result.
    static const char* ConfigOptGet(const char* name);
    static void ConfigOptSet(const char* name, const char* value);
    static const char* DirGet();
    static const char* DirSet(const char* path);
    static const char* ToolDirGet();
    static void ToolDirSet(const char* path);
    static void Macro(const char* macro);
    static void PutEnv(const char* setting);
    static void WorkspaceRegister(const char* name);
    static const char* CurrentWorkspaceGet();
    static int MdlList();
    static const Solid& MdlListAt(int i);
    static int DrwList();
    static const Drw& DrwListAt(int i);

    // The application's functions for a press of its button and for the end of the host
    // session; null for none.
    static void CustomDialog(int (*fn)());
    static void CustomExit(int (*fn)());

private:
    // Throws unless the host's communication program named by PRO_COMM_MSG_EXE exists.
    static void checkCommProgram();

    ProProcessHandle handle;
    char connectId[PRO_CONNECTID_SIZE];
    char dateCode[256];
    std::string textPath;
};

}  // namespace Ardo
