// The version stamp of a model: as text, and compared with a given stamp text.
#include <ProMdl.h>
#include <ProVerstamp.h>

#include <cstring>

#include "kelt2proe/error.h"
#include "model/mdl.h"
#include "toolkit/util.h"
#include "toolkit/verstamp.h"

namespace Ardo {

int Mdl::VerstampStringGet(char* buf) {
    constexpr const char* kText = "Ardo::Mdl::VerstampStringGet";
    requireHandle(kText);
    ardotk::VerstampOwner stamp;
    check(ProMdlVerstampGet(handle, stamp.out()), kText);
    ardotk::String stampText;
    check(ProVerstampStringGet(stamp.get(), stampText.out()), kText);
    const char* textOfStamp = stampText.get() == nullptr ? "" : stampText.get();
    if (buf != nullptr) {
        std::strcpy(buf, textOfStamp);  // the caller supplies room for the whole text
    }
    int length = static_cast<int>(std::strlen(textOfStamp));
    check(stampText.release(), kText);
    check(stamp.release(), kText);
    return length;
}

bool Mdl::VerstampEqual(const char* stampText) {
    constexpr const char* kText = "Ardo::Mdl::VerstampEqual";
    requireHandle(kText);
    ardotk::VerstampOwner own;
    check(ProMdlVerstampGet(handle, own.out()), kText);
    ardotk::VerstampOwner given;
    check(
        ProStringVerstampGet(const_cast<char*>(stampText == nullptr ? "" : stampText), given.out()),
        kText);
    ProBoolean equal = ProVerstampEqual(own.get(), given.get());
    check(own.release(), kText);
    check(given.release(), kText);
    return equal != PRO_B_FALSE;
}

}  // namespace Ardo
