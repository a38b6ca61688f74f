// Toolkit contract: string conversion and release, date code, trail file, configuration
// options, VRML and slice-file (STL) export, output files (DXF of drawings).
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// File kinds of the host's import and export calls (selected).
typedef enum {
    PRO_UNDEFINED_FILE = -1,
    PRO_RELATION_FILE = 1,
    PRO_IGES_SECTION = 2,
    PRO_MODEL_INFO = 3,
    PRO_PROGRAM_FILE = 4,
    PRO_CONFIG_FILE = 5,
    PRO_ASCII_FILE = 7,
    PRO_IGES_FILE = 8,
    PRO_DXF_FILE = 9,
    PRO_RENDER_FILE = 10,
    PRO_SLA_ASCII_FILE = 11,
    PRO_SLA_BINARY_FILE = 12,
    PRO_BOM_FILE = 14,
    PRO_STEP_FILE = 22,
    PRO_VDA_FILE = 23,
    PRO_CGM_FILE = 25,
    PRO_DWG_FILE = 34,
    PRO_AMF_FILE = 43,
    PRO_3MF_FILE = 44
} ProImportExportFile;
#define PRO_FEATURE_INFO PRO_MODEL_INFO

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT wchar_t* ProStringToWstring(wchar_t* wstr, char* str);
PRO_TK_EXPORT char* ProWstringToString(char* str, wchar_t* wstr);
PRO_TK_EXPORT ProError ProStringFree(char* string);
PRO_TK_EXPORT ProError ProWstringFree(wchar_t* wstring);
PRO_TK_EXPORT ProError ProWcharSizeVerify(int application_size_of_wchar, int* proe_size_of_wchar);
PRO_TK_EXPORT ProError ProEngineerDisplaydatecodeGet(char** display_datecode);
PRO_TK_EXPORT ProError ProTrailfileCommentWrite(ProComment comment);
PRO_TK_EXPORT ProError ProDirectoryCurrentGet(ProPath path);
PRO_TK_EXPORT ProError ProDirectoryChange(ProPath path);
PRO_TK_EXPORT ProError ProConfigoptSet(ProName option, ProPath option_value);
PRO_TK_EXPORT ProError ProConfigoptGet(ProName option, ProLine value);
PRO_TK_EXPORT ProError ProConfigoptArrayGet(ProName option, ProPath** value_array);
// Writes the model as a VRML file into output_path (a file name, or a directory that
// receives <model>.wrl); direct and input_file are for converting a file instead and
// are not read when model is given. PRO_TK_BAD_INPUTS without a model or path;
// PRO_TK_BAD_CONTEXT for a model without solids; PRO_TK_GENERAL_ERROR when the file
// cannot be written.
PRO_TK_EXPORT ProError ProExportVRML(ProBoolean direct, ProMdl model, ProPath input_file,
                                     ProPath output_path);
// Writes the model's solids triangulated as a slice file (PRO_SLA_ASCII_FILE or
// PRO_SLA_BINARY_FILE): quality[0] the largest chord deviation, quality[1] the largest
// angle between neighbouring facet normals (radians; 0 leaves the host's default);
// every vertex p is written as p·transf (row vector; NULL: the identity); comp_path,
// when given, restricts the output to that component. PRO_TK_BAD_INPUTS for a NULL
// model or name, a non-positive or non-finite deviation, a bound so fine that the mesh
// would grow beyond the host's limit, or another file type; PRO_TK_BAD_CONTEXT for a
// model without solids; PRO_TK_GENERAL_ERROR when the file cannot be written.
PRO_TK_EXPORT ProError ProIntfSliceFileExport(ProMdl model, ProFileName out_file_name,
                                              ProImportExportFile file_type, double quality[2],
                                              ProMatrix transf, ProAsmcomppath* comp_path);
// Writes the model into the file `name` in the kind `file_type`; this host writes a
// drawing as DXF (PRO_DXF_FILE: every view's visible edges and the sheet borders) and
// answers PRO_TK_UNSUPPORTED for other kinds. The four arguments are for other kinds
// and must be NULL. PRO_TK_BAD_INPUTS for a NULL model or name; PRO_TK_BAD_CONTEXT for
// a model that is no drawing; PRO_TK_GENERAL_ERROR when the file cannot be written.
PRO_TK_EXPORT ProError ProOutputFileWrite(ProMdl model, ProFileName name,
                                          ProImportExportFile file_type, ProAppData arg1,
                                          ProAppData arg2, ProAppData arg3, ProAppData arg4);
PRO_END_C_DECLS
