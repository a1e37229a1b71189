#pragma once
// The fixed choice lists of the options window, whose line indexes the
// settings file stores, and the decoding of a chosen line into the value
// the recorder uses (the format lists are both programs', the hotkey lists
// the recorder's: virtual-key codes).

#include <string>
#include <vector>

#include "common/FormatChoices.h"
#include "recorder/GlobeVar.h"

const TChoiceList& ModifierChoices();      // "<None>", "Ctrl", ...
const TChoiceList& KeyChoices();           // 59 keys, the grave accent first
// The WMA formats shown until the writer's own profiles replace them.
const TChoiceList& InitialWmaChoices();

// The key codes of a modifier line and a key line; an index outside
// its list gives no key for that part.
HotkeyCombo ComboOf(int modifierIndex, int keyIndex);

// The mail body as the settings file keeps it: every line followed by
// CR LF, each byte as two upper-case hexadecimal digits.
std::string BodyToHex(const TStringList& lines);
// Decoding stops at the first pair that is not hexadecimal, so a damaged
// value still gives the lines before the damage.
TStringList BodyFromHex(const std::string& hex);
