#include "faults/session_scene.h"

#include <ProCore.h>

#include <sstream>
#include <stdexcept>
#include <vector>

#include "kelt2proe/simhost/control.h"
#include "session/host_entry.h"

namespace sessionscene {

namespace {

// A milling job: one workcell with a tool table, one operation on it, one NC sequence.
constexpr const char* kJob = R"({"format": 1, "type": "MFG",
  "features": {"list": [{"id": 1, "type": 979, "name": "MACH_ZERO", "items": [{"id": 2, "type": 25}]}]},
  "tools": [{"id": "EM_12", "type": 10, "parameters": {"CUTTER_DIAM": 12.0}}],
  "workcells": [{"id": 10, "name": "MILL5", "type": 1, "axes": 5,
                 "parameters": {"CONTROLLER": "TNC640", "LOCATION": "HALL 2"},
                 "tool_tables": [{"head": 1, "entries": [[[1, 1], [2, "EM_12"], [3, 1]]]}]}],
  "operations": [{"id": 20, "name": "OP010", "workcell": "MILL5", "origin": "MACH_ZERO",
                  "parameters": {"STOCK_MATERIAL": "ALMG3", "NCL_FILE": "op010.ncl", "PARTNO": "4711"},
                  "comments": ["first clamping", "top side"]}],
  "nc_sequences": [{"id": 21, "name": "FACE", "operation": "OP010", "tool": "EM_12", "head": 1, "position": 1}],
  "active_operation": "OP010"})";

}  // namespace

const ApplicationEntries kApplicationEntries{&user_initialize, &user_terminate};

std::optional<Ardo::kelt2pSession>& heldSession() {
    static std::optional<Ardo::kelt2pSession> held;
    return held;
}

Ardo::kelt2pSession& session() {
    return heldSession().value();
}

std::string runningHost() {
    heldSession().reset();
    simhost::reset();
    std::string id = simhost::launch();
    heldSession().emplace();
    return id;
}

std::string connectedHost(const char* textPath) {
    std::string id = runningHost();
    if (textPath != nullptr) {
        session().Textpath(textPath);
    }
    session().Connect();
    return id;
}

bool hostConnected() {
    return ProEngineerStatusGet() == PRO_TK_NO_ERROR;
}

Address addressOf(const std::string& identifier) {
    std::vector<std::string> fields;
    std::istringstream in(identifier);
    for (std::string field; std::getline(in, field, ':');) {
        fields.push_back(field);
    }
    if (fields.size() != 14) {
        throw std::runtime_error("not a network address: " + identifier);
    }
    return {fields[1],
            std::stoi(fields[3]),
            std::stoi(fields[5]),
            std::stoi(fields[7]),
            std::stoi(fields[9]),
            fields[11]};
}

void loadJob(Ardo::kelt2pMfg& mfg) {
    testkit::freshHost();
    testkit::writeTextFile("job.mfg", kJob);
    mfg = Ardo::kelt2pMfg();
    mfg.Load("job");
}

int shownPart(const char* name) {
    Ardo::kelt2pMdl part;
    part.Create(name, Ardo::KELT2P_MDL_PART).Display();
    return part.WindowGet();
}

std::function<bool(const testkit::HostCall&, int)> callOf(const std::string& function,
                                                          int occurrence) {
    return [function, occurrence](const testkit::HostCall& call, int) {
        return call.function == function && call.occurrence == occurrence;
    };
}

}  // namespace sessionscene
