#include "feature/revolve_section.h"

#include "feature/curve_elements.h"
#include "feature/curve_geometry.h"
#include "kelt2proe/error.h"
#include "toolkit/array.h"
#include "toolkit/check.h"
#include "toolkit/owned.h"

namespace Ardo {
namespace revolve {

namespace {

using SecerrorOwner = ardotk::Owned<ProWSecerror, ProSecerrorFree>;

// Ends closer than this are one point of the sketch.
constexpr double kSectionEpsilon = 0.1;

// The angle of the sketch direction (x, y) from the sketch's x axis.
double sketchAngle(const Vector& direction) {
    return curves::signedAngle(Vector(1.0, 0.0, 0.0), Vector(direction.x, direction.y, 0.0),
                               Vector(0.0, 0.0, 1.0));
}

void addEntity(ProSection section, void* entity, const char* text) {
    int id = 0;
    check(ProSectionEntityAdd(section, static_cast<Pro2dEntdef*>(entity), &id), text);
}

void addLine(ProSection section, const kelt2pCurveElement& element, const char* text) {
    Pro2dLinedef line{
        PRO_2D_LINE, {element.start.x, element.start.y}, {element.end.x, element.end.y}};
    addEntity(section, &line, text);
}

// The sketch draws arcs counter-clockwise from the start to the end angle. An element's
// normal is opposite to the axis it turns about: a normal away from the viewer (negative
// z) is an arc turning counter-clockwise from its start, any other one clockwise, which
// the sketch draws from the element's end.
void addArc(ProSection section, const kelt2pCurveElement& element, const char* text) {
    const double toStart = sketchAngle(curves::between(element.center, element.start));
    const double toEnd = sketchAngle(curves::between(element.center, element.end));
    const bool counterClockwise = element.normal.z < 0.0;
    Pro2dArcdef arc{};
    arc.type = PRO_2D_ARC;
    arc.center[0] = element.center.x;
    arc.center[1] = element.center.y;
    arc.start_angle = counterClockwise ? toStart : toEnd;
    arc.end_angle = counterClockwise ? toEnd : toStart;
    arc.radius = curves::between(element.center, element.start).Length();
    addEntity(section, &arc, text);
}

}  // namespace

void sectionFromList(ProSection section, const char* text) {
    for (const kelt2pCurveElement& element : curves::elements()) {
        if (element.isLine) {
            addLine(section, element, text);
        } else {
            addArc(section, element, text);
        }
    }
    SecerrorOwner errors;
    check(ProSecerrorAlloc(errors.out()), text);
    ProSectionEpsilonSet(section, kSectionEpsilon);
    ProSectionAutodim(section, errors.out());
    ProSectionRegenerate(section, errors.out());
}

void sectionFromLoop(ProSection section, ProSelection curve, const char* text) {
    ardotk::ArrayOwner<int> ids;
    int count = 0;
    check(ProSectionEntityUseCurveLoop(section, curve, ids.out(), &count), text);
    ids.release();
    SecerrorOwner errors;
    check(ProSecerrorAlloc(errors.out()), text);
    if (ProSectionSolve(section, errors.out()) != PRO_TK_NO_ERROR) {
        int messages = 0;
        ProSecerrorCount(errors.out(), &messages);
        for (int i = 0; i < messages; ++i) {
            ProMsg message = {};
            ProSecerrorMsgGet(errors.get(), i, message);
        }
    }
    ProSectionRegenerate(section, errors.out());
    errors.release();
}

}  // namespace revolve
}  // namespace Ardo
