#include "drawing/drw_names.h"

#include <ProDrawing.h>

#include "base/length_check.h"
#include "base/text.h"

namespace Ardo::drawing {

TemplateNames::TemplateNames(const char* drawingName, const char* templateName, const char* text)
    : name(drawingName == nullptr ? "" : drawingName),
      templ(templateName == nullptr ? "" : templateName) {
    refuseLongerThan(name, text::kNameSize - 1, PRO_TK_LINE_TOO_LONG, text);
    refuseLongerThan(templ, text::kNameSize - 1, PRO_TK_LINE_TOO_LONG, text);
}

void TemplateNames::widen() {
    text::toWide(wideName, name);
    text::toWide(wideTempl, templ);
}

ProModel modelRecord(Solid& model) {
    const kelt2pMdldata data = model.DataGet();
    ProModel record = {};
    text::widenBounded(record.name, data.name);
    text::widenBounded(record.type, data.type);
    return record;
}

ProError createFromTemplate(TemplateNames& names, ProModel& record, ProDrawing* drawing) {
    names.widen();
    ProDwgcreateErrs errors = nullptr;  // not read: the result code tells success
    return ProDrawingFromTmpltCreate(names.wideName, names.wideTempl, &record,
                                     PRO_DWGCREATE_WRITE_ERRORS_TO_FILE, drawing, &errors);
}

}  // namespace Ardo::drawing
