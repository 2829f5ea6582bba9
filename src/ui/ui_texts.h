#pragma once
// The texts that the main window and the dialogs share: the face every window is drawn in, and the faces
// the face button and the version dialog wear.

namespace ui_text {

inline constexpr const wchar_t* kFontFace = L"ＭＳ Ｐゴシック";

// The faces the face button can wear; the first is the one it starts with.
inline constexpr const wchar_t* kFaces[] = {
    L"(´･ω･`)",
    L"＃・Å・≪",
    L"(@益@)",
    L"(　ﾟ∀ﾟ)",
    L"|・∀・|",
    L"(´ζ_｀）",
    L"(ζ_,`ﾒ)",
    L"( ﾟдﾟ )",
    L"(・Å・)л",
};

}  // namespace ui_text
