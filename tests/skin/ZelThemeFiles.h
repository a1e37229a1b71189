#pragma once
// The recorder's older theme files (".zel") for the tests: the item file
// layout under the older header.

#include <string>
#include <vector>

#include "SkinFixtures.h"

// The items under the header "ZELPack_TB", version 1.
TBytesVec BuildZelFile(const std::vector<TItem>& items, const std::string& terminatorName = "");

// A theme like the recorder's: a 6 x 2 button strip of three pieces
// (red, lime, blue), FormBackgroundColor, FormBorderWidthInt and
// ButtonTransparentBool; `shade` varies the values.
TBytesVec SampleZelTheme(int shade = 0);
