// kelt2pSession: forwards to a ProEngineer shared by copies and assignments.
#include "base/facade_impl.h"
#include "drawing/drw.h"
#include "kelt2proe/session.h"
#include "model/solid.h"
#include "session/pro_engineer.h"

namespace Ardo {

template class SharedImpl<ProEngineer>;

kelt2pSession::kelt2pSession() = default;
kelt2pSession::~kelt2pSession() = default;
kelt2pSession::kelt2pSession(const kelt2pSession& other) = default;
kelt2pSession& kelt2pSession::operator=(const kelt2pSession& other) = default;

void kelt2pSession::Start(const char* path) {
    impl->Start(path);
}
void kelt2pSession::Start(const std::string& path) {
    impl->Start(path.c_str());
}
void kelt2pSession::Connect() {
    impl->Connect();
}
void kelt2pSession::Connect(const char* host, int addressVersion, int addressType, int rpcNum,
                            int rpcVersion, const char* netAddr) {
    impl->Connect(host, addressVersion, addressType, rpcNum, rpcVersion, netAddr);
}
void kelt2pSession::Connect(const char* path) {
    impl->Connect(path);
}
void kelt2pSession::Connect(const std::string& path) {
    impl->Connect(path.c_str());
}
void kelt2pSession::ConnectWS(const char* workspace) {
    impl->ConnectWS(workspace);
}
void kelt2pSession::Disconnect() {
    impl->Disconnect();
}
void kelt2pSession::End() {
    impl->End();
}
bool kelt2pSession::IsConnected() {
    return impl->IsConnected();
}
void kelt2pSession::EventLoop() {
    impl->EventLoop();
}
const char* kelt2pSession::ConnectInfo() {
    return impl->ConnectInfo();
}
const char* kelt2pSession::DateCode() {
    return impl->DateCode();
}
const char* kelt2pSession::DllDate() {
    return ProEngineer::DllDate();
}
void kelt2pSession::Textpath(const char* path) {
    impl->Textpath(path);
}
const char* kelt2pSession::ConfigOptGet(const char* name) {
    return ProEngineer::ConfigOptGet(name);
}
void kelt2pSession::ConfigOptSet(const char* name, const char* value) {
    ProEngineer::ConfigOptSet(name, value);
}
const char* kelt2pSession::DirGet() {
    return ProEngineer::DirGet();
}
const char* kelt2pSession::DirSet(const char* path) {
    return ProEngineer::DirSet(path);
}
const char* kelt2pSession::ToolDirGet() {
    return ProEngineer::ToolDirGet();
}
void kelt2pSession::ToolDirSet(const char* path) {
    ProEngineer::ToolDirSet(path);
}
void kelt2pSession::Macro(const char* macro) {
    ProEngineer::Macro(macro);
}
void kelt2pSession::PutEnv(const char* setting) {
    ProEngineer::PutEnv(setting);
}
void kelt2pSession::WorkspaceRegister(const char* name) {
    ProEngineer::WorkspaceRegister(name);
}
const char* kelt2pSession::CurrentWorkspaceGet() {
    return ProEngineer::CurrentWorkspaceGet();
}
int kelt2pSession::MdlList() {
    return ProEngineer::MdlList();
}
const kelt2pMdl kelt2pSession::MdlListAt(int i) {
    return FacadeAccess::Wrap<kelt2pMdl>(ProEngineer::MdlListAt(i));
}
int kelt2pSession::DrwList() {
    return ProEngineer::DrwList();
}
const kelt2pDrw kelt2pSession::DrwListAt(int i) {
    return FacadeAccess::Wrap<kelt2pDrw>(ProEngineer::DrwListAt(i));
}
void kelt2pSession::CustomDialog(int (*fn)()) {
    ProEngineer::CustomDialog(fn);
}
void kelt2pSession::CustomExit(int (*fn)()) {
    ProEngineer::CustomExit(fn);
}

}  // namespace Ardo
