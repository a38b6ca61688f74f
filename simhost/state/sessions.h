// Running host sessions and this process's connection to one of them.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace simhost::state {

class Session {
public:
    int index = 0;
    long authKey = 0;
    std::string id;
    bool running = true;
    bool applicationStarted = false;
    // The directory the session started in, which keeps its trail file; and the working
    // directory, which starts there and follows ProDirectoryChange.
    std::filesystem::path startDir;
    std::filesystem::path workDir;
    // The text path the application was started with; empty before it started.
    std::string applicationTextPath;
    // Configuration options given at start or set later, by lower-case option name; an
    // option given on several lines of the start file keeps every value in order.
    std::map<std::string, std::vector<std::string>> config;

    // State of one host area (models, windows, tools ...) in this session, created on
    // first use, so that each area keeps its own state in its own files.
    template <typename Area>
    Area& area() {
        auto& slot = areas_[std::type_index(typeid(Area))];
        if (!slot) {
            slot = std::make_shared<Area>();
        }
        return *static_cast<Area*>(slot.get());
    }

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> areas_;
};

// Starts a session in the current directory. A non-empty start file must exist and is
// read as `option value` lines (an option on several lines keeps all its values);
// returns null when it cannot be read.
Session* sessionStart(const std::string& startFile);
Session* sessionById(const std::string& id);
Session* sessionByHandle(int index, long authKey);
int sessionsRunning();
// The first running session in start order, or null.
Session* sessionAnyRunning();
// Ends the session: it stops running and, if it was ours, the connection drops.
void sessionEnd(Session& session);

void connectTo(Session& session);
void disconnect();
// The running session this process is connected to, or null.
Session* connected();

void sessionsReset();

}  // namespace simhost::state
