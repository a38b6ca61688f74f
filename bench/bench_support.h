// What the benchmarks share: a scratch working directory per benchmark and size, a host
// session started there and connected to this process, and parts written as model files.
#pragma once

#include <filesystem>
#include <string>

namespace benchkit {

// A fresh scratch directory "kelt2proe-<tag>-<pid>-<count>" in the temporary directory.
std::filesystem::path scratchDir(const std::string& tag, long count);

// Resets the simulated host, launches a session whose working directory is `dir` and
// connects this process to it.
void startHost(const std::filesystem::path& dir);

// Resets the host and removes `dir`.
void finish(const std::filesystem::path& dir);

// Writes a part with `parameters` double model parameters PARAM_0 ... and `features`
// active features F_1 ... (ids 1 ..., types alternating 911 and 917) in the model-file
// format.
void writePart(const std::filesystem::path& file, int parameters, int features);

}  // namespace benchkit
