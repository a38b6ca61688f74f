// Configuration options: the start file, the host's defaults, setting, the array form.
#include <ProArray.h>
#include <ProCore.h>
#include <ProUtil.h>

#include <string>

#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

struct Option {
    ProName text{};
    explicit Option(const std::wstring& name) { name.copy(text, PRO_NAME_SIZE - 1); }
};

class ConfigTest : public testkit::HostTest {
protected:
    // Connects to a session started with `startFile` ("" for none).
    void start(const std::string& startFile) {
        std::string id = simhost::launch(startFile);
        ProProcessHandle handle{};
        ProBoolean random = PRO_B_FALSE;
        ASSERT_EQ(ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random,
                                     &handle),
                  PRO_TK_NO_ERROR);
    }

    ProError get(const std::wstring& name, std::wstring& value) {
        Option option(name);
        ProLine line{};
        ProError rc = ProConfigoptGet(option.text, line);
        value = line;
        return rc;
    }

    ProError set(const std::wstring& name, const std::wstring& value) {
        Option option(name);
        ProPath path{};
        value.copy(path, PRO_PATH_SIZE - 1);
        return ProConfigoptSet(option.text, path);
    }
};

TEST_F(ConfigTest, DefaultsStartFileAndYesNoShownInUpperCase) {
    start(writeFile("config.pro", "Display_Planes no\nsearch_path /parts/lib one\n"));
    std::wstring value;
    ASSERT_EQ(get(L"show_dim_sign", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"NO");
    ASSERT_EQ(get(L"DISPLAY_PLANES", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"NO");
    ASSERT_EQ(get(L"display_points", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"YES");
    ASSERT_EQ(get(L"pro_mf_tprm_dir", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"");
    ASSERT_EQ(get(L"trail_dir", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"");
    ASSERT_EQ(get(L"search_path", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"/parts/lib one");
    EXPECT_EQ(get(L"no_such_option", value), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(get(L"", value), PRO_TK_BAD_INPUTS);
}

TEST_F(ConfigTest, SetKeepsTheValueForTheSession) {
    start("");
    std::wstring value;
    ASSERT_EQ(set(L"Show_Dim_Sign", L"yes"), PRO_TK_NO_ERROR);
    ASSERT_EQ(get(L"show_dim_sign", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"YES");
    ASSERT_EQ(set(L"my_option", L"Mixed Case"), PRO_TK_NO_ERROR);
    ASSERT_EQ(get(L"MY_OPTION", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"Mixed Case");
    EXPECT_EQ(set(L"two words", L"x"), PRO_TK_BAD_INPUTS);

    // A value longer than a line does not fit the reading buffer.
    std::wstring longPath = L"/" + std::wstring(200, L'p');
    ASSERT_EQ(set(L"pro_mf_tprm_dir", longPath), PRO_TK_NO_ERROR);
    EXPECT_EQ(get(L"pro_mf_tprm_dir", value), PRO_TK_LINE_TOO_LONG);

    // A new session starts from the defaults again.
    simhost::reset();
    start("");
    ASSERT_EQ(get(L"show_dim_sign", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"NO");
    EXPECT_EQ(get(L"my_option", value), PRO_TK_E_NOT_FOUND);
}

TEST_F(ConfigTest, ArrayGetGivesAnArrayTheCallerFrees) {
    start("");
    std::wstring dir = L"/tools/" + std::wstring(150, L't');
    ASSERT_EQ(set(L"pro_mf_tprm_dir", dir), PRO_TK_NO_ERROR);
    Option option(L"pro_mf_tprm_dir");
    ProPath* values = nullptr;
    ASSERT_EQ(ProConfigoptArrayGet(option.text, &values), PRO_TK_NO_ERROR);
    int n = 0;
    ASSERT_EQ(ProArraySizeGet(values, &n), PRO_TK_NO_ERROR);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(std::wstring(values[0]), dir);
    EXPECT_EQ(simhost::liveObjects(), 1);
    ASSERT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&values)), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);

    Option unknown(L"no_such_option");
    EXPECT_EQ(ProConfigoptArrayGet(unknown.text, &values), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProConfigoptArrayGet(option.text, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ConfigTest, AnOptionOnSeveralStartFileLinesKeepsEveryValue) {
    start(writeFile(
        "config.pro",
        "pro_mf_tprm_dir /tools/first\nshow_dim_sign yes\nPRO_MF_TPRM_DIR /tools/second\n"));
    Option option(L"pro_mf_tprm_dir");
    ProPath* values = nullptr;
    ASSERT_EQ(ProConfigoptArrayGet(option.text, &values), PRO_TK_NO_ERROR);
    int n = 0;
    ASSERT_EQ(ProArraySizeGet(values, &n), PRO_TK_NO_ERROR);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(std::wstring(values[0]), L"/tools/first");
    EXPECT_EQ(std::wstring(values[1]), L"/tools/second");
    ASSERT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&values)), PRO_TK_NO_ERROR);

    // The single-value reading gives the first; setting replaces all of them.
    std::wstring value;
    ASSERT_EQ(get(L"pro_mf_tprm_dir", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"/tools/first");
    ASSERT_EQ(set(L"pro_mf_tprm_dir", L"/tools/only"), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProConfigoptArrayGet(option.text, &values), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProArraySizeGet(values, &n), PRO_TK_NO_ERROR);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(std::wstring(values[0]), L"/tools/only");
    ASSERT_EQ(ProArrayFree(reinterpret_cast<ProArray*>(&values)), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ConfigTest, AStartFileValueTooLongForAPathIsRefusedByTheArrayForm) {
    start(writeFile("config.pro", "pro_mf_tprm_dir /" + std::string(260, 'p') + "\n"));
    Option option(L"pro_mf_tprm_dir");
    ProPath* values = nullptr;
    EXPECT_EQ(ProConfigoptArrayGet(option.text, &values), PRO_TK_LINE_TOO_LONG);
    EXPECT_EQ(simhost::liveObjects(), 0);
}

TEST_F(ConfigTest, TheWideCharacterSizeIsThePlatformsUnlessTheStartFileSetsIt) {
    start("");
    int hostSize = 0;
    int own = static_cast<int>(sizeof(wchar_t));
    EXPECT_EQ(ProWcharSizeVerify(own, &hostSize), PRO_TK_NO_ERROR);
    EXPECT_EQ(hostSize, own);
    EXPECT_EQ(ProWcharSizeVerify(own == 2 ? 4 : 2, &hostSize), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(hostSize, own);
    EXPECT_EQ(ProWcharSizeVerify(own, nullptr), PRO_TK_BAD_INPUTS);

    simhost::reset();
    start(writeFile("config.pro", "simhost_wchar_size 2\n"));
    EXPECT_EQ(ProWcharSizeVerify(2, &hostSize), PRO_TK_NO_ERROR);
    EXPECT_EQ(hostSize, 2);
    EXPECT_EQ(ProWcharSizeVerify(4, &hostSize), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(hostSize, 2);
}

TEST_F(ConfigTest, InjectedFaultsChangeNothing) {
    std::wstring value;
    start("");
    simhost::injectFault("ProConfigoptSet", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(set(L"show_dim_sign", L"yes"), PRO_TK_GENERAL_ERROR);
    ASSERT_EQ(get(L"show_dim_sign", value), PRO_TK_NO_ERROR);
    EXPECT_EQ(value, L"NO");
    simhost::injectFault("ProConfigoptArrayGet", PRO_TK_GENERAL_ERROR);
    Option option(L"trail_dir");
    ProPath* values = nullptr;
    EXPECT_EQ(ProConfigoptArrayGet(option.text, &values), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(simhost::liveObjects(), 0);
    EXPECT_TRUE(testkit::journalHas("ProConfigoptSet show_dim_sign yes"));
}

}  // namespace
