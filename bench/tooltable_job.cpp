#include "tooltable_job.h"

#include <fstream>

#include "bench_support.h"

namespace tooltablebench {

namespace fs = std::filesystem;

namespace {

void writeJob(const fs::path& file, int count, bool tables) {
    std::ofstream out(file);
    out << R"({"format": 1, "type": "MFG", "tools": [)";
    for (int i = 0; i < count; ++i) {
        out << (i ? "," : "") << R"({"id": ")" << toolId(i)
            << R"(", "type": 10, "parameters": {"CUTTER_DIAM": 10.0, "GAUGE_X_LENGTH": 5.0}})";
    }
    out << R"(], "workcells": [{"id": )" << kWcellId
        << R"(, "name": "MILL", "type": 1, "tool_tables": [)";
    if (tables) {
        out << R"({"head": 1, "entries": [)";
        for (int i = 0; i < count; ++i) {
            out << (i ? "," : "") << "[[1, " << i + 1 << R"(], [2, ")" << toolId(i) << R"("], [3, )"
                << i + 1 << R"(], [4, "entry"]])";
        }
        out << "]}";
    }
    out << R"(]}], "operations": [{"id": 20, "name": "OP010", "workcell": "MILL"}],)";
    out << R"( "nc_sequences": [)";
    for (int i = 0; tables && i < count; ++i) {
        out << (i ? "," : "") << R"({"name": "NC)" << i << R"(", "operation": "OP010", "tool": ")"
            << toolId(i) << R"(", "head": 1, "position": )" << i + 1 << "}";
    }
    out << R"(], "active_operation": "OP010"})";
}

}  // namespace

std::string toolId(int i) {
    return "T" + std::to_string(10000 + i);
}

fs::path prepare(int count, bool tables) {
    fs::path dir = benchkit::scratchDir("tooltable", count);
    writeJob(dir / "job.mfg", count, tables);
    benchkit::startHost(dir);
    return dir;
}

ProMdl jobHandle() {
    ProName name = L"JOB";
    ProMdl model = nullptr;
    ProMdlInit(name, PRO_MDL_MFG, &model);
    return model;
}

}  // namespace tooltablebench
