#pragma once
// The item names of theme files, addressed by group base + index.

constexpr int zelSkinItemCount = 84;
constexpr int zelColorBase = 0;     // 32 colours
constexpr int zelBitmapBase = 32;   // 34 bitmaps
constexpr int zelIntegerBase = 66;  // 9 integers
constexpr int zelFlagBase = 75;     // 9 flags

extern const char* const SkinItemNames[zelSkinItemCount];
