#include "session/pro_engineer.h"

#include <ProUtil.h>

#include <cstdio>

#include "base/length_check.h"
#include "base/platform.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "session/session_state.h"
#include "toolkit/check.h"
#include "toolkit/util.h"

namespace Ardo {
namespace {

constexpr unsigned int kConnectTimeout = 20;
constexpr unsigned int kConnectWsTimeout = 30;
constexpr unsigned int kDisconnectTimeout = 1;

bool connected() {
    return ProEngineerStatusGet() == PRO_TK_NO_ERROR;
}

bool empty(const ProProcessHandle& h) {
    return h.array_index == 0 && h.auth_key == 0;
}

const char* orEmpty(const char* s) {
    return s == nullptr ? "" : s;
}

}  // namespace

ProEngineer::ProEngineer() : handle{} {
    connectId[0] = '\0';
    dateCode[0] = '\0';
    ++session::sessionState().sessionCount;
}

ProEngineer::~ProEngineer() {
    session::SessionState& state = session::sessionState();
    if (state.sessionCount == 1) {
        try {
            if (connected()) {
                ProProcessHandle last = empty(handle) ? state.lastHandle : handle;
                ProEngineerDisconnect(&last, kDisconnectTimeout);
            }
        } catch (...) {
            // A destructor reports nothing.
        }
    }
    --state.sessionCount;
}

void ProEngineer::checkCommProgram() {
    std::optional<std::string> program = platform::environmentValue("PRO_COMM_MSG_EXE");
    if (!program) {
        throw Error(PRO_TK_INVALID_DIR, "ENV PRO_COMM_MSG_EXE not defined");
    }
    if (!platform::fileReadable(*program)) {
        throw Error(PRO_TK_INVALID_DIR, "PRO_COMM_MSG.EXE not found");
    }
}

void ProEngineer::Start(const char* path) {
    check(ProEngineerStart(const_cast<char*>(path), nullptr), "Ardo::ProEngineer::Start");
}

void ProEngineer::Connect() {
    Connect("", 0, 0, 0, 0, "");
}

void ProEngineer::Connect(const char* host, int addressVersion, int addressType, int rpcNum,
                          int rpcVersion, const char* netAddr) {
    if (connected()) {
        return;
    }
    checkCommProgram();
    std::string textDir = textPath;
    char* textArg = nullptr;
    if (!textDir.empty()) {
        textArg = textDir.data();
        session::sessionState().appTextDirSet = true;
    }
    char identifier[PRO_CONNECTID_SIZE];
    if (*orEmpty(host) != '\0') {
        std::snprintf(identifier, sizeof identifier,
                      "host:%s:address_version:%d:address_type:%d:rpcnum:%d:rpcversion:%d:"
                      "netaddr:%s:netaddr_length:4",
                      host, addressVersion, addressType, rpcNum, rpcVersion, orEmpty(netAddr));
    } else {
        text::copyBounded(identifier, connectId);
    }
    ProBoolean randomChoice = PRO_B_FALSE;
    ProProcessHandle connection{};
    check(ProEngineerConnect(identifier, nullptr, nullptr, textArg, PRO_B_TRUE, kConnectTimeout,
                             &randomChoice, &connection),
          "Ardo::ProEngineer::Connect");
    handle = connection;
    session::sessionState().lastHandle = connection;
    ConnectInfo();
}

void ProEngineer::Connect(const char* path) {
    if (connected()) {
        return;
    }
    checkCommProgram();
    ProProcessHandle connection{};
    check(ProEngineerConnectionStart(const_cast<char*>(path), nullptr, &connection),
          "Ardo::ProEngineer::Connect");
    handle = connection;
    session::sessionState().lastHandle = connection;
    ConnectInfo();
}

void ProEngineer::ConnectWS(const char* workspace) {
    if (connected()) {
        return;
    }
    checkCommProgram();
    // The name buffer holds 31 characters; a longer name would overrun it.
    refuseLongerThan(workspace, PRO_NAME_SIZE - 1, PRO_TK_LINE_TOO_LONG,
                     "Ardo::ProEngineer::ConnectWS");
    ProName wideName{};
    wchar_t* wideArg = nullptr;
    if (*orEmpty(workspace) != '\0') {
        if (text::toWide(wideName, workspace) == nullptr) {
            throw Error(PRO_TK_GENERAL_ERROR, "Ardo::ProEngineer::ConnectWS");
        }
        wideArg = wideName;
    }
    char identifier[PRO_CONNECTID_SIZE];
    text::copyBounded(identifier, connectId);
    ProBoolean randomChoice = PRO_B_FALSE;
    ProProcessHandle connection{};
    check(ProEngineerConnectWS(identifier, nullptr, nullptr, wideArg, nullptr, PRO_B_TRUE,
                               kConnectWsTimeout, &randomChoice, &connection),
          "Ardo::ProEngineer::ConnectWS");
    handle = connection;
    session::sessionState().lastHandle = connection;
    ConnectInfo();
}

void ProEngineer::Disconnect() {
    if (!connected()) {
        return;
    }
    check(ProEngineerDisconnect(&handle, kDisconnectTimeout), "Ardo::ProEngineer::Disconnect");
}

void ProEngineer::End() {
    check(ProEngineerEnd(), "Ardo::ProEngineer::End");
}

bool ProEngineer::IsConnected() const {
    return connected();
}

void ProEngineer::EventLoop() {
    // Returns when interrupted or when the connection is lost; either way the loop is over.
    (void)ProAsynchronousEventLoop();
}

const char* ProEngineer::ConnectInfo() {
    if (!connected()) {
        throw Error(PRO_TK_E_NOT_FOUND, "Ardo::ProEngineer::ConnectInfo");
    }
    // Extract into a scratch buffer: a failure leaves the last identifier as it was.
    ProConnectionId extracted{};
    if (ProEngineerConnectIdExtract(handle, extracted) != PRO_B_TRUE) {
        throw Error(PRO_TK_GENERAL_ERROR, "Ardo::ProEngineer::ConnectInfo");
    }
    extracted[sizeof extracted - 1] = '\0';
    text::copyBounded(connectId, extracted);
    return connectId;
}

const char* ProEngineer::DateCode() {
    ardotk::String owned;
    check(ProEngineerDisplaydatecodeGet(owned.out()), "Ardo::ProEngineer::DateCode");
    text::copyBounded(dateCode, owned.get());
    return dateCode;
}

const char* ProEngineer::DllDate() {
    return "Thu Jun 26 11:26:10 2014";
}

void ProEngineer::Textpath(const char* path) {
    textPath = orEmpty(path);
}

}  // namespace Ardo
