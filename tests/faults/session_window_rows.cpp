// Fault-sweep rows of kelt2pWindow. The set-up shows two parts: "alpha" in the main
// window (1) and "beta" in window 2, which is current; the row's window object addresses
// window 1. A failing call raises its code with the operation's text and changes neither
// the object's window nor the host's windows; the model and list queries only record it.
#include <ProWindows.h>
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "faults/session_scene.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;

constexpr int kAlphaWindow = 1;
constexpr int kBetaWindow = 2;

Ardo::kelt2pWindow window;
std::optional<Ardo::kelt2pMdl> shownModel;
int listed = -1;

void twoShownParts() {
    freshHost();
    if (sessionscene::shownPart("alpha") != kAlphaWindow ||
        sessionscene::shownPart("beta") != kBetaWindow) {
        throw std::runtime_error("the parts are not shown in windows 1 and 2");
    }
    window = Ardo::kelt2pWindow(kAlphaWindow);
}

int currentWindow() {
    int current = -1;
    EXPECT_EQ(ProWindowCurrentGet(&current), PRO_TK_NO_ERROR);
    return current;
}

// The window object still addresses window 1.
void addressesAlpha(const HostCall&, int, const Outcome&) {
    simhost::clearJournal();
    window.Repaint();
    EXPECT_TRUE(journalHas("ProWindowRepaint " + std::to_string(kAlphaWindow)));
}

void betaStaysCurrent(const HostCall&, int, const Outcome&) {
    EXPECT_EQ(currentWindow(), kBetaWindow);
}

std::vector<SweepRow> windowRows() {
    return {
        {"Ardo::kelt2pWindow::kelt2pWindow(int)", twoShownParts,
         [] { Ardo::kelt2pWindow other(kBetaWindow); }},
        {"Ardo::kelt2pWindow::Current()", twoShownParts, [] { window.Current(); },
         throwsLibrary("Ardo::Window::Current"), addressesAlpha},
        {"Ardo::kelt2pWindow::Activate()", twoShownParts, [] { window.Activate(); },
         throwsLibrary("Ardo::Window::Activate"), betaStaysCurrent},
        {"Ardo::kelt2pWindow::Clear()", twoShownParts, [] { window.Clear(); },
         throwsLibrary("Ardo::Window::Clear"), betaStaysCurrent},
        {"Ardo::kelt2pWindow::CurrentClose()", twoShownParts, [] { window.CurrentClose(); },
         throwsLibrary("Ardo::Window::CurrentClose"),
         [](const HostCall&, int, const Outcome&) {
             ProMdl shown = nullptr;
             EXPECT_EQ(ProWindowMdlGet(kBetaWindow, &shown), PRO_TK_NO_ERROR)
                 << "the current window stays open with its model";
         }},
        {"Ardo::kelt2pWindow::Repaint()", twoShownParts, [] { window.Repaint(); },
         throwsLibrary("Ardo::Window::Repaint")},
        {"Ardo::kelt2pWindow::Refresh()", twoShownParts, [] { window.Refresh(); },
         throwsLibrary("Ardo::Window::Refresh")},
        // The failure is recorded only: the model handed out is unbound.
        {"Ardo::kelt2pWindow::MdlGet()", twoShownParts, [] { shownModel = window.MdlGet(); },
         swallows(),
         [](const HostCall&, int, const Outcome&) {
             ASSERT_TRUE(shownModel.has_value());
             EXPECT_THROW_CODE(shownModel->NameGet(), Ardo::Error, PRO_TK_EMPTY,
                               "Ardo::Mdl::NameGet");
         }},
        // The visit's failure is recorded only; the shared list then holds what the visit
        // found: nothing.
        {"Ardo::kelt2pWindow::List()",
         [] {
             twoShownParts();
             window.List();
         },
         [] { listed = window.List(); }, swallows(),
         [](const HostCall&, int, const Outcome&) {
             EXPECT_EQ(listed, 0);
             EXPECT_THROW(Ardo::kelt2pWindow().ListAt(0), std::out_of_range);
         }},
        {"Ardo::kelt2pWindow::ListAt(int)",
         [] {
             twoShownParts();
             window.List();
         },
         [] { listed = window.ListAt(1); }},
    };
}
SWEEP_ROWS(windowRows);

}  // namespace
