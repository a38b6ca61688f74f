// kelt2pMdl: forwarding of the curve-element list and the features made from curves.
#include "feature/curve_elements.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

int kelt2pMdl::CurveElements(int curveFeatureId, bool mark, double tolerance) {
    return impl->CurveElements(curveFeatureId, mark, tolerance);
}
int kelt2pMdl::CurveElementsAdd(int curveFeatureId, bool mark, double tolerance) {
    return impl->CurveElementsAdd(curveFeatureId, mark, tolerance);
}
int kelt2pMdl::CurveElementsAdd(kelt2pCurveElement element) {
    return curves::add(element);
}
kelt2pCurveElement kelt2pMdl::CurveElementsAt(int index) {
    return curves::at(index);
}
void kelt2pMdl::CurveElementsClear() {
    curves::clear();
}
void kelt2pMdl::CurveElementsMakeChain() {
    curves::makeChain();
}
void kelt2pMdl::CurveElementsTransform(Matrix& m) {
    curves::transform(m);
}
int kelt2pMdl::CreateIntfCurveFeature(const char* csysPattern, const char* name) {
    return impl->CreateIntfCurveFeature(csysPattern, name);
}
int kelt2pMdl::CreateRevolveFeature(const char* csysPattern, const char* name) {
    return impl->CreateRevolveFeature(csysPattern, name);
}
int kelt2pMdl::CreateRevolveFeature(int curveFeatureId, const char* csysPattern, const char* name,
                                    bool) {
    return impl->CreateRevolveFeature(curveFeatureId, csysPattern, name);
}

}  // namespace Ardo
