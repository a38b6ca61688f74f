// The geometry calls of a build without the kernel: each answers "not available".
#ifndef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/curves.h"
#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_import.h"
#include "simhost/geometry/kernel_shrinkwrap.h"

namespace simhost::geometry {

bool kernelAvailable() {
    return false;
}

ProError solidBox(const Vec3&, const Vec3&, int*) {
    return kKernelNotAvailable;
}

ProError solidCylinder(const Vec3&, const Vec3&, double, double, int*) {
    return kKernelNotAvailable;
}

ProError solidStepRead(const std::filesystem::path&, int*) {
    return kKernelNotAvailable;
}

void solidFree(int) {}

int solidCount() {
    return 0;
}

ProError solidVolume(int, double*) {
    return kKernelNotAvailable;
}

ProError solidsBoundingBox(const std::vector<PlacedSolid>&, const Placement&, Box3*) {
    return kKernelNotAvailable;
}

ProError solidsDistance(const PlacedSolid&, const PlacedSolid&, double*) {
    return kKernelNotAvailable;
}

ProError solidsInterfere(const PlacedSolid&, const PlacedSolid&, bool*) {
    return kKernelNotAvailable;
}

ProError solidsStepWrite(const std::vector<PlacedSolid>&, const std::filesystem::path&) {
    return kKernelNotAvailable;
}

ProError solidsEdgesInView(const std::vector<PlacedSolid>&, const Placement&,
                           std::vector<std::vector<Vec3>>* polylines) {
    if (polylines != nullptr) {
        polylines->clear();
    }
    return kKernelNotAvailable;
}

ProError solidsHiddenLinesRemoved(const std::vector<PlacedSolid>&, const Placement&, bool, bool,
                                  ViewLines* lines) {
    if (lines != nullptr) {
        *lines = ViewLines{};
    }
    return kKernelNotAvailable;
}

ProError solidsStepExport(const std::vector<PlacedSolid>&, const std::string&, ExportShape,
                          const std::filesystem::path&) {
    return kKernelNotAvailable;
}

ProError assemblyStepExport(const ExportAssembly&, ExportShape, const std::filesystem::path&) {
    return kKernelNotAvailable;
}

ProError solidsIgesExport(const std::vector<PlacedSolid>&, ExportShape,
                          const std::filesystem::path&) {
    return kKernelNotAvailable;
}

ProError solidsBrepText(const std::vector<PlacedSolid>&, std::string*) {
    return kKernelNotAvailable;
}

ProError solidsMesh(const std::vector<PlacedSolid>&, double, double, std::size_t, TriangleMesh*) {
    return kKernelNotAvailable;
}

ProError solidsDiagonal(const std::vector<PlacedSolid>&, double*) {
    return kKernelNotAvailable;
}

// Interface files, kept solids and shrinkwrap.
ProError solidFileRead(const std::filesystem::path&, SolidFileKind, int*) {
    return kKernelNotAvailable;
}

ProError stepPartsRead(const std::filesystem::path&, std::vector<StepPart>*) {
    return kKernelNotAvailable;
}

ProError solidPlacedCopy(const PlacedSolid&, int*) {
    return kKernelNotAvailable;
}

ProError solidBrepText(int, std::string*) {
    return kKernelNotAvailable;
}

ProError solidFromBrepText(const std::string&, int*) {
    return kKernelNotAvailable;
}

ProError solidsShrinkwrap(const std::vector<PlacedSolid>&, bool, int*) {
    return kKernelNotAvailable;
}

ProError solidStlWrite(int, const std::filesystem::path&, int, int*) {
    return kKernelNotAvailable;
}

ProError splineEvaluate(const std::vector<Vec3>&, const std::vector<Vec3>&, double, Vec3*, Vec3*,
                        Vec3*) {
    return kKernelNotAvailable;
}

ProError splineLength(const std::vector<Vec3>&, const std::vector<Vec3>&, double*) {
    return kKernelNotAvailable;
}

ProError ellipseLength(const EllipseArc&, double*) {
    return kKernelNotAvailable;
}

}  // namespace simhost::geometry

#endif
