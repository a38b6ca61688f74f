#include "feature/curve_elements.h"

#include <iterator>

#include "base/subscript.h"
#include "feature/curve_chain.h"

namespace Ardo {
namespace curves {

namespace {

// Points closer than this are one point once the list has been chained.
constexpr double kChainTolerance = 0.01;

}  // namespace

ElementList& elements() {
    static ElementList list;
    return list;
}

int add(const kelt2pCurveElement& element) {
    elements().push_back(element);
    return static_cast<int>(elements().size());
}

kelt2pCurveElement at(int index) {
    ElementList& list = elements();
    if (index < 0 || static_cast<ElementList::size_type>(index) >= list.size()) {
        throwSubscriptError();
    }
    return *std::next(list.begin(), index);
}

void clear() {
    elements().clear();
}

void makeChain() {
    Point::ToleranceSet(kChainTolerance);
    chainCurveElements(elements(), kChainTolerance);
}

void transform(const Matrix& m) {
    for (kelt2pCurveElement& element : elements()) {
        element.start = m * element.start;
        element.end = m * element.end;
        element.center = m * element.center;
        element.normal = m * element.normal;
    }
}

}  // namespace curves
}  // namespace Ardo
