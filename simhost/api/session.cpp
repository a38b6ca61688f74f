// Session functions of the asynchronous toolkit: start, connect, disconnect, end, and the
// event loop.
#include <ProCore.h>

#include <cstring>
#include <string>

#include "simhost/core/application.h"
#include "simhost/core/entry.h"
#include "simhost/core/events.h"
#include "simhost/state/sessions.h"

using namespace simhost::core;
using namespace simhost::state;

namespace {

std::string text(const char* s) {
    return s == nullptr ? std::string() : std::string(s);
}

bool handleEmpty(const ProProcessHandle& h) {
    return h.array_index == 0 && h.auth_key == 0;
}

void handleOf(const Session& session, ProProcessHandle* out) {
    out->array_index = session.index;
    out->auth_key = session.authKey;
}

// Connects to `session` and starts the application when a text path is given.
ProError attach(Session& session, const char* textpath) {
    connectTo(session);
    if (textpath != nullptr && !session.applicationStarted) {
        applicationStart(session, textpath);
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProEngineerStart(char* proe_path, char* prodev_text_path) try {
    SIMHOST_ENTER("ProEngineerStart", text(proe_path), text(prodev_text_path));
    if (proe_path == nullptr || *proe_path == '\0') {
        return PRO_TK_BAD_INPUTS;
    }
    Session* session = sessionStart(proe_path);
    if (session == nullptr) {
        return PRO_TK_GENERAL_ERROR;
    }
    return attach(*session, prodev_text_path);
}
SIMHOST_CATCH

ProError ProEngineerConnectionStart(char* proe_path, char* prodev_text_path,
                                    ProProcessHandle* p_handle) try {
    SIMHOST_ENTER("ProEngineerConnectionStart", text(proe_path), text(prodev_text_path));
    if (proe_path == nullptr || *proe_path == '\0' || p_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Session* session = sessionStart(proe_path);
    if (session == nullptr) {
        return PRO_TK_GENERAL_ERROR;
    }
    handleOf(*session, p_handle);
    return attach(*session, prodev_text_path);
}
SIMHOST_CATCH

static ProError connectCommon(const char* id, const char* textpath, ProBoolean allow_random,
                              ProBoolean* random_choice, ProProcessHandle* p_handle) {
    if (p_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Session* session = nullptr;
    bool random = false;
    if (id != nullptr && *id != '\0') {
        session = sessionById(id);
    } else {
        // Without an identifier the only running session is taken; among several, one
        // is chosen only when the caller allows a random choice.
        int running = sessionsRunning();
        if (running > 1 && allow_random != PRO_B_TRUE) {
            return PRO_TK_GENERAL_ERROR;
        }
        session = sessionAnyRunning();
        random = running > 1;
    }
    if (session == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    if (random_choice != nullptr) {
        *random_choice = random ? PRO_B_TRUE : PRO_B_FALSE;
    }
    handleOf(*session, p_handle);
    return attach(*session, textpath);
}

ProError ProEngineerConnect(char* proe_session_id, char* display, char* user, char* textpath,
                            ProBoolean allow_random, unsigned int timeout_sec,
                            ProBoolean* random_choice, ProProcessHandle* p_handle) try {
    SIMHOST_ENTER("ProEngineerConnect", text(proe_session_id), text(textpath),
                  std::to_string(allow_random), std::to_string(timeout_sec));
    (void)display;
    (void)user;
    return connectCommon(proe_session_id, textpath, allow_random, random_choice, p_handle);
}
SIMHOST_CATCH

ProError ProEngineerConnectWS(char* proe_session_id, char* display, char* user, wchar_t* workspace,
                              char* textpath, ProBoolean allow_random, unsigned int timeout_sec,
                              ProBoolean* random_choice, ProProcessHandle* p_handle) try {
    std::string ws;
    for (const wchar_t* w = workspace; w != nullptr && *w != L'\0'; ++w) {
        ws += *w < 128 ? static_cast<char>(*w) : '?';
    }
    SIMHOST_ENTER("ProEngineerConnectWS", text(proe_session_id), ws, text(textpath),
                  std::to_string(allow_random), std::to_string(timeout_sec));
    (void)display;
    (void)user;
    return connectCommon(proe_session_id, textpath, allow_random, random_choice, p_handle);
}
SIMHOST_CATCH

ProBoolean ProEngineerConnectIdExtract(ProProcessHandle p_handle,
                                       ProConnectionId proe_connect_id) try {
    if (auto fault = enter({"ProEngineerConnectIdExtract"})) {
        return PRO_B_FALSE;
    }
    if (proe_connect_id == nullptr || handleEmpty(p_handle)) {
        return PRO_B_FALSE;
    }
    Session* session = sessionByHandle(p_handle.array_index, p_handle.auth_key);
    if (session == nullptr || !session->running) {
        return PRO_B_FALSE;
    }
    std::strncpy(proe_connect_id, session->id.c_str(), PRO_CONNECTID_SIZE - 1);
    proe_connect_id[PRO_CONNECTID_SIZE - 1] = '\0';
    return PRO_B_TRUE;
}
SIMHOST_CATCH

ProError ProEngineerDisconnect(ProProcessHandle* p_handle, unsigned int timeout_sec) try {
    SIMHOST_ENTER("ProEngineerDisconnect", std::to_string(timeout_sec));
    if (p_handle == nullptr || handleEmpty(*p_handle)) {
        return PRO_TK_BAD_INPUTS;
    }
    Session* session = connected();
    if (session == nullptr) {
        return PRO_TK_COMM_ERROR;
    }
    if (session != sessionByHandle(p_handle->array_index, p_handle->auth_key)) {
        return PRO_TK_BAD_INPUTS;
    }
    disconnect();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProEngineerEnd(void) try {
    SIMHOST_ENTER("ProEngineerEnd");
    Session* session = connected();
    if (session == nullptr) {
        return PRO_TK_COMM_ERROR;
    }
    applicationTerminate(*session, false);
    sessionEnd(*session);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProEngineerStatusGet(void) try {
    SIMHOST_ENTER("ProEngineerStatusGet");
    return connected() != nullptr ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}
SIMHOST_CATCH

ProError ProAsynchronousEventLoop(void) try {
    SIMHOST_ENTER("ProAsynchronousEventLoop");
    return eventLoopRun();
}
SIMHOST_CATCH

ProError ProAsynchronousEventLoopInterrupt(void) try {
    SIMHOST_ENTER("ProAsynchronousEventLoopInterrupt");
    eventLoopInterrupt();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProTermFuncSet(ProTerminationAction term_function) try {
    SIMHOST_ENTER("ProTermFuncSet");
    terminationActionSet(term_function);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
