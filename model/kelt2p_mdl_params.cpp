// kelt2pMdl: forwarding of the parameter and dimension operations, the argument checks
// of the facade and its result buffers.
#include <cstring>
#include <string>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

namespace {

constexpr std::size_t kNameMax = 31;
constexpr std::size_t kTextMax = 80;

// Filled by ParamDescription(name), ParamDescription(feature, name) and DimName; each
// holds at most 80 characters and its terminator.
char modelParamDescription[88];
char featureParamDescription[88];
char dimNameText[88];

std::size_t lengthOf(const char* text) {
    return text == nullptr ? 0 : std::strlen(text);
}

void checkGetName(const char* name) {
    if (lengthOf(name) > kNameMax) {
        throw Error(PRO_TK_LINE_TOO_LONG, "Ardo::kelt2pMdl::ParamGet");
    }
}

void checkSetText(const char* name, const char* text) {
    if (lengthOf(name) > kNameMax || lengthOf(text) > kTextMax) {
        throw Error(PRO_TK_LINE_TOO_LONG, "Ardo::kelt2pMdl::ParamSet");
    }
}

const char* keep(char (&buffer)[88], const std::string& text) {
    text::copyBounded(buffer, kTextMax + 1, text.c_str());
    return buffer;
}

}  // namespace

// --- Parameters ----------------------------------------------------------------

bool kelt2pMdl::ParamExist(const char* name) {
    return impl->ParamExist(name);
}
bool kelt2pMdl::ParamExist(const char* feature, const char* name) {
    return impl->ParamExist(feature, name);
}

kelt2pParamValue kelt2pMdl::ParamGet(const char* name) {
    checkGetName(name);
    return impl->ParamGet(name);
}
kelt2pParamValue kelt2pMdl::ParamGet(const char* feature, const char* name) {
    checkGetName(name);
    return impl->ParamGet(feature, name);
}

void kelt2pMdl::ParamSet(kelt2pParamValue value) {
    impl->ParamSet(value);
}
void kelt2pMdl::ParamSet(const char* feature, kelt2pParamValue value) {
    impl->ParamSet(feature, value);
}
void kelt2pMdl::ParamSet(const char* name, double value) {
    impl->ParamSet(name, value);
}
void kelt2pMdl::ParamSet(const char* feature, const char* name, double value) {
    impl->ParamSet(feature, name, value);
}
void kelt2pMdl::ParamSet(const char* name, int value) {
    impl->ParamSet(name, value);
}
void kelt2pMdl::ParamSet(const char* feature, const char* name, int value) {
    impl->ParamSet(feature, name, value);
}
void kelt2pMdl::ParamSet(const char* name, const char* text) {
    checkSetText(name, text);
    impl->ParamSet(name, text);
}
void kelt2pMdl::ParamSet(const char* feature, const char* name, const char* text) {
    checkSetText(name, text);
    impl->ParamSet(feature, name, text);
}

void kelt2pMdl::ParamDelete(const char* name) {
    impl->ParamDelete(name);
}
void kelt2pMdl::ParamDelete(int featureId, const char* name) {
    impl->ParamDelete(featureId, name);
}

const char* kelt2pMdl::ParamDescription(const char* name) {
    return keep(modelParamDescription, impl->ParamDescription(name));
}
const char* kelt2pMdl::ParamDescription(const char* feature, const char* name) {
    return keep(featureParamDescription, impl->ParamDescription(feature, name));
}
void kelt2pMdl::ParamDescriptionSet(const char* name, const char* text) {
    impl->ParamDescriptionSet(name, text);
}
void kelt2pMdl::ParamDescriptionSet(const char* feature, const char* name, const char* text) {
    impl->ParamDescriptionSet(feature, name, text);
}

int kelt2pMdl::ParamList(const char* pattern) {
    impl->ParamList(pattern);
    return impl->ParamListSize();
}
int kelt2pMdl::ParamList(const char* feature, const char* pattern) {
    impl->ParamList(feature, pattern);
    return impl->ParamListSize();
}
kelt2pParamValue kelt2pMdl::ParamListAt(int i) {
    return impl->ParamListAt(i);
}

// --- Dimensions ----------------------------------------------------------------

bool kelt2pMdl::DimExist(const char* name) {
    return impl->DimExist(name);
}
double kelt2pMdl::DimGet(const char* name) {
    return impl->DimGet(name);
}
void kelt2pMdl::DimSet(const char* name, double value) {
    impl->DimSet(name, value);
}
void kelt2pMdl::DimShow(const char* name) {
    impl->DimShow(name);
}
int kelt2pMdl::DimList(const char* pattern) {
    return impl->DimList(pattern);
}
int kelt2pMdl::DimListAt(int i) {
    return impl->DimListAt(i);
}
const char* kelt2pMdl::DimName(int id) {
    return keep(dimNameText, impl->DimName(id));
}
DimDisplayMode kelt2pMdl::DimDisplaymodeGet() {
    return impl->DimDisplaymodeGet();
}
void kelt2pMdl::DimDisplaymodeSet(DimDisplayMode mode) {
    impl->DimDisplaymodeSet(mode);
}

}  // namespace Ardo
