// The model tests' fixture: a host session this process is connected to, models loaded
// from files the test writes, and the host's handle of a model by name.
#pragma once

#include <ProMdl.h>

#include <cwchar>

#include "kelt2proe/mdl.h"
#include "support/expect.h"

namespace modeltest {

class ModelTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }

    // Writes `content` to `file` unless it is null, and loads the file.
    Ardo::kelt2pMdl load(const char* file, Ardo::kelt2pMdlType type,
                         const char* content = nullptr) {
        if (content != nullptr) {
            writeFile(file, content);
        }
        Ardo::kelt2pMdl mdl;
        mdl.Load(file, type, false);
        return mdl;
    }

    // The host's handle of model `name`, looked up through the toolkit.
    static ProMdl hostModel(const wchar_t* name, ProMdlType type = PRO_MDL_PART) {
        ProName wide = {};
        std::wcsncpy(wide, name, PRO_NAME_SIZE - 1);
        ProMdl handle = nullptr;
        EXPECT_EQ(ProMdlInit(wide, type, &handle), PRO_TK_NO_ERROR);
        return handle;
    }
};

}  // namespace modeltest
