// Binding a drawing object, and the drawing's sheets and formats.
#include <ProDrawing.h>

#include "base/text.h"
#include "drawing/drw.h"

namespace Ardo {

void Drw::Load(const char* drawingName) {
    Mdl::Load(drawingName, KELT2P_MDL_DRAWING, false);
}

void Drw::Current() {
    Mdl::Current();
    if (handle != nullptr && TypeGet() != KELT2P_MDL_DRAWING) {
        handle = nullptr;  // the current model is no drawing: unbound, no error
    }
}

int Drw::SheetsCount() {
    constexpr const char* kText = "Ardo::Drw::SheetsCount";
    requireHandle(kText);
    int count = 0;
    check(ProDrawingSheetsCount(static_cast<ProDrawing>(handle), &count), kText);
    return count;
}

const char* Drw::FormatGet(int sheet, bool mustExist) {
    constexpr const char* kText = "Ardo::Drw::FormatGet";
    requireHandle(kText);
    ProName format = {};
    status = ProDrawingFormatGet(static_cast<ProDrawing>(handle), sheet, format);
    if (status == PRO_TK_E_NOT_FOUND && !mustExist) {
        return "";
    }
    check(status, kText);
    text::narrowField(name, format);
    return name;
}

void Drw::FormatAdd(Mdl& format, int sheet, int formatSheet) {
    constexpr const char* kText = "Ardo::Drw::FormatAdd";
    requireHandle(kText);
    check(ProDrawingFormatAdd(static_cast<ProDrawing>(handle), sheet, nullptr, format.handle,
                              formatSheet),
          kText);
}

}  // namespace Ardo
