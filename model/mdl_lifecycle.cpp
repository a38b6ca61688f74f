// Whole-model operations on the bound model: save, rename, copy, backup, erase,
// display and the model's state in the host's user interface.
#include <ProMdl.h>

#include "base/length_check.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/mdl.h"

namespace Ardo {

namespace {

// Host result codes of the argument checks of Copy and Backup; the toolkit contract
// names neither.
constexpr int kCopyNameTooLong = 33;
constexpr int kBackupDirTooLong = 261;

}  // namespace

void Mdl::Save() {
    requireHandle("Ardo::Mdl::Save");
    check(ProMdlSave(handle), "Ardo::Mdl::Save");
}

void Mdl::Rename(const char* newName) {
    requireHandle("Ardo::Mdl::Rename");
    ProName wide;
    text::widenBounded(wide, newName);
    check(ProMdlRename(handle, wide), "Ardo::Mdl::Rename");
}

// The name is checked before anything else, under the application's operation name.
void Mdl::Copy(const char* newName) {
    refuseLongerThan(newName, text::kNameSize - 1, kCopyNameTooLong, "Ardo::kelt2pMdl::Copy");
    requireHandle("Ardo::Mdl::Copy");
    ProName wide;
    text::widenBounded(wide, newName);
    // The copy stays in the host; no object is bound to it.
    check(ProMdlCopy(handle, wide, nullptr), "Ardo::Mdl::Copy");
}

// The directory is checked before anything else, under the application's operation name.
void Mdl::Backup(const char* dir) {
    refuseLongerThan(dir, text::kPathSize - 1, kBackupDirTooLong, "Ardo::kelt2pMdl::Backup");
    requireHandle("Ardo::Mdl::Backup");
    // Only the path field carries meaning for the host; the rest stays empty.
    ProMdldata data = {};
    text::widenBounded(data.path, dir);
    check(ProMdlBackup(handle, &data), "Ardo::Mdl::Backup");
}

void Mdl::Erase() {
    requireHandle("Ardo::Mdl::Erase");
    check(ProMdlErase(handle), "Ardo::Mdl::Erase");
    handle = nullptr;
}

void Mdl::EraseAll() {
    requireHandle("Ardo::Mdl::EraseAll");
    check(ProMdlEraseAll(handle), "Ardo::Mdl::EraseAll");
    handle = nullptr;
}

void Mdl::Display() {
    if (handle != nullptr) {
        status = ProMdlDisplay(handle);
    }
    // Unbound, this reports the last recorded host call.
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Mdl::Display");
    }
}

bool Mdl::ModificationVerify() {
    if (handle == nullptr) {
        return false;
    }
    ProBoolean modified = PRO_B_FALSE;
    check(ProMdlModifVerify(handle, &modified), "Ardo::Mdl::ModificationVerify");
    return modified == PRO_B_TRUE;
}

int Mdl::WindowGet() {
    requireHandle("Ardo::Mdl::WindowGet");
    int id = -1;
    check(ProMdlWindowGet(handle, &id), "Ardo::Mdl::WindowGet");
    return id;
}

void Mdl::TreetoolRefresh() {
    requireHandle("Ardo::Mdl::TreetoolRefresh");
    check(ProTreetoolRefresh(handle), "Ardo::Mdl::TreetoolRefresh");
}

}  // namespace Ardo
