// kelt2pMdl: forwarding of the display, view and layer operations.
#include "kelt2proe/mdl.h"
#include "model/layer_list.h"
#include "model/solid.h"

namespace Ardo {

bool kelt2pMdl::DispModePlane(bool on) {
    return impl->DispModePlane(on);
}
bool kelt2pMdl::DispModePoint(bool on) {
    return impl->DispModePoint(on);
}
bool kelt2pMdl::DispModeCsys(bool on) {
    return impl->DispModeCsys(on);
}
bool kelt2pMdl::DispModeAxis(bool on) {
    return impl->DispModeAxis(on);
}
bool kelt2pMdl::DispModeNote(bool on) {
    return impl->DispModeNote(on);
}

void kelt2pMdl::ViewRetrieve(const char* name) {
    impl->ViewRetrieve(name);
}
void kelt2pMdl::ViewStore(const char* name) {
    impl->ViewStore(name);
}
void kelt2pMdl::ViewReset() {
    impl->ViewReset();
}
void kelt2pMdl::ViewRefit() {
    impl->ViewRefit();
}
Matrix kelt2pMdl::ViewMatrixGet(const char* name) {
    return impl->ViewMatrixGet(name);
}
void kelt2pMdl::ViewMatrixSet(Matrix& m) {
    impl->ViewMatrixSet(m);
}

int kelt2pMdl::LayerCreate(const char* name) {
    return impl->LayerCreate(name);
}
kelt2pLayerDisplay kelt2pMdl::LayerDisplaystatus(const char* pattern) {
    return impl->LayerDisplaystatus(pattern);
}
void kelt2pMdl::LayerDisplaystatus(const char* pattern, kelt2pLayerDisplay status) {
    impl->LayerDisplaystatus(pattern, status);
}
void kelt2pMdl::LayerItemAdd(const char* layerName, int id) {
    impl->LayerItemAdd(layerName, id);
}
int kelt2pMdl::LayerList(const char* pattern) {
    return impl->LayerList(pattern);
}
const char* kelt2pMdl::LayerList(int i) {
    return layerList::nameAt(i);
}

}  // namespace Ardo
