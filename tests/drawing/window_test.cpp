// Host windows through kelt2pWindow, and repainting a model through its window.
#include <ProWindows.h>

#include <stdexcept>
#include <string>

#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"
#include "kelt2proe/window.h"
#include "support/host_fixture.h"

namespace {

using Ardo::kelt2pMdl;
using Ardo::kelt2pWindow;

class Windows : public testkit::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        launchAndConnect();
    }

    // Creates a model and shows it in a window of its own.
    kelt2pMdl shown(const char* name) {
        kelt2pMdl mdl;
        mdl.Create(name, Ardo::KELT2P_MDL_PART).Display();
        return mdl;
    }
};

TEST_F(Windows, DefaultWindowPassesIdMinusOneToTheHost) {
    kelt2pWindow window;
    try {
        window.Activate();
        ADD_FAILURE() << "activated window -1";
    } catch (const Ardo::Error& e) {
        EXPECT_NE(e.code, 0);
        EXPECT_STREQ(e.text, "Ardo::Window::Activate");
    }
    EXPECT_TRUE(testkit::journalHas("ProWindowActivate -1"));
    simhost::injectFault("ProWindowActivate", -23);
    EXPECT_THROW_CODE(window.Activate(), Ardo::Error, -23, "Ardo::Window::Activate");
}

TEST_F(Windows, RepaintAddressesTheWindowCurrentAtTheTimeOfCurrent) {
    kelt2pMdl first = shown("first");
    kelt2pWindow window;
    const int firstId = window.Current();
    EXPECT_EQ(firstId, first.WindowGet());
    kelt2pMdl second = shown("second");
    ASSERT_NE(second.WindowGet(), firstId);
    simhost::clearJournal();
    window.Repaint();
    window.Refresh();
    EXPECT_TRUE(testkit::journalHas("ProWindowRepaint " + std::to_string(firstId)));
    EXPECT_TRUE(testkit::journalHas("ProWindowRefresh " + std::to_string(firstId)));
}

TEST_F(Windows, ListAtBeforeAnyListIsOutOfRange) {
    kelt2pWindow window;
    try {
        window.ListAt(0);
        ADD_FAILURE() << "entry 0 of an empty list";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "invalid vector<T> subscript");
    }
}

TEST_F(Windows, ListFillsOneListForAllWindowObjects) {
    kelt2pMdl a = shown("alpha");
    kelt2pMdl b = shown("beta");
    kelt2pWindow lister;
    ASSERT_EQ(lister.List(), 2);
    kelt2pWindow other(7);
    EXPECT_EQ(other.ListAt(0), a.WindowGet());
    EXPECT_EQ(other.ListAt(1), b.WindowGet());
    EXPECT_THROW(other.ListAt(2), std::out_of_range);
    EXPECT_THROW(other.ListAt(-1), std::out_of_range);
    // A failing visit is only recorded: the list is then empty.
    simhost::injectFault("ProWindowsVisit", -1);
    EXPECT_EQ(lister.List(), 0);
    EXPECT_THROW(other.ListAt(0), std::out_of_range);
}

TEST_F(Windows, MdlGetOfAWindowWithoutModelIsUnbound) {
    // The session's first window shows nothing until a model is displayed.
    kelt2pWindow empty;
    empty.Current();
    kelt2pMdl none = empty.MdlGet();
    EXPECT_THROW_CODE(none.NameGet(), Ardo::Error, -45, "Ardo::Mdl::NameGet");
    EXPECT_THROW_CODE(kelt2pWindow(4711).MdlGet().Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
}

TEST_F(Windows, MdlGetReturnsTheShownModel) {
    kelt2pMdl mdl = shown("hub");
    kelt2pWindow window(mdl.WindowGet());
    EXPECT_STREQ(window.MdlGet().NameGet(), "HUB");
    simhost::injectFault("ProWindowMdlGet", -1);
    EXPECT_THROW_CODE(window.MdlGet().Save(), Ardo::Error, -45, "Ardo::Mdl::Save");
}

TEST_F(Windows, AssignedWindowsShareOneObject) {
    kelt2pMdl mdl = shown("nut");
    kelt2pWindow copy;
    {
        kelt2pWindow window;
        window.Current();
        copy = window;
        kelt2pWindow another(window);
        another = another;  // self-assignment keeps the object
        another.Current();
    }
    // The shared id outlives the facades that set it.
    simhost::clearJournal();
    copy.Repaint();
    EXPECT_TRUE(testkit::journalHas("ProWindowRepaint " + std::to_string(mdl.WindowGet())));
}

TEST_F(Windows, ClearAndCloseTheCurrentWindow) {
    kelt2pMdl disc = shown("disc");
    kelt2pMdl ring = shown("ring");  // in a second window, now current
    kelt2pWindow window;
    ASSERT_EQ(window.Current(), ring.WindowGet());
    window.Clear();
    EXPECT_TRUE(testkit::journalHas("ProWindowActivate " + std::to_string(ring.WindowGet())));
    EXPECT_EQ(testkit::callCount("ProWindowClear"), 0);
    ASSERT_EQ(window.List(), 2);
    window.CurrentClose();
    EXPECT_EQ(window.List(), 1);
    EXPECT_EQ(window.ListAt(0), disc.WindowGet());
    simhost::injectFault("ProWindowActivate", -4);
    EXPECT_THROW_CODE(window.Clear(), Ardo::Error, -4, "Ardo::Window::Clear");
    simhost::injectFault("ProWindowCurrentClose", -4);
    EXPECT_THROW_CODE(window.CurrentClose(), Ardo::Error, -4, "Ardo::Window::CurrentClose");
    simhost::injectFault("ProWindowCurrentGet", -4);
    EXPECT_THROW_CODE(window.Current(), Ardo::Error, -4, "Ardo::Window::Current");
}

TEST_F(Windows, ModelRepaintAndRefreshGoThroughItsWindow) {
    kelt2pMdl mdl = shown("pin");
    const std::string id = std::to_string(mdl.WindowGet());
    simhost::clearJournal();
    mdl.Repaint();
    mdl.Refresh();
    EXPECT_TRUE(testkit::journalHas("ProWindowRepaint " + id));
    EXPECT_TRUE(testkit::journalHas("ProWindowRefresh " + id));
    simhost::injectFault("ProWindowRepaint", -1);
    EXPECT_THROW_CODE(mdl.Repaint(), Ardo::Error, -1, "Ardo::Window::Repaint");
    simhost::injectFault("ProWindowRefresh", -1);
    EXPECT_THROW_CODE(mdl.Refresh(), Ardo::Error, -1, "Ardo::Window::Refresh");
    simhost::injectFault("ProMdlWindowGet", -4);
    EXPECT_THROW_CODE(mdl.Repaint(), Ardo::Error, -4, "Ardo::Mdl::WindowGet");
}

}  // namespace
