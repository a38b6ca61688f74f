#include "result_codes.h"

namespace kelt2p {

namespace {

struct CodeName {
    int code;
    const char* name;
};

// The host toolkit's published result codes.
constexpr CodeName kCodes[] = {
    {0, "PRO_TK_NO_ERROR"},
    {-1, "PRO_TK_GENERAL_ERROR"},
    {-2, "PRO_TK_BAD_INPUTS"},
    {-3, "PRO_TK_USER_ABORT"},
    {-4, "PRO_TK_E_NOT_FOUND"},
    {-5, "PRO_TK_E_FOUND"},
    {-6, "PRO_TK_LINE_TOO_LONG"},
    {-7, "PRO_TK_CONTINUE"},
    {-8, "PRO_TK_BAD_CONTEXT"},
    {-9, "PRO_TK_NOT_IMPLEMENTED"},
    {-10, "PRO_TK_OUT_OF_MEMORY"},
    {-11, "PRO_TK_COMM_ERROR"},
    {-12, "PRO_TK_NO_CHANGE"},
    {-13, "PRO_TK_SUPP_PARENTS"},
    {-14, "PRO_TK_PICK_ABOVE"},
    {-15, "PRO_TK_INVALID_DIR"},
    {-16, "PRO_TK_INVALID_FILE"},
    {-17, "PRO_TK_CANT_WRITE"},
    {-18, "PRO_TK_INVALID_TYPE"},
    {-19, "PRO_TK_INVALID_PTR"},
    {-20, "PRO_TK_UNAV_SEC"},
    {-21, "PRO_TK_INVALID_MATRIX"},
    {-22, "PRO_TK_INVALID_NAME"},
    {-23, "PRO_TK_NOT_EXIST"},
    {-24, "PRO_TK_CANT_OPEN"},
    {-25, "PRO_TK_ABORT"},
    {-26, "PRO_TK_NOT_VALID"},
    {-27, "PRO_TK_INVALID_ITEM"},
    {-28, "PRO_TK_MSG_NOT_FOUND"},
    {-29, "PRO_TK_MSG_NO_TRANS"},
    {-30, "PRO_TK_MSG_FMT_ERROR"},
    {-31, "PRO_TK_MSG_USER_QUIT"},
    {-32, "PRO_TK_MSG_TOO_LONG"},
    {-33, "PRO_TK_CANT_ACCESS"},
    {-34, "PRO_TK_OBSOLETE_FUNC"},
    {-35, "PRO_TK_NO_COORD_SYSTEM"},
    {-36, "PRO_TK_E_AMBIGUOUS"},
    {-37, "PRO_TK_E_DEADLOCK"},
    {-38, "PRO_TK_E_BUSY"},
    {-39, "PRO_TK_E_IN_USE"},
    {-40, "PRO_TK_NO_LICENSE"},
    {-41, "PRO_TK_BSPL_UNSUITABLE_DEGREE"},
    {-42, "PRO_TK_BSPL_NON_STD_END_KNOTS"},
    {-43, "PRO_TK_BSPL_MULTI_INNER_KNOTS"},
    {-44, "PRO_TK_BAD_SRF_CRV"},
    {-45, "PRO_TK_EMPTY"},
    {-46, "PRO_TK_BAD_DIM_ATTACH"},
    {-47, "PRO_TK_NOT_DISPLAYED"},
    {-48, "PRO_TK_CANT_MODIFY"},
    {-49, "PRO_TK_CHECKOUT_CONFLICT"},
    {-50, "PRO_TK_CRE_VIEW_BAD_SHEET"},
    {-51, "PRO_TK_CRE_VIEW_BAD_MODEL"},
    {-52, "PRO_TK_CRE_VIEW_BAD_PARENT"},
    {-53, "PRO_TK_CRE_VIEW_BAD_TYPE"},
    {-54, "PRO_TK_CRE_VIEW_BAD_EXPLODE"},
    {-55, "PRO_TK_UNATTACHED_FEATS"},
    {-56, "PRO_TK_REGEN_AGAIN"},
    {-57, "PRO_TK_DWGCREATE_ERRORS"},
    {-58, "PRO_TK_UNSUPPORTED"},
    {-59, "PRO_TK_NO_PERMISSION"},
    {-60, "PRO_TK_AUTHENTICATION_FAILURE"},
    {-61, "PRO_TK_OUTDATED"},
    {-62, "PRO_TK_INCOMPLETE"},
    {-63, "PRO_TK_CHECK_OMITTED"},
    {-64, "PRO_TK_MAX_LIMIT_REACHED"},
    {-65, "PRO_TK_OUT_OF_RANGE"},
    {-66, "PRO_TK_CHECK_LAST_ERROR"},
    {-67, "PRO_TK_NO_PLM_LICENSE"},
    {-68, "PRO_TK_INCOMPLETE_TESS"},
    {-69, "PRO_TK_MULTIBODY_UNSUPPORTED"},
    {-70, "PRO_TK_BROWSER_UNAVAILABLE"},
    {-71, "PRO_TK_DLL_LOAD_ERROR"},
    {-88, "PRO_TK_APP_CREO_BARRED"},
    {-89, "PRO_TK_APP_TOO_OLD"},
    {-90, "PRO_TK_APP_BAD_DATAPATH"},
    {-91, "PRO_TK_APP_BAD_ENCODING"},
    {-92, "PRO_TK_APP_NO_LICENSE"},
    {-93, "PRO_TK_APP_XS_CALLBACKS"},
    {-94, "PRO_TK_APP_STARTUP_FAIL"},
    {-95, "PRO_TK_APP_INIT_FAIL"},
    {-96, "PRO_TK_APP_VERSION_MISMATCH"},
    {-97, "PRO_TK_APP_COMM_FAILURE"},
    {-98, "PRO_TK_APP_NEW_VERSION"},
    {-99, "PRO_TK_APP_UNLOCK"},
    {-100, "PRO_TK_APP_JLINK_NOT_ALLOWED"},
};

}  // namespace

const char* resultCodeName(int code) {
    for (const CodeName& entry : kCodes) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return nullptr;
}

std::string describeResultCode(int code) {
    const char* name = resultCodeName(code);
    return name ? std::to_string(code) + " " + name : std::to_string(code);
}

}  // namespace kelt2p
