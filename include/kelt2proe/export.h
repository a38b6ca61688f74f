// Symbol export macro of the kelt2proe library.
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
