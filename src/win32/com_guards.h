#pragma once
// Owners for the COM pieces that ComPtr does not cover: the apartment, BSTRs and VARIANTs.
#include <windows.h>
#include <oleauto.h>

#include <string_view>

#include "win32/unique_handle.h"

namespace win32 {

// CoInitialize for the lifetime of one command; CoUninitialize only when the start succeeded.
class ComApartment {
public:
    ComApartment() : started_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComApartment() {
        if (started_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool started_;
};

struct BstrTraits {
    using Handle = BSTR;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { SysFreeString(h); }
};
using UniqueBstr = UniqueHandle<BstrTraits>;

// The units of a BSTR as its length prefix counts them (a null BSTR is empty).
inline std::wstring_view BstrView(BSTR text) {
    return text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view();
}

class UniqueVariant {
public:
    UniqueVariant() { VariantInit(&value_); }
    ~UniqueVariant() { VariantClear(&value_); }
    UniqueVariant(const UniqueVariant&) = delete;
    UniqueVariant& operator=(const UniqueVariant&) = delete;

    static UniqueVariant FromInt32(LONG number) {
        UniqueVariant v;
        v.value_.vt = VT_I4;
        v.value_.lVal = number;
        return v;
    }
    UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }

    VARIANT* get() { return &value_; }
    VARIANT& operator*() { return value_; }

private:
    VARIANT value_;
};

}  // namespace win32
