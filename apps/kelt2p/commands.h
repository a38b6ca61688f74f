// Subcommands of kelt2p: each takes the arguments after its name and returns the exit code.
#pragma once

#include <string>
#include <vector>

namespace kelt2p {

using Arguments = std::vector<std::string>;

// Connects to the host session and prints its identifier, the host's date code and the
// library's build stamp, then ends the session.
int info(const Arguments& args);

// Starts the simulated host embedded in this program, as a user would start the host.
void startEmbeddedHost();

}  // namespace kelt2p
