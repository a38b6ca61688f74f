// Fault-sweep rows of kelt2pSession.
#include "kelt2proe/session.h"
#include "support/sweep_table.h"

namespace {

using namespace testkit;

Ardo::kelt2pSession session;

std::vector<SweepRow> sessionRows() {
    return {
        {"Ardo::kelt2pSession::DateCode()",
         [] {
             freshHost();
             session = Ardo::kelt2pSession();
         },
         [] { session.DateCode(); },
         except(throwsLibrary("Ardo::ProEngineer::DateCode"), "ProStringFree", swallows())},
        {"Ardo::kelt2pSession::DllDate()", nullptr, [] { session.DllDate(); }, nullptr},
    };
}
SWEEP_ROWS(sessionRows);

}  // namespace
