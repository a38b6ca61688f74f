// Toolkit contract: basic types, result codes and buffer sizes of the host toolkit.
// The library compiles against these declarations alone; the simulated host or the
// real toolkit provides the definitions.
#pragma once

#include <stddef.h>
#include <wchar.h>

#ifdef __cplusplus
#define PRO_BEGIN_C_DECLS extern "C" {
#define PRO_END_C_DECLS }
#else
#define PRO_BEGIN_C_DECLS
#define PRO_END_C_DECLS
#endif

#ifndef PRO_TK_EXPORT
#if defined(_WIN32) && defined(SIMHOST_BUILDING)
#define PRO_TK_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define PRO_TK_EXPORT
#else
#define PRO_TK_EXPORT __attribute__((visibility("default")))
#endif
#endif

#define PRO_CONST_ARG const

typedef enum { PRO_B_FALSE = 0, PRO_B_TRUE = 1 } ProBoolean;
typedef ProBoolean ProBool;

#define PRO_VALUE_UNUSED (-1)
#define PRO_VALUE_DEFAULT (-5)

typedef enum {
    PRO_TK_NO_ERROR = 0,
    PRO_TK_GENERAL_ERROR = -1,
    PRO_TK_BAD_INPUTS = -2,
    PRO_TK_USER_ABORT = -3,
    PRO_TK_E_NOT_FOUND = -4,
    PRO_TK_E_FOUND = -5,
    PRO_TK_LINE_TOO_LONG = -6,
    PRO_TK_CONTINUE = -7,
    PRO_TK_BAD_CONTEXT = -8,
    PRO_TK_NOT_IMPLEMENTED = -9,
    PRO_TK_OUT_OF_MEMORY = -10,
    PRO_TK_COMM_ERROR = -11,
    PRO_TK_NO_CHANGE = -12,
    PRO_TK_SUPP_PARENTS = -13,
    PRO_TK_PICK_ABOVE = -14,
    PRO_TK_INVALID_DIR = -15,
    PRO_TK_INVALID_FILE = -16,
    PRO_TK_CANT_WRITE = -17,
    PRO_TK_INVALID_TYPE = -18,
    PRO_TK_INVALID_PTR = -19,
    PRO_TK_UNAV_SEC = -20,
    PRO_TK_INVALID_MATRIX = -21,
    PRO_TK_INVALID_NAME = -22,
    PRO_TK_NOT_EXIST = -23,
    PRO_TK_CANT_OPEN = -24,
    PRO_TK_ABORT = -25,
    PRO_TK_NOT_VALID = -26,
    PRO_TK_INVALID_ITEM = -27,
    PRO_TK_MSG_NOT_FOUND = -28,
    PRO_TK_MSG_NO_TRANS = -29,
    PRO_TK_MSG_FMT_ERROR = -30,
    PRO_TK_MSG_USER_QUIT = -31,
    PRO_TK_MSG_TOO_LONG = -32,
    PRO_TK_CANT_ACCESS = -33,
    PRO_TK_OBSOLETE_FUNC = -34,
    PRO_TK_NO_COORD_SYSTEM = -35,
    PRO_TK_E_AMBIGUOUS = -36,
    PRO_TK_E_DEADLOCK = -37,
    PRO_TK_E_BUSY = -38,
    PRO_TK_E_IN_USE = -39,
    PRO_TK_NO_LICENSE = -40,
    PRO_TK_BSPL_UNSUITABLE_DEGREE = -41,
    PRO_TK_BSPL_NON_STD_END_KNOTS = -42,
    PRO_TK_BSPL_MULTI_INNER_KNOTS = -43,
    PRO_TK_BAD_SRF_CRV = -44,
    PRO_TK_EMPTY = -45,
    PRO_TK_BAD_DIM_ATTACH = -46,
    PRO_TK_NOT_DISPLAYED = -47,
    PRO_TK_CANT_MODIFY = -48,
    PRO_TK_CHECKOUT_CONFLICT = -49,
    PRO_TK_CRE_VIEW_BAD_SHEET = -50,
    PRO_TK_CRE_VIEW_BAD_MODEL = -51,
    PRO_TK_CRE_VIEW_BAD_PARENT = -52,
    PRO_TK_CRE_VIEW_BAD_TYPE = -53,
    PRO_TK_CRE_VIEW_BAD_EXPLODE = -54,
    PRO_TK_UNATTACHED_FEATS = -55,
    PRO_TK_REGEN_AGAIN = -56,
    PRO_TK_DWGCREATE_ERRORS = -57,
    PRO_TK_UNSUPPORTED = -58,
    PRO_TK_NO_PERMISSION = -59,
    PRO_TK_AUTHENTICATION_FAILURE = -60,
    PRO_TK_OUTDATED = -61,
    PRO_TK_INCOMPLETE = -62,
    PRO_TK_CHECK_OMITTED = -63,
    PRO_TK_MAX_LIMIT_REACHED = -64,
    PRO_TK_OUT_OF_RANGE = -65,
    PRO_TK_CHECK_LAST_ERROR = -66,
    PRO_TK_NO_PLM_LICENSE = -67,
    PRO_TK_INCOMPLETE_TESS = -68,
    PRO_TK_MULTIBODY_UNSUPPORTED = -69,
    PRO_TK_BROWSER_UNAVAILABLE = -70,
    PRO_TK_DLL_LOAD_ERROR = -71,
    PRO_TK_APP_CREO_BARRED = -88,
    PRO_TK_APP_TOO_OLD = -89,
    PRO_TK_APP_BAD_DATAPATH = -90,
    PRO_TK_APP_BAD_ENCODING = -91,
    PRO_TK_APP_NO_LICENSE = -92,
    PRO_TK_APP_XS_CALLBACKS = -93,
    PRO_TK_APP_STARTUP_FAIL = -94,
    PRO_TK_APP_INIT_FAIL = -95,
    PRO_TK_APP_VERSION_MISMATCH = -96,
    PRO_TK_APP_COMM_FAILURE = -97,
    PRO_TK_APP_NEW_VERSION = -98,
    PRO_TK_APP_UNLOCK = -99,
    PRO_TK_APP_JLINK_NOT_ALLOWED = -100,
} ProError;
typedef ProError ProErr;

