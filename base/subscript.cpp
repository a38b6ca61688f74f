#include "base/subscript.h"

#include <stdexcept>

namespace Ardo {

void throwSubscriptError() {
    throw std::out_of_range("invalid vector<T> subscript");
}

}  // namespace Ardo
