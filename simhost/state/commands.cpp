#include "simhost/state/commands.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace simhost::state {

Command* CommandRegistry::add(const std::string& action) {
    if (byAction(action) != nullptr) {
        return nullptr;
    }
    auto command = std::make_unique<Command>();
    command->id = static_cast<int>(commands_.size()) + 1;
    command->action = action;
    commands_.push_back(std::move(command));
    return commands_.back().get();
}

Command* CommandRegistry::byHandle(uiCmdCmdId handle) {
    auto id = reinterpret_cast<std::intptr_t>(handle);
    if (id < 1 || id > static_cast<std::intptr_t>(commands_.size())) {
        return nullptr;
    }
    return commands_[static_cast<std::size_t>(id - 1)].get();
}

Command* CommandRegistry::byAction(const std::string& action) {
    for (auto& command : commands_) {
        if (command->action == action) {
            return command.get();
        }
    }
    return nullptr;
}

uiCmdCmdId commandHandle(const Command& command) {
    return reinterpret_cast<uiCmdCmdId>(static_cast<std::intptr_t>(command.id));
}

std::string commandIconFile(const Session& session, const Command& command) {
    if (command.icon.empty() || session.applicationTextPath.empty() ||
        command.icon.find('/') != std::string::npos) {
        return std::string();
    }
    std::filesystem::path textPath(session.applicationTextPath);
    for (const auto& dir : {textPath / "text" / "resource", textPath / "resource"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dir / command.icon, ec)) {
            return (dir / command.icon).string();
        }
    }
    return std::string();
}

uiCmdAccessState commandAccess(const Command& command) {
    if (!command.designated) {
        return ACCESS_INVISIBLE;
    }
    return command.access(MODE_BLIND);
}

bool commandServe(Session& session, const std::string& action, bool accessAsked) {
    Command* command = session.area<CommandRegistry>().byAction(action);
    if (command == nullptr) {
        return false;
    }
    if (!accessAsked && commandAccess(*command) != ACCESS_AVAILABLE) {
        return false;
    }
    // The action may add commands; the registry keeps this entry where it is.
    command->run(commandHandle(*command), nullptr, nullptr);
    return true;
}

}  // namespace simhost::state
