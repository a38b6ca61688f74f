// Drawing templates: where the host finds one and what a drawing made from it takes.
#pragma once

#include <ProToolkit.h>

#include <filesystem>
#include <string>
#include <vector>

#include "simhost/state/drawings.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

struct DrawingTemplate {
    std::vector<DrawingSheet> sheets;
    std::vector<TemplateView> views;
};

// The template `name`: the drawing of that name in session, else the drawing file
// `<name>.drw` in the working directory, read without bringing it into session.
// PRO_TK_E_NOT_FOUND when there is neither; PRO_TK_INVALID_FILE for a file that is no
// drawing (the load diagnostic then tells why).
ProError drawingTemplateFind(Session& session, const std::string& name, DrawingTemplate& out);

// Makes the drawing `name` in session, in the working directory, for `solid`: the
// template's sheets (size, format, screen transform), and for each template view a
// general view of the solid's saved view of that name. A template view that cannot be
// made is noted as a create error of the drawing; the drawing is made all the same.
Model* drawingFromTemplate(Session& session, const std::string& name, const DrawingTemplate& source,
                           Model& solid);

// Writes the drawing's create errors, one a line (none: an empty file), to `file`:
// PRO_TK_NO_ERROR or PRO_TK_CANT_WRITE.
ProError drawingCreateErrorsWrite(Model& drawing, const std::filesystem::path& file);

}  // namespace simhost::state
