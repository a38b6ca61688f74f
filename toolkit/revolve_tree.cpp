#include "toolkit/revolve_tree.h"

namespace ardotk {

namespace {

// Element ids and values of the revolve feature tree.
constexpr ProElemId kFeatureTree = 386;
constexpr ProElemId kFeatureName = 1964;
constexpr ProElemId kFeatureForm = 388;
constexpr ProElemId kSolidType = 1956;
constexpr ProElemId kRemoveMaterial = 2023;
constexpr ProElemId kIsThin = 3176;
constexpr ProElemId kBodyChoice = 3280;
constexpr ProElemId kAngles = 6;
constexpr ProElemId kAngleFrom = 437;
constexpr ProElemId kAngleTo = 438;
constexpr ProElemId kAngleFromType = 439;
constexpr ProElemId kAngleToType = 440;
constexpr ProElemId kAngleFromValue = 441;
constexpr ProElemId kAngleToValue = 442;
constexpr ProElemId kSection = 447;
constexpr ProElemId kSetupPlane = 450;
constexpr ProElemId kSketchPlane = 451;
constexpr ProElemId kViewDirection = 452;
constexpr ProElemId kOrientDirection = 454;
constexpr ProElemId kOrientReference = 455;
constexpr int kRevolveForm = 2;
constexpr int kSolid = 917;
constexpr int kAddMaterial = -1;
constexpr int kByValue = 0x1000;
constexpr int kFlat = 0x400000;
constexpr double kFullTurn = 360.0;
constexpr int kViewOpposite = -1;
constexpr int kOrientUp = 1;

}  // namespace

ElemTree RevolveTree(const wchar_t* name, ProSelection sketchPlane, ProSelection orientation) {
    ElemTree tree = ElementAlloc(kFeatureTree);
    if (name[0] != L'\0') {
        ElementAdd(tree.get(), ElementWstring(kFeatureName, name));
    }
    ElementAdd(tree.get(), ElementInteger(kFeatureForm, kRevolveForm));
    ElementAdd(tree.get(), ElementInteger(kSolidType, kSolid));
    ElementAdd(tree.get(), ElementInteger(kRemoveMaterial, kAddMaterial));
    ElementAdd(tree.get(), ElementInteger(kIsThin, 0));
    ElementAdd(tree.get(), ElementInteger(kBodyChoice, 1));

    ProElement angles = ElementAdd(tree.get(), ElementAlloc(kAngles));
    ProElement from = ElementAdd(angles, ElementAlloc(kAngleFrom));
    ElementAdd(from, ElementInteger(kAngleFromType, kByValue));
    ElementAdd(from, ElementDouble(kAngleFromValue, kFullTurn));
    ProElement to = ElementAdd(angles, ElementAlloc(kAngleTo));
    ElementAdd(to, ElementInteger(kAngleToType, kFlat));
    ElementAdd(to, ElementDouble(kAngleToValue, 0.0));

    ProElement section = ElementAdd(tree.get(), ElementAlloc(kSection));
    ProElement setup = ElementAdd(section, ElementAlloc(kSetupPlane));
    ElementAdd(setup, ElementSelection(kSketchPlane, sketchPlane));
    ElementAdd(setup, ElementInteger(kViewDirection, kViewOpposite));
    ElementAdd(setup, ElementInteger(kOrientDirection, kOrientUp));
    ElementAdd(setup, ElementSelection(kOrientReference, orientation));
    return tree;
}

}  // namespace ardotk
