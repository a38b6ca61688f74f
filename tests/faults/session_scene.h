// Set-ups of the session group's fault-sweep rows: the session object the rows act on,
// host sessions with or without this process connected, a manufacturing job with one
// operation, and part models shown in windows.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "kelt2proe/kelt2proe.h"
#include "support/sweep_table.h"

#include "session/host_entry.h"

namespace sessionscene {

// The host finds the application's start-up and termination entries in the process by
// name, as it would in the application. This program links the library statically and
// calls neither: naming them here keeps them in it.
struct ApplicationEntries {
    decltype(&user_initialize) start;
    decltype(&user_terminate) stop;
};
extern const ApplicationEntries kApplicationEntries;

// The session object of the session rows. A row's set-up destroys the previous one
// before it resets the host, so that no row starts with another row's session object.
// Held in a function-local static: its destruction at exit, which may ask the host for
// its status, comes before that of the simulated host's own state.
std::optional<Ardo::kelt2pSession>& heldSession();
Ardo::kelt2pSession& session();

// Destroys the held session object, resets the host and launches a host session that
// this process is not connected to; then holds a new session object. Returns the host
// session's identifier.
std::string runningHost();
// runningHost(), then the held session object connects to it, with `textPath` as its
// text directory when given. Returns the host session's identifier.
std::string connectedHost(const char* textPath = nullptr);
// Whether this process is connected to a host session, asked of the toolkit itself.
bool hostConnected();

// The network address a host session identifier is made of
// ("host:H:address_version:V:address_type:T:rpcnum:N:rpcversion:R:netaddr:A:...").
struct Address {
    std::string host;
    int addressVersion = 0;
    int addressType = 0;
    int rpcNum = 0;
    int rpcVersion = 0;
    std::string netAddr;
};
Address addressOf(const std::string& identifier);

// Resets the host, connects this process to a new host session, writes a manufacturing
// job "job.mfg" and loads it into `mfg`. The job's one operation, OP010 (feature 20),
// has the parameters STOCK_MATERIAL "ALMG3", NCL_FILE "op010.ncl", PARTNO "4711", the
// comment lines "first clamping" and "top side", origin MACH_ZERO (feature 1) and
// workcell MILL5 (feature 10).
void loadJob(Ardo::kelt2pMfg& mfg);

// Creates a part model and shows it; returns the id of its window. In a fresh host
// session the first part takes the empty main window (1), the next a new one.
int shownPart(const char* name);

// Selects the calls of `function` whose occurrence in the run is `occurrence`.
std::function<bool(const testkit::HostCall&, int)> callOf(const std::string& function,
                                                          int occurrence);

}  // namespace sessionscene
