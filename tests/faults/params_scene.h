// The scene of the parameter and relation rows: one part with parameters on the model
// and on a feature, relation sets of each kind, the host's state read back through the
// toolkit, and the expectations the feature lookup by name adds to a row.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kelt2proe/mdl.h"
#include "support/sweep_table.h"

namespace paramscene {

// The part's features: RIGHT (1), HOLE_A (5, with parameters and relations of its own)
// and HOLE_B (6).
constexpr int kHole = 5;
constexpr const char* kHoleName = "HOLE_A";
// The model's own item as a parameter owner, in place of a feature id.
constexpr int kModelOwner = 0;

// The lines of the part's relation sets as the part file gives them.
const std::vector<std::string>& modelRelations();
const std::vector<std::string>& holeRelations();

// The part the rows work on, bound to the host's model.
Ardo::kelt2pMdl& part();
// A fresh host with the part loaded into `part()`; the relations buffer holds `buffer`.
void loadPart(const std::vector<std::string>& buffer = {});

// The lines of the process-wide relations buffer.
std::vector<std::string> relationBuffer();

// The value of parameter `name` of the model (kModelOwner) or of a feature, read from
// the host: "double 12.5", "integer 3", "string STEEL", "boolean 1"; empty when the host
// has no such parameter.
std::string hostValue(int owner, const char* name);
// The parameter's description as the host keeps it ("" when it has none).
std::string hostDescription(int owner, const char* name);
// The lines of the relation set of the model (kModelOwner) or of a feature.
std::vector<std::string> hostRelations(int owner);

// What the operation does when a host call of the feature lookup by `kHoleName` fails,
// and `rest` for every other call. The lookup raises ardotk::Error(-1, "nothing found")
// when the visit finds no feature or the hole's name cannot be read (-4 reads as an
// unnamed feature), refusedPattern() when the name's conversion (the operation's first)
// fails, ardotk::Error(code, "ardotk::FeatureSearch") for any other failure of
// its calls; another feature whose name reads as missing is merely not the one looked
// for, and the operation goes on undisturbed.
testkit::Expectation withHoleLookup(testkit::Expectation rest);

// A name pattern whose conversion the host refuses is not compiled: ardotk::Error(-1,
// "UNBEKANNTER FEHLER"), whatever the code.
testkit::Outcome refusedPattern();

// `expected`, with every ardotk::Error turned into Ardo::Error of the same code and text:
// the forms that report the wrapper's failures as the library's own.
testkit::Expectation asLibraryError(testkit::Expectation expected);

// The calls of one host function failing with one code.
std::function<bool(const testkit::HostCall&, int)> failing(const std::string& function, int code);

}  // namespace paramscene
