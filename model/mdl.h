// Ardo::Mdl: the host model handle shared by solids, drawings and manufacturing
// models, and the whole-model operations that work on it.
#pragma once

#include <ProObjects.h>

#include <cstdint>

#include "kelt2proe/mdl.h"

namespace Ardo {

class Mdl {
public:
    // Unbound: no handle, empty name, type unused (-1), status 0.
    Mdl() = default;
    explicit Mdl(ProMdl hostHandle) : handle(hostHandle) {}

    // Raises (-45, "Ardo::Mdl::IsInit") while unbound.
    void IsInit() const;
    // The bound handle, without any test (null while unbound).
    ProMdl Handle() const { return handle; }

    // Binding and identity
    void Load(const char* name, kelt2pMdlType type, bool flag);
    void Load(bool flag);
    bool IsLoaded();
    void Current();
    const char* NameGet();
    void NameSet(const char* name);
    kelt2pMdlType TypeGet();
    void TypeSet(kelt2pMdlType type);
    kelt2pMdlsubtype SubtypeGet();
    bool IsAsm();
    bool IsMfg();
    bool IsInstance();
    bool IsFlexible();
    kelt2pMdldata DataGet();

    // Whole-model operations
    void Save();
    void Rename(const char* name);
    // A name over 31 characters is refused first with (33, "Ardo::kelt2pMdl::Copy").
    void Copy(const char* name);
    // A directory over 259 characters is refused first with (261, "Ardo::kelt2pMdl::Backup").
    void Backup(const char* dir);
    void Erase();
    void EraseAll();
    void Display();
    bool ModificationVerify();
    int WindowGet();
    void TreetoolRefresh();

    // Units
    kelt2pLengthUnit LengthUnitGet();
    void LengthUnitSet(kelt2pLengthUnit unit);

    // Version stamp
    int VerstampStringGet(char* buf);
    bool VerstampEqual(const char* stamp);

    // Through the model's window
    void Repaint();
    void Refresh();

    // Display, views and layers
    bool DispModePlane(bool on);
    bool DispModePoint(bool on);
    bool DispModeCsys(bool on);
    bool DispModeAxis(bool on);
    bool DispModeNote(bool on);
    void ViewRetrieve(const char* viewName);
    void ViewStore(const char* viewName);
    void ViewReset();
    void ViewRefit();
    // The named view's matrix (the empty name: the current view's), transposed from the
    // host's layout; the name's lookup fails with "Ardo::kelt2pMdl::ViewMatrixGet".
    Matrix ViewMatrixGet(const char* viewName);
    // Normalises `m` in place and orients the current view by it.
    void ViewMatrixSet(Matrix& m);
    int LayerCreate(const char* layerName);
    kelt2pLayerDisplay LayerDisplaystatus(const char* pattern);
    void LayerDisplaystatus(const char* pattern, kelt2pLayerDisplay displayStatus);
    void LayerItemAdd(const char* layerName, int id);
    // Fills the process-wide layer list; returns its length.
    int LayerList(const char* pattern);

    ProMdl handle = nullptr;
    // Result code of the last host call made through this object.
    std::int32_t status = 0;
    // Name used while unbound (31 characters and terminator); receives the host's name
    // when NameGet reads it.
    char name[32] = {};
    // Type used while unbound; set only by TypeSet.
    kelt2pMdlType type = KELT2P_MDL_UNUSED;

protected:
    // Raises (-45, text) while unbound.
    void requireHandle(const char* text) const;
    // Stores `code` in status and raises (code, text) when it is not success.
    void check(int code, const char* text);

private:
    // The host's type of the bound model through ardotk::MdlType, status recorded.
    kelt2pMdlType hostType();
    // Switches the yes/no display option on or off; every failure raises with `text`.
    bool displaySwitch(const wchar_t* option, bool on, const char* text);
};

}  // namespace Ardo
