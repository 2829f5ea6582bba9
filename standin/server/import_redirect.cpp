#include "server/import_redirect.h"

#include <psapi.h>

#include <vector>

namespace standin {
namespace {

template <typename T>
T* At(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

void Overwrite(FARPROC* slot, FARPROC value) {
    DWORD oldProtection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection)) return;
    *slot = value;
    VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);
}

// Entries are matched by address, not by name, so imports by ordinal and forwarded names are caught too.
void RedirectInModule(HMODULE module, FARPROC original, FARPROC replacement) {
    const auto* dos = At<IMAGE_DOS_HEADER>(module, 0);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    const auto* headers = At<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(dos->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;
    for (auto* library = At<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress); library->Name; ++library) {
        for (auto* slot = At<FARPROC>(module, library->FirstThunk); *slot; ++slot) {
            if (*slot == original) Overwrite(slot, replacement);
        }
    }
}

std::vector<HMODULE> LoadedModules() {
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    HANDLE process = GetCurrentProcess();
    while (EnumProcessModules(process, modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                              &needed) &&
           needed > modules.size() * sizeof(HMODULE)) {
        modules.resize(needed / sizeof(HMODULE));
    }
    modules.resize(needed / sizeof(HMODULE));
    return modules;
}

}  // namespace

void RedirectImportEverywhere(FARPROC original, FARPROC replacement) {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&RedirectImportEverywhere), &self);
    for (HMODULE module : LoadedModules()) {
        if (module != self) RedirectInModule(module, original, replacement);
    }
}

}  // namespace standin
