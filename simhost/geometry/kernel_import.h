// Solids brought in from interface files (STEP, and the host's ACIS stand-in), the
// product structure of a STEP assembly, and the kernel's own BRep text that the host
// keeps imported solids in. Answers host codes like the rest of the kernel module; a
// build without the kernel answers kKernelNotAvailable.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "simhost/geometry/kernel.h"

namespace simhost::geometry {

// The largest interface file or BRep text the host reads (64 MiB); a larger one is
// refused as invalid before it is parsed.
constexpr std::uintmax_t kImportBytesMax = std::uintmax_t{64} << 20;

// The first two lines of an ACIS stand-in file; the kernel's BRep text follows.
inline constexpr char kAcisStandinHeader[] = "SIMHOST-ACIS-STANDIN 1";
inline constexpr char kAcisStandinUnits[] = "units mm";

enum class SolidFileKind { Step, AcisStandin };

// The solids of the file as one solid of the table (a compound when there are several).
// PRO_TK_CANT_OPEN: no such file, or it cannot be read; PRO_TK_INVALID_FILE: not a file
// of the kind, larger than kImportBytesMax, or one without a solid.
ProError solidFileRead(const std::filesystem::path& file, SolidFileKind kind, int* id);

// A part of a STEP file's product structure: the product's name, its solid in its own
// coordinates (a new solid of the table) and where it sits in the file's frame.
struct StepPart {
    std::string name;
    int solid = 0;
    Placement placement;
};

// The parts of the file's product structure in the order of the file, each occurrence
// once (a product used twice gives two parts). A file without structure gives one part
// holding all its solids. Codes as solidFileRead; on failure no solid is left behind.
ProError stepPartsRead(const std::filesystem::path& file, std::vector<StepPart>* parts);

// A new solid: the placed solid in the coordinates of its placement's frame.
ProError solidPlacedCopy(const PlacedSolid& solid, int* id);

// The solid as the kernel's BRep text, and a new solid from such text (at most
// kImportBytesMax; PRO_TK_INVALID_FILE for text the kernel does not read or that holds
// no solid).
ProError solidBrepText(int id, std::string* text);
ProError solidFromBrepText(const std::string& text, int* id);

}  // namespace simhost::geometry
