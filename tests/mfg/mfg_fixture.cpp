#include "mfg/mfg_fixture.h"

#include <kelt2proe/simhost/control.h>

namespace mfgtest {

std::string Job::text() const {
    return std::string(R"({"format": 1, "type": "MFG", "features": )") + features +
           R"(, "tools": )" + tools + R"(, "workcells": )" + workcells + R"(, "operations": )" +
           operations + R"(, "nc_sequences": )" + ncSequences + R"(, "active_operation": )" +
           active + (components.empty() ? "" : R"(, "components": )" + components) + "}";
}

std::string workcellWith(int id, const std::string& name, int type, const std::string& tables) {
    return R"({"id": )" + std::to_string(id) + R"(, "name": ")" + name + R"(", "type": )" +
           std::to_string(type) + R"(, "tool_tables": )" + tables + "}";
}

void MfgTest::loadJob(const Job& job) {
    liveBaseline = simhost::liveObjects();
    writeFile("job.mfg", job.text());
    launchAndConnect();
    mfg.Load("job");
}

Ardo::kelt2pTool MfgTest::paramTool(const char* id, double diameter) {
    Ardo::kelt2pTool tool;
    tool.IdSet(id);
    tool.TypeSet(Ardo::KELT2P_TOOL_END_MILL);
    tool.ToolParamAdd("CUTTER_DIAM", diameter);
    return tool;
}

Ardo::kelt2pWcell workcellNamed(Ardo::kelt2pMfg& mfg, const char* name) {
    mfg.WcellList(name);
    return mfg.WcellList(0);
}

}  // namespace mfgtest

#include <ProMdl.h>

#include <cstring>

namespace mfgtest {

ProTool hostTool(const char* id) {
    ProName name = L"JOB";
    ProMdl job = nullptr;
    EXPECT_EQ(ProMdlInit(name, PRO_MDL_MFG, &job), PRO_TK_NO_ERROR);
    ProLine wide = {};
    for (std::size_t i = 0; id[i] != '\0' && i < PRO_LINE_SIZE - 1; ++i) {
        wide[i] = static_cast<wchar_t>(id[i]);
    }
    ProTool tool{};
    EXPECT_EQ(ProToolInit(wide, static_cast<ProMfg>(job), &tool), PRO_TK_NO_ERROR);
    return tool;
}

ProParamvalue hostToolParam(const char* id, const char* name) {
    ProTool tool = hostTool(id);
    ProCharName param = {};
    std::strncpy(param, name, PRO_NAME_SIZE - 1);
    ProParamvalue value{};
    if (ProToolParamGet(&tool, param, &value) != PRO_TK_NO_ERROR) {
        value.type = static_cast<ProParamvalueType>(0);
    }
    return value;
}

}  // namespace mfgtest
