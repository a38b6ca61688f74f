// kelt2pMdl: forwarding of the parameter and dimension operations.
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

// --- Parameters ----------------------------------------------------------------

bool kelt2pMdl::ParamExist(const char* name) {
    return impl->ParamExist(name);
}
bool kelt2pMdl::ParamExist(const char* feature, const char* name) {
    return impl->ParamExist(feature, name);
}

kelt2pParamValue kelt2pMdl::ParamGet(const char* name) {
    return impl->ParamGet(name);
}
kelt2pParamValue kelt2pMdl::ParamGet(const char* feature, const char* name) {
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
    impl->ParamSet(name, text);
}
void kelt2pMdl::ParamSet(const char* feature, const char* name, const char* text) {
    impl->ParamSet(feature, name, text);
}

void kelt2pMdl::ParamDelete(const char* name) {
    impl->ParamDelete(name);
}
void kelt2pMdl::ParamDelete(int featureId, const char* name) {
    impl->ParamDelete(featureId, name);
}

const char* kelt2pMdl::ParamDescription(const char* name) {
    return impl->ParamDescription(name);
}
const char* kelt2pMdl::ParamDescription(const char* feature, const char* name) {
    return impl->ParamDescription(feature, name);
}
void kelt2pMdl::ParamDescriptionSet(const char* name, const char* text) {
    impl->ParamDescriptionSet(name, text);
}
void kelt2pMdl::ParamDescriptionSet(const char* feature, const char* name, const char* text) {
    impl->ParamDescriptionSet(feature, name, text);
}

int kelt2pMdl::ParamList(const char* pattern) {
    return impl->ParamList(pattern);
}
int kelt2pMdl::ParamList(const char* feature, const char* pattern) {
    return impl->ParamList(feature, pattern);
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
    return impl->DimName(id);
}
DimDisplayMode kelt2pMdl::DimDisplaymodeGet() {
    return impl->DimDisplaymodeGet();
}
void kelt2pMdl::DimDisplaymodeSet(DimDisplayMode mode) {
    impl->DimDisplaymodeSet(mode);
}

}  // namespace Ardo
