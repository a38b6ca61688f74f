// The session's model list by type, in the order the models came into session.
#include <ProArray.h>
#include <ProMdl.h>

#include <string>
#include <vector>

#include "model_helpers.h"

namespace {

using SessionListTest = modeltest::ConnectedTest;

std::vector<std::wstring> listed(ProMdlType type) {
    ProMdl* models = nullptr;
    int count = 0;
    std::vector<std::wstring> names;
    if (ProSessionMdlList(type, &models, &count) != PRO_TK_NO_ERROR) {
        return names;
    }
    for (int i = 0; i < count; ++i) {
        names.push_back(modeltest::nameOf(models[i]));
    }
    ProArrayFree(reinterpret_cast<ProArray*>(&models));
    return names;
}

TEST_F(SessionListTest, ModelsOfOneTypeInTheOrderTheyCameIntoSession) {
    ProMdl zeta = modeltest::create(L"ZETA");
    ASSERT_NE(modeltest::create(L"ALPHA"), nullptr);
    ASSERT_NE(modeltest::create(L"GROUP", PRO_ASSEMBLY), nullptr);
    ASSERT_NE(modeltest::create(L"MIDDLE"), nullptr);
    EXPECT_EQ(listed(PRO_MDL_PART), (std::vector<std::wstring>{L"ZETA", L"ALPHA", L"MIDDLE"}));
    EXPECT_EQ(listed(PRO_MDL_ASSEMBLY), (std::vector<std::wstring>{L"GROUP"}));

    // Erased and loaded again, a model comes last.
    ASSERT_EQ(ProMdlSave(zeta), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(zeta), PRO_TK_NO_ERROR);
    ASSERT_EQ(modeltest::load("zeta.prt", &zeta), PRO_TK_NO_ERROR);
    EXPECT_EQ(listed(PRO_MDL_PART), (std::vector<std::wstring>{L"ALPHA", L"MIDDLE", L"ZETA"}));

    // No model of a type: the host's code, nothing to free.
    ProMdl* models = nullptr;
    int count = -1;
    EXPECT_EQ(ProSessionMdlList(PRO_MDL_DRAWING, &models, &count), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(models, nullptr);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

}  // namespace
