// The texts the drawing operations hand to the host: drawing and template names widened
// into the host's name buffers, and the model record a template is applied to.
#pragma once

#include <ProMdl.h>
#include <ProToolkit.h>

#include "model/solid.h"

namespace Ardo::drawing {

// A drawing name and a template name, each at most 31 characters; a longer one is
// refused with (-6, text) before any host call, where the host's buffer would overflow.
struct TemplateNames {
    TemplateNames(const char* name, const char* templ, const char* text);
    // Widens both through the host's conversion.
    void widen();

    const char* name;
    const char* templ;
    ProName wideName = {};
    ProName wideTempl = {};
};

// The host's model record of `model` (name and type, wide) from its data record; an
// unbound model raises there.
ProModel modelRecord(Solid& model);

// A drawing made from the template for the model: ProDrawingFromTmpltCreate with the
// options this library uses (write errors to a file). Returns the host's result.
ProError createFromTemplate(TemplateNames& names, ProModel& record, ProDrawing* drawing);

}  // namespace Ardo::drawing
