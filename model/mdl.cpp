// Binding a model object to a host model, and its identity: name, type, data.
#include "model/mdl.h"

#include <ProFaminstance.h>
#include <ProMdl.h>
#include <ProVariantFeat.h>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/mdl.h"

namespace Ardo {

void Mdl::requireHandle(const char* text) const {
    if (handle == nullptr) {
        throw Error(PRO_TK_EMPTY, text);
    }
}

void Mdl::check(int code, const char* text) {
    status = code;
    Ardo::check(static_cast<ProError>(code), text);
}

void Mdl::IsInit() const {
    requireHandle("Ardo::Mdl::IsInit");
}

void Mdl::Load(const char* modelName, kelt2pMdlType modelType, bool flag) {
    ProPath path;
    text::widenBounded(path, modelName);
    ProMdl loaded = nullptr;
    check(ProMdlLoad(path, static_cast<ProMdlType>(modelType), flag ? PRO_B_TRUE : PRO_B_FALSE,
                     &loaded),
          "Ardo::Mdl::Load");
    handle = loaded;
}

void Mdl::Load(bool flag) {
    Load(name, type, flag);
}

bool Mdl::IsLoaded() {
    if (handle != nullptr) {
        return true;
    }
    ProName wide;
    text::widenBounded(wide, name);
    ProMdl found = nullptr;
    status = ProMdlInit(wide, static_cast<ProMdlType>(type), &found);
    if (status != PRO_TK_NO_ERROR || found == nullptr) {
        return false;
    }
    handle = found;
    name[0] = '\0';
    return true;
}

void Mdl::Current() {
    ProMdl current = nullptr;
    check(ProMdlCurrentGet(&current), "Ardo::Mdl::Current");
    handle = current;
}

const char* Mdl::NameGet() {
    if (handle == nullptr) {
        if (name[0] == '\0') {
            throw Error(PRO_TK_EMPTY, "Ardo::Mdl::NameGet");
        }
        return name;
    }
    ProName wide = {};
    check(ProMdlNameGet(handle, wide), "Ardo::Mdl::NameGet");
    wide[PRO_NAME_SIZE - 1] = L'\0';
    text::copyBounded(name, text::toNarrow(wide).c_str());
    return name;
}

void Mdl::NameSet(const char* newName) {
    if (handle == nullptr) {
        text::copyBounded(name, newName);
    }
}

kelt2pMdlType Mdl::TypeGet() {
    if (handle == nullptr) {
        if (name[0] == '\0') {
            throw Error(PRO_TK_EMPTY, "Ardo::Mdl::TypeGet");
        }
        return type;
    }
    return hostType();
}

kelt2pMdlType Mdl::hostType() {
    try {
        kelt2pMdlType hostResult = static_cast<kelt2pMdlType>(ardotk::MdlType(handle));
        status = PRO_TK_NO_ERROR;
        return hostResult;
    } catch (const ardotk::Error& e) {
        status = e.code;
        throw;
    }
}

void Mdl::TypeSet(kelt2pMdlType newType) {
    if (handle == nullptr) {
        type = newType;
    }
}

kelt2pMdlsubtype Mdl::SubtypeGet() {
    requireHandle("Ardo::Mdl::SubtypeGet");
    ProMdlsubtype subtype = PROMDLSTYPE_NONE;
    status = ProMdlSubtypeGet(handle, &subtype);
    if (status == PRO_TK_BAD_CONTEXT) {
        return KELT2P_MDLSTYPE_NONE;  // the model's type has no subtypes
    }
    check(status, "Ardo::Mdl::SubtypeGet");
    return static_cast<kelt2pMdlsubtype>(subtype);
}

bool Mdl::IsAsm() {
    return hostType() == KELT2P_MDL_ASSEMBLY;
}

bool Mdl::IsMfg() {
    return TypeGet() == KELT2P_MDL_MFG;
}

bool Mdl::IsInstance() {
    // An instance of a family table is the one model that has a generic.
    ProMdl generic = nullptr;
    status = ProFaminstanceGenericGet(handle, 1, &generic);
    return status == PRO_TK_NO_ERROR;
}

bool Mdl::IsFlexible() {
    ProBoolean flexible = PRO_B_FALSE;
    check(ProMdlIsVariantfeatMdl(handle, &flexible), "Ardo::Mdl::IsFlexible");
    return flexible == PRO_B_TRUE;
}

kelt2pMdldata Mdl::DataGet() {
    requireHandle("Ardo::Mdl::DataGet");
    ProMdldata data = {};
    check(ProMdldataGet(handle, &data), "Ardo::Mdl::DataGet");
    kelt2pMdldata result = {};
    text::narrowField(result.name, data.name);
    text::narrowField(result.type, data.type);
    text::narrowField(result.path, data.path);
    text::narrowField(result.device, data.device);
    text::narrowField(result.host, data.host);
    result.number1 = data.version;
    result.number2 = data.subclass;
    return result;
}

}  // namespace Ardo
