// Prototypes of every export, expanded from export_list.h so the compiler checks each
// definition against the list. Definitions live in the module of their family.
#pragma once

#include <cstdint>

#include "frame/export_list.h"

#if defined(_WIN32)
#define QEL_API __declspec(dllexport)
#define QEL_CALL __cdecl
#else
#define QEL_API __attribute__((visibility("default")))
#define QEL_CALL
#endif

extern "C" {
// The host's command lookup, handed to ReceiveQELPtr.
typedef void* (*QelCommandLookup)(const char* name);

QEL_API void QEL_CALL ReceiveQELPtr(QelCommandLookup lookup);

#define QEL_DECLARE_EXPORT(result, name, params, doc) QEL_API result QEL_CALL name params;
QEL_EXPORT_LIST(QEL_DECLARE_EXPORT)
#undef QEL_DECLARE_EXPORT
}

// Gives the function `target` a second export name: both names are one function at one
// address. Write it in the translation unit that defines `target`.
#define QEL_EXPORT_ALIAS(name, target) \
  extern "C" QEL_API decltype(::target) name __attribute__((alias(#target)));
