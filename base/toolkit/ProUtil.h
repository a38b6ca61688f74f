// Toolkit contract: string conversion and release, date code, trail file.
#pragma once

#include <ProToolkit.h>

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
PRO_END_C_DECLS
