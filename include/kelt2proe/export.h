// Symbol export macros of the kelt2proe library.
#pragma once

#if defined(_WIN32)
#if defined(KELT2PROE_BUILDING)
#define KELT2PROE_API __declspec(dllexport)
#elif defined(KELT2PROE_STATIC)
#define KELT2PROE_API
#else
#define KELT2PROE_API __declspec(dllimport)
#endif
#else
#define KELT2PROE_API __attribute__((visibility("default")))
#endif

// For the class templates whose instantiations are data members of exported classes
// (kelt2proe/impl_ptr.h). A Windows DLL must export them so that the exported classes
// have a DLL interface throughout (no C4251); elsewhere they stay internal to the library.
#if defined(_WIN32)
#define KELT2PROE_TEMPLATE_API KELT2PROE_API
#else
#define KELT2PROE_TEMPLATE_API
#endif
