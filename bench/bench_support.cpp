#include "bench_support.h"

#include <ProCore.h>
#include <unistd.h>

#include <fstream>

#include "kelt2proe/simhost/control.h"

namespace benchkit {

namespace fs = std::filesystem;

fs::path scratchDir(const std::string& tag, long count) {
    fs::path dir =
        fs::temp_directory_path() /
        ("kelt2proe-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(count));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void startHost(const fs::path& dir) {
    simhost::reset();
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    std::string id = simhost::launch();
    fs::current_path(previous);
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
}

void finish(const fs::path& dir) {
    simhost::reset();
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

void writePart(const fs::path& file, int parameters, int features) {
    std::ofstream out(file);
    out << "{\"format\": 1, \"type\": \"PRT\",\n \"features\": [\n";
    for (int id = 1; id <= features; ++id) {
        out << "  {\"id\": " << id << ", \"type\": " << (id % 2 == 0 ? 911 : 917)
            << ", \"name\": \"F_" << id << "\"}" << (id < features ? ",\n" : "\n");
    }
    out << " ],\n \"parameters\": {\"model\": [\n";
    for (int i = 0; i < parameters; ++i) {
        out << "  {\"name\": \"PARAM_" << i << "\", \"type\": \"double\", \"value\": " << i
            << ".5, \"description\": \"entry " << i << "\"}" << (i + 1 < parameters ? ",\n" : "\n");
    }
    out << " ]}}\n";
}

}  // namespace benchkit
