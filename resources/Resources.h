#pragma once
// The program's resources: the theme bitmaps of the skin library and raw
// data such as the editor's embedded theme files.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

// A new bitmap holding the named resource; throws EResNotFound for a name
// the program does not carry. Names are matched ignoring case, as resource
// names are.
std::unique_ptr<TBitmap> LoadResourceBitmap(const std::string& name);

// The bytes of the named raw data resource; throws EResNotFound for a name
// the program does not carry. Names are matched ignoring case.
std::vector<std::uint8_t> LoadResourceData(const std::string& name);

// The editor's embedded theme files, the SkinData of its main window's
// theme components zelBuiltInFileTheme1 (DeepBlue look, used by the
// dialogs) and zelBuiltInFileTheme2 (BlueGlass look).
inline constexpr char kEditorThemeResource1[] = "EDITOR_THEME1";
inline constexpr char kEditorThemeResource2[] = "EDITOR_THEME2";

// The recorder's embedded older theme files (".zel"), the SkinData of its
// main window's theme components themeMp10 (the look of the dialogs),
// themeMp11, themeMp12 and themeMp13.
inline constexpr char kRecorderThemeResource1[] = "RECORDER_THEME1";
inline constexpr char kRecorderThemeResource2[] = "RECORDER_THEME2";
inline constexpr char kRecorderThemeResource3[] = "RECORDER_THEME3";
inline constexpr char kRecorderThemeResource4[] = "RECORDER_THEME4";

// Makes the skin library load its theme bitmaps from these resources.
void RegisterSkinResources();
