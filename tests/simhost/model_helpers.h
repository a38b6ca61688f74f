// Helpers of the host tests: a connected fixture, wide names and models made through
// toolkit calls.
#pragma once

#include <ProMdl.h>
#include <ProSolid.h>

#include <cwchar>
#include <fstream>
#include <sstream>
#include <string>

#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace modeltest {

// A host test connected to a fresh session.
class ConnectedTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }
    // Ends every session and connects to a new one, as after a restart of the host.
    void restart() {
        simhost::reset();
        launchAndConnect();
    }
    std::string readText(const std::string& file) {
        std::stringstream text;
        text << std::ifstream(workDir / file).rdbuf();
        return text.str();
    }
};

struct Name {
    ProName text{};
    explicit Name(const std::wstring& value) {
        std::wcsncpy(text, value.c_str(), PRO_NAME_SIZE - 1);
    }
};

struct Path {
    ProPath text{};
    explicit Path(const std::string& value) {
        for (std::size_t i = 0; i < value.size() && i + 1 < PRO_PATH_SIZE; ++i) {
            text[i] = static_cast<wchar_t>(value[i]);
        }
    }
};

inline ProMdl create(const std::wstring& name, ProType type = PRO_PART) {
    Name n(name);
    ProSolid solid = nullptr;
    return ProSolidCreate(n.text, type, &solid) == PRO_TK_NO_ERROR ? solid : nullptr;
}

inline ProError load(const std::string& path, ProMdlType type, ProMdl* out) {
    Path p(path);
    return ProMdlLoad(p.text, type, PRO_B_FALSE, out);
}

// Loads a file named with its extension.
inline ProError load(const std::string& file, ProMdl* out) {
    return load(file, PRO_MDL_UNUSED, out);
}

inline ProError init(const std::wstring& name, ProMdlType type, ProMdl* out) {
    Name n(name);
    return ProMdlInit(n.text, type, out);
}

inline std::wstring nameOf(ProMdl model) {
    ProName name{};
    return ProMdlNameGet(model, name) == PRO_TK_NO_ERROR ? std::wstring(name) : L"<error>";
}

inline bool modified(ProMdl model) {
    ProBoolean answer = PRO_B_FALSE;
    EXPECT_EQ(ProMdlModifVerify(model, &answer), PRO_TK_NO_ERROR);
    return answer == PRO_B_TRUE;
}

}  // namespace modeltest
