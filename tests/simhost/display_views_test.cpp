// The host's display options, display lists, window repaints as a test sees them, and
// the views of a model: the current orientation, named views, their handles, and the
// section "views" of the model file.
#include <ProDisplist.h>
#include <ProUtil.h>
#include <ProView.h>
#include <ProWindows.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cwchar>
#include <string>

#include "simhost/model_helpers.h"

namespace {

using namespace modeltest;

struct Line {
    ProLine text{};
    explicit Line(const std::wstring& value) {
        std::wcsncpy(text, value.c_str(), PRO_LINE_SIZE - 1);
    }
};

std::string ascii(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// A rotation about Z by `angle` in the host's row layout: rows are the view's axes.
void rotationZ(double angle, ProMatrix m) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double rows[4][4] = {{c, s, 0, 0}, {-s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            m[r][k] = rows[r][k];
        }
    }
}

void expectMatrixNear(ProMatrix actual, ProMatrix expected) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual[r][c], expected[r][c], 1e-12) << "row " << r << " column " << c;
        }
    }
}

void identity(ProMatrix m) {
    rotationZ(0.0, m);
}

class DisplayTest : public ConnectedTest {
protected:
    std::wstring option(const std::wstring& name) {
        Name n(name);
        ProLine value{};
        EXPECT_EQ(ProConfigoptGet(n.text, value), PRO_TK_NO_ERROR);
        return value;
    }
};

TEST_F(DisplayTest, DisplayOptionsDefaultToYesAndAnswerInUpperCase) {
    for (const wchar_t* name : {L"display_planes", L"display_points", L"display_coord_sys",
                                L"display_axes", L"display_annotations"}) {
        EXPECT_EQ(option(name), L"YES") << name;
    }
    Name planes(L"Display_Planes");
    for (const wchar_t* given : {L"no", L"No", L"nO"}) {
        Path value(ascii(given));
        ASSERT_EQ(ProConfigoptSet(planes.text, value.text), PRO_TK_NO_ERROR);
        EXPECT_EQ(option(L"display_planes"), L"NO") << given;
    }
    Path yes("yes");
    ASSERT_EQ(ProConfigoptSet(planes.text, yes.text), PRO_TK_NO_ERROR);
    EXPECT_EQ(option(L"DISPLAY_PLANES"), L"YES");
    EXPECT_EQ(option(L"display_axes"), L"YES") << "the other options stay";
}

TEST_F(DisplayTest, InvalidationsAreCountedPerModel) {
    ProMdl gear = create(L"gear");
    ProMdl shaft = create(L"shaft");
    ASSERT_NE(gear, nullptr);
    EXPECT_EQ(simhost::displayListInvalidations(gear), 0);
    EXPECT_EQ(ProDisplistInvalidate(gear), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProDisplistInvalidate(gear), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProDisplistInvalidate(shaft), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::displayListInvalidations(gear), 2);
    EXPECT_EQ(simhost::displayListInvalidations(shaft), 1);

    EXPECT_EQ(ProDisplistInvalidate(nullptr), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProMdlErase(shaft), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProDisplistInvalidate(shaft), PRO_TK_BAD_INPUTS) << "an erased model";
    EXPECT_EQ(simhost::displayListInvalidations(shaft), -1);
    EXPECT_EQ(simhost::displayListInvalidations(nullptr), -1);
}

TEST_F(DisplayTest, RepaintsAreCountedPerOpenWindow) {
    ProMdl gear = create(L"gear");
    ASSERT_EQ(ProMdlDisplay(gear), PRO_TK_NO_ERROR);
    int window = -1;
    ASSERT_EQ(ProMdlWindowGet(gear, &window), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::windowRepaints(window), 0);
    EXPECT_EQ(ProWindowRepaint(window), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProWindowClear(window), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProWindowRefresh(window), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::windowRepaints(window), 2) << "a refresh is no repaint";
    EXPECT_EQ(simhost::windowRepaints(window + 1), -1);
    EXPECT_EQ(simhost::windowRepaints(0), -1);
}

TEST_F(DisplayTest, NothingIsCountedWithoutAConnection) {
    ProMdl gear = create(L"gear");
    simhost::reset();
    EXPECT_EQ(simhost::displayListInvalidations(gear), -1);
    EXPECT_EQ(simhost::viewRefits(gear), -1);
    EXPECT_EQ(simhost::windowRepaints(1), -1);
}

class ViewTest : public ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        gear = create(L"gear");
        ASSERT_NE(gear, nullptr);
    }
    ProMdl gear = nullptr;
};

TEST_F(ViewTest, CurrentViewStartsAsIdentityAndTakesARotation) {
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    ProMatrix got{};
    ProMatrix expected{};
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    identity(expected);
    expectMatrixNear(got, expected);

    rotationZ(0.7, expected);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, expected), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, expected);
    EXPECT_FALSE(modified(gear)) << "turning the current view changes no model data";

    ASSERT_EQ(ProViewReset(gear, nullptr), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    identity(expected);
    expectMatrixNear(got, expected);
}

