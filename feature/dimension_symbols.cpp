#include "feature/dimension_symbols.h"

#include <ProDimension.h>

#include <cstring>
#include <cwchar>
#include <vector>

#include "kelt2proe/error.h"
#include "toolkit/check.h"

namespace Ardo::dimsym {

namespace {

bool asksForSymbols(int flags, std::initializer_list<Letter> letters) {
    if ((flags & kNameDimensions) == 0) {
        return false;
    }
    for (const Letter& l : letters) {
        if ((flags & l.flag) != 0) {
            return true;
        }
    }
    return false;
}

ProError collect(ProDimension* dimension, ProError, ProAppData data) {
    static_cast<std::vector<ProDimension>*>(data)->push_back(*dimension);
    return PRO_TK_NO_ERROR;
}

}  // namespace

void refuseLongSymbols(const char* name, int flags, std::initializer_list<Letter> letters,
                       const char* text) {
    // "_" and the letter follow the name.
    if (asksForSymbols(flags, letters) && name != nullptr &&
        std::strlen(name) + 2 > static_cast<std::size_t>(kSymbolMaxChars)) {
        throw Error(PRO_TK_LINE_TOO_LONG, text);
    }
}

void nameDimensions(ProFeature& feature, const wchar_t* name, int flags,
                    std::initializer_list<Letter> letters, const char* text) {
    if (!asksForSymbols(flags, letters)) {
        return;
    }
    std::vector<ProDimension> dimensions;
    ProError err = ProFeatureDimensionVisit(&feature, collect, nullptr, &dimensions);
    if (err != PRO_TK_E_NOT_FOUND) {
        Ardo::check(err, text);
    }
    std::size_t next = 0;
    for (const Letter& l : letters) {
        if ((flags & l.flag) == 0) {
            continue;
        }
        if (next == dimensions.size()) {
            break;
        }
        ProName symbol = {};
        std::swprintf(symbol, PRO_NAME_SIZE, L"%ls_%lc", name, static_cast<wint_t>(l.letter));
        ProDimensionSymbolSet(&dimensions[next++], symbol);
    }
}

}  // namespace Ardo::dimsym
