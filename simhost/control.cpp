#include "kelt2proe/simhost/control.h"

#include <stdexcept>
#include <utility>

#include "simhost/core/allocations.h"
#include "simhost/core/application.h"
#include "simhost/core/events.h"
#include "simhost/core/faults.h"
#include "simhost/core/journal.h"
#include "simhost/core/platform.h"
#include "simhost/core/wide.h"
#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_revolve.h"
#include "simhost/state/commands.h"
#include "simhost/state/fixtures.h"
#include "simhost/state/highlights.h"
#include "simhost/state/load_diagnostic.h"
#include "simhost/state/macros.h"
#include "simhost/state/message_log.h"
#include "simhost/state/models.h"
#include "simhost/state/placed_solids.h"
#include "simhost/state/placement_dialog.h"
#include "simhost/state/sessions.h"
#include "simhost/state/variants.h"

namespace simhost {

void reset() {
    state::sessionsReset();
    core::allocationsReleaseAll();
    core::journalClear();
    core::journalLimitSet(core::kJournalDefaultLimit);
    core::faultsClear();
    core::eventsReset();
    core::applicationReset();
    state::loadDiagnosticClear();
    state::messagesShownClear();
    state::macrosRunClear();
}

std::string launch(const std::string& startFile) {
    state::Session* session = state::sessionStart(startFile);
    if (session == nullptr) {
        throw std::runtime_error("simhost::launch: cannot read start file " + startFile);
    }
    return session->id;
}

std::vector<std::string> journal() {
    return core::journalEntries();
}

void clearJournal() {
    core::journalClear();
}

void setJournalLimit(std::size_t limit) {
    core::journalLimitSet(limit);
}

void injectFault(const std::string& function, int code, int occurrence) {
    core::faultAdd(function, code, occurrence);
}

void clearFaults() {
    core::faultsClear();
}

void postCommand(const std::string& action) {
    core::eventPostCommand(action);
}

void postExit() {
    core::eventPostExit();
}

void onCommand(const std::string& action, std::function<void()> callback) {
    core::commandRegister(action, std::move(callback));
}

std::vector<ShownMessage> messages() {
    std::vector<ShownMessage> out;
    for (const auto& entry : state::messagesShown()) {
        out.push_back({entry.file, entry.key, entry.text});
    }
    return out;
}

std::vector<ItemHighlight> highlights() {
    std::vector<ItemHighlight> out;
    state::Session* session = state::connected();
    if (session == nullptr) {
        return out;
    }
    state::ModelStore& models = session->area<state::ModelStore>();
    for (const state::Highlight& shown : session->area<state::Highlights>().shown()) {
        // An erased model's items are no longer shown.
        if (const state::Model* model = models.byId(shown.modelId)) {
            out.push_back({model->name + "." + state::modelTypeText(model->type), shown.type,
                           shown.id, shown.color});
        }
    }
    return out;
}

void clearMessages() {
    state::messagesShownClear();
}

std::vector<CommandButton> commands() {
    std::vector<CommandButton> out;
    state::Session* session = state::connected();
    if (session == nullptr) {
        return out;
    }
    auto& registry = session->area<state::CommandRegistry>();
    // By index: an access function may add commands while the buttons are drawn.
    for (std::size_t i = 0; i < registry.all().size(); ++i) {
        const state::Command& command = *registry.all()[i];
        CommandButton button;
        button.action = command.action;
        button.icon = command.icon;
        button.iconFile = state::commandIconFile(*session, command);
        button.label = command.label;
        button.help = command.help;
        button.description = command.description;
        button.designated = command.designated;
        button.access = state::commandAccess(command);
        out.push_back(button);
    }
    return out;
}

bool pressCommand(const std::string& action) {
    state::Session* session = state::connected();
    if (session == nullptr) {
        return false;
    }
    state::Command* command = session->area<state::CommandRegistry>().byAction(action);
    if (command == nullptr || state::commandAccess(*command) != ACCESS_AVAILABLE) {
        return false;
    }
    core::eventPostCommand(action, true);
    return true;
}

std::vector<MacroCommand> macrosRun() {
    std::vector<MacroCommand> out;
    for (const auto& run : state::macrosRun()) {
        out.push_back({run.command, run.understood});
    }
    return out;
}

void clearMacrosRun() {
    state::macrosRunClear();
}

std::string commProgram() {
    return core::hostLibraryPath();
}

namespace {

// The model of the type named "NAME" or "NAME.<type>" in the connected session, or null.
state::Model* connectedModel(const std::string& text, int type) {
    state::Session* session = state::connected();
    if (session == nullptr) {
        return nullptr;
    }
    std::string name = text;
    const std::string suffix = "." + state::modelTypeText(type);
    if (name.size() > suffix.size() &&
        state::upperName(name.substr(name.size() - suffix.size())) == suffix) {
        name.resize(name.size() - suffix.size());
    }
    return session->area<state::ModelStore>().byName(name, type);
}

}  // namespace

bool geometryKernelAvailable() {
    return geometry::kernelAvailable();
}

int modelVolume(const void* model, double* volume) {
    state::Session* session = state::connected();
    ProMdl handle = static_cast<ProMdl>(const_cast<void*>(model));
    state::Model* found =
        session != nullptr ? session->area<state::ModelStore>().byHandle(handle) : nullptr;
    if (found == nullptr || volume == nullptr ||
        (found->type != state::kPart && found->type != state::kAssembly)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (!geometry::kernelAvailable()) {
        return geometry::kKernelNotAvailable;
    }
    return geometry::solidsUnionVolume(
        state::modelSolidsPlaced(*session, *found, geometry::Placement{}), volume);
}

int activeFixture(const std::string& model) {
    state::Model* found = connectedModel(model, state::kMfg);
    return found == nullptr ? -1 : state::fixtureState(*found).active;
}

bool setVaried(const std::string& assembly, int componentId, const std::vector<int>& dimensions,
               const std::vector<std::string>& parameters) {
    state::Model* found = connectedModel(assembly, state::kAssembly);
    if (found == nullptr) {
        return false;
    }
    auto& byComponent = state::variantState(*found).byComponent;
    if (dimensions.empty() && parameters.empty()) {
        byComponent.erase(componentId);
    } else {
        state::Varied& varied = byComponent[componentId];
        varied.dimensions = dimensions;
        varied.parameters.clear();
        for (const std::string& name : parameters) {
            varied.parameters.push_back(core::widen(name));
        }
    }
    found->touch();
    return true;
}

long liveObjects() {
    return core::allocationCount();
}

std::string lastLoadDiagnostic() {
    return state::loadDiagnostic();
}

namespace {

void placementAnswerQueue(const state::PlacementAnswer& answer) {
    state::Session* session = state::connected();
    if (session == nullptr) {
        throw std::runtime_error("simhost: no connected session to answer the placement dialog");
    }
    session->area<state::PlacementDialog>().answers.push_back(answer);
}

}  // namespace

void queuePlacementCancel() {
    placementAnswerQueue({state::PlacementAnswer::Kind::Cancel, {}});
}

void queuePlacementMatrix(const double matrix[4][4]) {
    state::PlacementAnswer answer{state::PlacementAnswer::Kind::Matrix, {}};
    answer.placement.x = {matrix[0][0], matrix[0][1], matrix[0][2]};
    answer.placement.y = {matrix[1][0], matrix[1][1], matrix[1][2]};
    answer.placement.z = {matrix[2][0], matrix[2][1], matrix[2][2]};
    answer.placement.origin = {matrix[3][0], matrix[3][1], matrix[3][2]};
    if (!geometry::orthonormal(answer.placement, 1e-6)) {
        throw std::invalid_argument("simhost::queuePlacementMatrix: the axes are not orthonormal");
    }
    placementAnswerQueue(answer);
}

void queuePlacementDefault() {
    placementAnswerQueue({state::PlacementAnswer::Kind::Default, {}});
}

}  // namespace simhost