TEST_F(ViewTest, OnlyRotationsAreTaken) {
    ProMatrix turned{};
    rotationZ(0.4, turned);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, turned), PRO_TK_NO_ERROR);

    ProMatrix scaled{};
    rotationZ(0.0, scaled);
    scaled[0][0] = 2.0;
    ProMatrix mirrored{};
    rotationZ(0.0, mirrored);
    mirrored[2][2] = -1.0;
    ProMatrix sheared{};
    rotationZ(0.0, sheared);
    sheared[1][0] = 0.3;
    ProMatrix notANumber{};
    rotationZ(0.0, notANumber);
    notANumber[0][1] = std::nan("");
    for (auto* refused : {&scaled, &mirrored, &sheared, &notANumber}) {
        EXPECT_EQ(ProViewMatrixSet(gear, nullptr, *refused), PRO_TK_BAD_INPUTS);
    }
    ProMatrix got{};
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, turned);

    // The origin row is no part of an orientation: it is not kept.
    ProMatrix moved{};
    rotationZ(0.4, moved);
    moved[3][0] = 50.0;
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, moved), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, turned);
}

TEST_F(ViewTest, NamedViewsStoreRetrieveAndReplace) {
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    ProMatrix front{};
    rotationZ(0.5, front);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, front), PRO_TK_NO_ERROR);
    Line name(L"Front");
    ProView stored = nullptr;
    ASSERT_EQ(ProViewStore(gear, name.text, &stored), PRO_TK_NO_ERROR);
    ASSERT_NE(stored, nullptr);
    EXPECT_TRUE(modified(gear)) << "a stored view is model data";

    ASSERT_EQ(ProViewReset(gear, nullptr), PRO_TK_NO_ERROR);
    ProView found = nullptr;
    Line upper(L"FRONT");
    ASSERT_EQ(ProViewNameToView(gear, upper.text, &found), PRO_TK_NO_ERROR);
    EXPECT_EQ(found, stored) << "names compare without regard to case";
    ProMatrix got{};
    ASSERT_EQ(ProViewMatrixGet(gear, found, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, front);

    ProView retrieved = nullptr;
    ASSERT_EQ(ProViewRetrieve(gear, name.text, &retrieved), PRO_TK_NO_ERROR);
    EXPECT_EQ(retrieved, stored);
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, front);

    // Storing under the same name replaces the orientation and keeps the view.
    ProMatrix side{};
    rotationZ(-1.2, side);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, side), PRO_TK_NO_ERROR);
    ProView again = nullptr;
    Line lower(L"front");
    ASSERT_EQ(ProViewStore(gear, lower.text, &again), PRO_TK_NO_ERROR);
    EXPECT_EQ(again, stored);
    ASSERT_EQ(ProViewMatrixGet(gear, stored, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, side);

    // A named view is set and reset through its handle, the current one stays.
    ASSERT_EQ(ProViewReset(gear, stored), PRO_TK_NO_ERROR);
    ProMatrix expected{};
    identity(expected);
    ASSERT_EQ(ProViewMatrixGet(gear, stored, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, expected);
    ASSERT_EQ(ProViewMatrixSet(gear, stored, front), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProViewMatrixGet(gear, stored, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, front);
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, side);
}

TEST_F(ViewTest, UnknownNamesAndForeignHandlesAreRefused) {
    Line unknown(L"TOP");
    ProView view = nullptr;
    EXPECT_EQ(ProViewRetrieve(gear, unknown.text, &view), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProViewNameToView(gear, unknown.text, &view), PRO_TK_E_NOT_FOUND);

    Line name(L"TOP");
    ProView top = nullptr;
    ASSERT_EQ(ProViewStore(gear, name.text, &top), PRO_TK_NO_ERROR);
    ProMdl shaft = create(L"shaft");
    ProMatrix m{};
    EXPECT_EQ(ProViewMatrixGet(shaft, top, m), PRO_TK_BAD_INPUTS) << "a view of another model";
    EXPECT_EQ(ProViewMatrixSet(shaft, top, m), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProViewReset(shaft, top), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProViewRefit(shaft, top), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProViewMatrixGet(gear, reinterpret_cast<ProView>(&m), m), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProViewMatrixGet(nullptr, nullptr, m), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProViewMatrixGet(gear, nullptr, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProViewNameToView(gear, name.text, nullptr), PRO_TK_BAD_INPUTS);

    // The model erased and loaded again: the old handle finds nothing.
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(gear), PRO_TK_NO_ERROR);
    ProMdl again = nullptr;
    ASSERT_EQ(load("gear.prt", &again), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProViewMatrixGet(again, top, m), PRO_TK_BAD_INPUTS);
    ProView reloaded = nullptr;
    ASSERT_EQ(ProViewNameToView(again, name.text, &reloaded), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProViewMatrixGet(again, reloaded, m), PRO_TK_NO_ERROR);
}

TEST_F(ViewTest, NamesAreModelNames) {
    ProView view = nullptr;
    Line longest(std::wstring(31, L'V'));
    EXPECT_EQ(ProViewStore(gear, longest.text, &view), PRO_TK_NO_ERROR);
    for (const std::wstring& refused :
         {std::wstring(32, L'V'), std::wstring(80, L'V'), std::wstring(), std::wstring(L"A B"),
          std::wstring(L"A.B")}) {
        Line name(refused);
        EXPECT_EQ(ProViewStore(gear, name.text, &view), PRO_TK_BAD_INPUTS) << ascii(refused);
        EXPECT_EQ(ProViewRetrieve(gear, name.text, &view), PRO_TK_BAD_INPUTS);
    }
    Line stored(L"no_handle-wanted");
    EXPECT_EQ(ProViewStore(gear, stored.text, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProViewRetrieve(gear, stored.text, nullptr), PRO_TK_NO_ERROR);
}

TEST_F(ViewTest, RefitKeepsTheOrientationAndIsCounted) {
    ProMatrix turned{};
    rotationZ(0.9, turned);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, turned), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::viewRefits(gear), 0);
    EXPECT_EQ(ProViewRefit(gear, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProViewRefit(gear, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::viewRefits(gear), 2);
    ProMatrix got{};
    ASSERT_EQ(ProViewMatrixGet(gear, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, turned);
    EXPECT_EQ(ProViewRefit(nullptr, nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(ViewTest, ViewsAreSavedAndLoaded) {
    ProMatrix front{};
    rotationZ(0.25, front);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, front), PRO_TK_NO_ERROR);
    Line frontName(L"FRONT");
    ASSERT_EQ(ProViewStore(gear, frontName.text, nullptr), PRO_TK_NO_ERROR);
    ProMatrix current{};
    rotationZ(2.0, current);
    ASSERT_EQ(ProViewMatrixSet(gear, nullptr, current), PRO_TK_NO_ERROR);
    Line backName(L"BACK");
    ASSERT_EQ(ProViewStore(gear, backName.text, nullptr), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    EXPECT_NE(readText("gear.prt").find("\"views\""), std::string::npos);

    restart();
    ProMdl loaded = nullptr;
    ASSERT_EQ(load("gear.prt", &loaded), PRO_TK_NO_ERROR);
    ProMatrix got{};
    ASSERT_EQ(ProViewMatrixGet(loaded, nullptr, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, current);
    ProView view = nullptr;
    ASSERT_EQ(ProViewNameToView(loaded, frontName.text, &view), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProViewMatrixGet(loaded, view, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, front);
    ASSERT_EQ(ProViewNameToView(loaded, backName.text, &view), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProViewMatrixGet(loaded, view, got), PRO_TK_NO_ERROR);
    expectMatrixNear(got, current);
}

TEST_F(ViewTest, AModelWithDefaultViewsWritesNoSection) {
    ASSERT_EQ(ProMdlSave(gear), PRO_TK_NO_ERROR);
    EXPECT_EQ(readText("gear.prt").find("\"views\""), std::string::npos);
}

TEST_F(ViewTest, MalformedViewSectionsAreRefused) {
    const std::string axes = R"("x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1])";
    const struct {
        const char* views;
        const char* reason;
    } cases[] = {
        {R"([])", "views: an object with the current and the named views expected"},
        {R"({"current": {"x": [2, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}})",
         "views.current: the axes are not orthonormal and right-handed"},
        {R"({"current": {"x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, -1]}})",
         "views.current: the axes are not orthonormal and right-handed"},
        {R"({"named": {}})", "views.named: a list of named views expected"},
        {R"({"named": [{"name": "A B", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]})",
         "views.named[0].name: a view name of 1 to 31 letters, digits, '_' or '-' expected"},
        {R"({"named": [{"name": "TOP", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]},
                       {"name": "top", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]})",
         "views.named[1].name: view TOP is named twice"},
        {R"({"named": [{"name": "TOP", "y": [0, 1, 0], "z": [0, 0, 1]}]})", "views.named[0]"},
    };
    for (const auto& c : cases) {
        writeFile("bad.prt", std::string("{\"views\": ") + c.views + "}");
        ProMdl model = nullptr;
        EXPECT_EQ(load("bad.prt", &model), PRO_TK_INVALID_FILE) << c.views;
        EXPECT_NE(simhost::lastLoadDiagnostic().find(c.reason), std::string::npos)
            << simhost::lastLoadDiagnostic();
    }
    writeFile("good.prt", "{\"views\": {\"named\": [{\"name\": \"TOP\", " + axes + "}]}}");
    ProMdl good = nullptr;
    EXPECT_EQ(load("good.prt", &good), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
}

}  // namespace
