// kelt2pMdl: forwarding of the import and export operations, with their name checks.
#include "base/facade_impl.h"
#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/mdl.h"
#include "model/solid.h"

namespace Ardo {

namespace {

constexpr const char* kFileTooLong = "filename too long";
// ImportSTEP, ImportACIS, ShrinkwrapCreate and WriteSTL take names of up to 32
// characters.
constexpr std::size_t kMaxShortFile = 32;

void refuseLongFile(const char* file, std::size_t maxChars, const char* text) {
    refuseLongerThan(file, maxChars, PRO_TK_LINE_TOO_LONG, text);
}

}  // namespace

void kelt2pMdl::WriteSTEP(const char* file, const char* csysPattern, bool surfaces, bool incl1,
                          bool incl2) {
    impl->WriteExport(file, csysPattern, KELT2P_EXPORT_STEP, KELT2P_OUTPUT_SINGLE_FILE, surfaces,
                      incl1, incl2);
}

void kelt2pMdl::WriteACIS(const char* file, const char* csysPattern, bool surfaces, bool incl1,
                          bool incl2) {
    impl->WriteExport(file, csysPattern, KELT2P_EXPORT_SAT, KELT2P_OUTPUT_FLAT_FILE, surfaces,
                      incl1, incl2);
}

void kelt2pMdl::WriteExport(const char* file, const char* csysPattern, kelt2p3D_Export_Type format,
                            kelt2pOutput_AsmCfg cfg, bool surfaces, bool incl1, bool incl2) {
    impl->WriteExport(file, csysPattern, format, cfg, surfaces, incl1, incl2);
}

void kelt2pMdl::WriteSTL(const char* name, Matrix& m, const char* csysName, double chord,
                         double angle) {
    refuseLongFile(name, kMaxShortFile, kFileTooLong);
    impl->WriteSTL(name, m, csysName, chord, angle);
}

void kelt2pMdl::WritePDF(const char* file) {
    refuseLongFile(file, text::kPathSize - 1, kFileTooLong);
    impl->WritePDF(file);
}

void kelt2pMdl::ExportVRML(const char* file) {
    refuseLongFile(file, text::kPathSize - 1, kFileTooLong);
    impl->ExportVRML(file);
}

void kelt2pMdl::ImportSTEP(const char* file) {
    refuseLongFile(file, kMaxShortFile, "Ardo::kelt2pMdl::ImportSTEP");
    impl->ImportSTEP(file);
}

void kelt2pMdl::ImportACIS(const char* file) {
    refuseLongFile(file, kMaxShortFile, "Ardo::kelt2pMdl::ImportACIS");
    impl->ImportACIS(file);
}

// `level` is accepted and not read.
int kelt2pMdl::ShrinkwrapCreate(const char* file, int /*level*/, bool holes) {
    refuseLongFile(file, kMaxShortFile, "Ardo::kelt2pMdl::ShrinkwrapCreate");
    return impl->ShrinkwrapCreate(file, holes);
}

int kelt2pMdl::ShrinkwrapCreate(kelt2pMdl& target, int /*level*/, bool holes) {
    return impl->ShrinkwrapCreate(FacadeAccess::ImplOf(target), holes);
}

kelt2pMdl& kelt2pMdl::Create(const char* name, kelt2pMdlType type, const char* file,
                             kelt2pIntfImportType itype, bool split) {
    impl->Create(name, type, file, itype, split);
    return *this;
}

}  // namespace Ardo
