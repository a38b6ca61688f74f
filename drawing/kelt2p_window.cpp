// kelt2pWindow: forwards to a Window shared by copies and assignments.
#include "drawing/window.h"
#include "kelt2proe/window.h"

namespace Ardo {

namespace {

void releaseShare(Window* window) {
    if (--window->shares == 0) {
        delete window;
    }
}

}  // namespace

kelt2pWindow::kelt2pWindow() : impl(new Window()) {}

kelt2pWindow::kelt2pWindow(int id) : impl(new Window(id)) {}

kelt2pWindow::kelt2pWindow(const kelt2pWindow& other) : impl(other.impl) {
    ++impl->shares;
}

kelt2pWindow& kelt2pWindow::operator=(const kelt2pWindow& other) {
    ++other.impl->shares;  // first, so that self-assignment keeps the object
    releaseShare(impl);
    impl = other.impl;
    return *this;
}

kelt2pWindow::~kelt2pWindow() {
    releaseShare(impl);
}

int kelt2pWindow::Current() {
    return impl->Current();
}
void kelt2pWindow::Activate() {
    impl->Activate();
}
void kelt2pWindow::Clear() {
    impl->Clear();
}
void kelt2pWindow::CurrentClose() {
    impl->CurrentClose();
}
void kelt2pWindow::Repaint() {
    impl->Repaint();
}
void kelt2pWindow::Refresh() {
    impl->Refresh();
}
kelt2pMdl kelt2pWindow::MdlGet() {
    return impl->MdlGet();
}
int kelt2pWindow::List() {
    return impl->List();
}
int kelt2pWindow::ListAt(int i) {
    return Window::ListAt(i);
}

}  // namespace Ardo
