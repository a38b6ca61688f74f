// The drawing tests' common start: a connected host session, parts with the coordinate
// system and saved views the DXF procedures look for, and drawing templates written as
// drawing files.
#pragma once

#include <ProMdl.h>

#include <cwchar>
#include <string>

#include "drawing/drw_files.h"
#include "kelt2proe/drw.h"
#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "support/expect.h"
#include "support/host_fixture.h"

namespace drwtest {

class DrawingTest : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }

    // Writes the part file `file` (lower-case name with ".prt") and loads it.
    Ardo::kelt2pMdl part(const std::string& file, const char* content) {
        writeFile(file, content);
        Ardo::kelt2pMdl mdl;
        mdl.Load(file.c_str(), Ardo::KELT2P_MDL_PART, false);
        return mdl;
    }

    // Writes the drawing file that serves as template `name` (lower case, no extension).
    void writeTemplate(const std::string& name, const char* content) {
        writeFile(name + ".drw", content);
    }
};

// True when a drawing of that name is in session.
inline bool drawingInSession(const wchar_t* name) {
    ProName wide = {};
    std::wcsncpy(wide, name, PRO_NAME_SIZE - 1);
    ProMdl found = nullptr;
    return ProMdlInit(wide, PRO_MDL_DRAWING, &found) == PRO_TK_NO_ERROR;
}

}  // namespace drwtest
