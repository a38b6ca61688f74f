#include "simhost/state/sessions.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace simhost::state {
namespace {

struct Registry {
    std::vector<std::unique_ptr<Session>> sessions;
    Session* connection = nullptr;
    // Sessions started since the process began; never reset, so that a handle kept
    // across a reset does not match the new session that reuses its index.
    long started = 0;
};

Registry& registry() {
    static Registry r;
    return r;
}

std::string lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return s;
}

bool readStartFile(const std::string& path,
                   std::map<std::string, std::vector<std::string>>& config) {
    std::ifstream in(path);
    if (!in) {
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        std::istringstream words(line);
        std::string option;
        if (!(words >> option) || option[0] == '!' || option[0] == '#') {
            continue;
        }
        std::string value;
        std::getline(words >> std::ws, value);
        config[lower(option)].push_back(value);
    }
    return true;
}

}  // namespace

Session* sessionStart(const std::string& startFile) {
    std::map<std::string, std::vector<std::string>> config;
    if (!startFile.empty() && !readStartFile(startFile, config)) {
        return nullptr;
    }
    auto& r = registry();
    auto session = std::make_unique<Session>();
    session->index = static_cast<int>(r.sessions.size()) + 1;
    // Deterministic key: distinct per session (also across resets), never zero.
    ++r.started;
    session->authKey = 104729L + 7919L * (r.started % 200000L);
    session->id = "host:simhost:address_version:1:address_type:1:rpcnum:" +
                  std::to_string(536870912 + session->index) +
                  ":rpcversion:1:netaddr:127.0.0.1:netaddr_length:4";
    session->startDir = std::filesystem::current_path();
    session->workDir = session->startDir;
    session->config = std::move(config);
    r.sessions.push_back(std::move(session));
    return r.sessions.back().get();
}

Session* sessionById(const std::string& id) {
    for (auto& s : registry().sessions) {
        if (s->running && s->id == id) {
            return s.get();
        }
    }
    return nullptr;
}

Session* sessionByHandle(int index, long authKey) {
    auto& r = registry();
    if (index < 1 || index > static_cast<int>(r.sessions.size())) {
        return nullptr;
    }
    Session* s = r.sessions[static_cast<std::size_t>(index - 1)].get();
    return s->authKey == authKey ? s : nullptr;
}

int sessionsRunning() {
    int n = 0;
    for (auto& s : registry().sessions) {
        n += s->running ? 1 : 0;
    }
    return n;
}

Session* sessionAnyRunning() {
    for (auto& s : registry().sessions) {
        if (s->running) {
            return s.get();
        }
    }
    return nullptr;
}

void sessionEnd(Session& session) {
    session.running = false;
    if (registry().connection == &session) {
        registry().connection = nullptr;
    }
}

void connectTo(Session& session) {
    registry().connection = &session;
}

void disconnect() {
    registry().connection = nullptr;
}

Session* connected() {
    Session* s = registry().connection;
    return s != nullptr && s->running ? s : nullptr;
}

void sessionsReset() {
    registry().connection = nullptr;
    registry().sessions.clear();
}

}  // namespace simhost::state
