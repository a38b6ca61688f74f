// Naming the dimensions of a newly created coordinate-system or point feature by the
// caller's flags: each letter whose bit is set takes the next dimension in the host's
// order and the symbol "<name>_<letter>".
#pragma once

#include <ProObjects.h>

#include <initializer_list>

namespace Ardo::dimsym {

// The flag that asks for symbols at all, and the host's symbol width.
constexpr int kNameDimensions = 64;
constexpr int kSymbolMaxChars = 31;

struct Letter {
    int flag;
    wchar_t letter;
};

// Letters in the order they take dimensions.
constexpr std::initializer_list<Letter> kCsysLetters = {{8, L'A'}, {16, L'B'}, {32, L'C'},
                                                        {1, L'X'}, {2, L'Y'},  {4, L'Z'}};
constexpr std::initializer_list<Letter> kPointLetters = {{1, L'X'}, {2, L'Y'}, {4, L'Z'}};

// Raises Ardo::Error(-6, text) when `flags` asks for a symbol that `name` would make
// longer than the host takes. Makes no host call.
void refuseLongSymbols(const char* name, int flags, std::initializer_list<Letter> letters,
                       const char* text);

// Lists the feature's dimensions (ProFeatureDimensionVisit; a failure raises
// Ardo::Error(code, text)) and sets the symbols the flags ask for; the results of
// ProDimensionSymbolSet are not examined. Letters beyond the listed dimensions get none.
void nameDimensions(ProFeature& feature, const wchar_t* name, int flags,
                    std::initializer_list<Letter> letters, const char* text);

}  // namespace Ardo::dimsym