#define PRO_NAME_SIZE 32
#define PRO_LINE_SIZE 81
#define PRO_PATH_SIZE 260
#define PRO_COMMENT_SIZE 256
#define PRO_VALUE_SIZE 256
#define PRO_MDLNAME_SIZE 180
#define PRO_TYPE_SIZE 4
#define PRO_EXTENSION_SIZE 4
#define PRO_VERSION_SIZE 4
#define PRO_MDLEXTENSION_SIZE 32
#define PRO_MAX_ASSEM_LEVEL 25
#define PRO_FILE_NAME_SIZE (PRO_NAME_SIZE + PRO_EXTENSION_SIZE + PRO_VERSION_SIZE)
#define PRO_FILE_MDLNAME_SIZE 216
#define PRO_FAMILY_NAME_SIZE 66
#define PRO_FAMILY_MDLNAME_SIZE 362
#define PRO_CONNECTID_SIZE 256

typedef wchar_t ProName[PRO_NAME_SIZE];
typedef wchar_t ProLine[PRO_LINE_SIZE];
typedef wchar_t ProPath[PRO_PATH_SIZE];
typedef wchar_t ProFileName[PRO_FILE_NAME_SIZE];
typedef wchar_t ProMdlName[PRO_MDLNAME_SIZE];
typedef wchar_t ProMdlExtension[PRO_MDLEXTENSION_SIZE];
typedef wchar_t ProMdlFileName[PRO_FILE_MDLNAME_SIZE];
typedef wchar_t ProFamilyName[PRO_FAMILY_NAME_SIZE];
typedef wchar_t ProFamilyMdlName[PRO_FAMILY_MDLNAME_SIZE];
typedef wchar_t ProComment[PRO_COMMENT_SIZE];
typedef wchar_t ProMacro[PRO_COMMENT_SIZE];
typedef char ProCharName[PRO_NAME_SIZE];
typedef char ProCharPath[PRO_PATH_SIZE];
typedef char ProCharLine[PRO_LINE_SIZE];
typedef wchar_t* ProWstring;

typedef int ProIdTable[PRO_MAX_ASSEM_LEVEL];
typedef double ProVector[3];
typedef double ProPoint3d[3];
typedef double Pro3dPnt[3];
typedef double ProPoint2d[2];
typedef double Pro2dPnt[2];
typedef double ProMatrix[4][4];
typedef double ProUvParam[2];
typedef double ProOutline[2][3];
typedef double ProSelbox[2][3];
typedef void* ProAppData;
typedef int* ProIntlist;
typedef ProError (*ProFunction)();

typedef enum {
    PRO_COLOR_UNDEFINED = -1,
    PRO_COLOR_LETTER = 0,
    PRO_COLOR_HIGHLITE = 1,
    PRO_COLOR_DRAWING = 2,
    PRO_COLOR_BACKGROUND = 3,
    PRO_COLOR_HALF_TONE = 4,
    PRO_COLOR_EDGE_HIGHLIGHT = 5,
    PRO_COLOR_DIMMED = 6,
    PRO_COLOR_ERROR = 8,
    PRO_COLOR_WARNING = 9,
    PRO_COLOR_SHEETMETAL = 10,
    PRO_COLOR_CURVE = 12,
    PRO_COLOR_SELECTED = 19,
    PRO_COLOR_DATUM = 23,
    PRO_COLOR_QUILT = 24
} ProColortype;
