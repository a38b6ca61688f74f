#include "session/session_state.h"

namespace Ardo::session {

SessionState& sessionState() {
    static SessionState state;
    return state;
}

}  // namespace Ardo::session
