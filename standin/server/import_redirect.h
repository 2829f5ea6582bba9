#pragma once
// Redirects one imported function in every module loaded in this process: each import table entry that
// points at original is made to point at replacement. Modules loaded later are not touched.
#include <windows.h>

namespace standin {

void RedirectImportEverywhere(FARPROC original, FARPROC replacement);

// Function pointers of different types meet only in import tables, hence the detour through void().
template <typename To, typename From>
To FunctionCast(From function) {
    return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

}  // namespace standin
