// kelt2pWindow: forwards to a Window shared by copies and assignments.
#include "base/facade_impl.h"
#include "drawing/window.h"
#include "kelt2proe/window.h"

namespace Ardo {

template class SharedImpl<Window>;

kelt2pWindow::kelt2pWindow() = default;
kelt2pWindow::kelt2pWindow(int id) : impl(new Window(id)) {}
kelt2pWindow::kelt2pWindow(const kelt2pWindow& other) = default;
kelt2pWindow& kelt2pWindow::operator=(const kelt2pWindow& other) = default;
kelt2pWindow::~kelt2pWindow() = default;

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
    return FacadeAccess::Wrap<kelt2pMdl>(impl->MdlGet());
}
int kelt2pWindow::List() {
    return impl->List();
}
int kelt2pWindow::ListAt(int i) {
    return Window::ListAt(i);
}

}  // namespace Ardo
