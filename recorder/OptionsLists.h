#pragma once
// The fixed choice lists of the options window, whose line indexes the
// settings file stores, and the decoding of a chosen line into the value
// the recorder uses (hertz, kilobits, quality, virtual-key codes).

#include <string>
#include <vector>

#include "recorder/GlobeVar.h"

using TChoiceList = std::vector<std::string>;

const TChoiceList& WavFrequencyChoices();  // "8000 Hz" .. "48000 Hz"
const TChoiceList& Mp3FrequencyChoices();  // also the OGG list
const TChoiceList& ChannelChoices();       // "Mono", "Stereo"
const TChoiceList& SampleSizeChoices();    // "8 bit", "16 bit"
const TChoiceList& BitRateChoices();       // "320 kbps" .. "80 kbps"
const TChoiceList& Mp3QualityChoices();    // "0 (best quality)" .. "9 (best speed)"
const TChoiceList& OggQualityChoices();    // "0 (best speed)" .. "9 (best quality)"
const TChoiceList& ModifierChoices();      // "<None>", "Ctrl", ...
const TChoiceList& KeyChoices();           // 59 keys, the grave accent first
// The WMA formats shown until the writer's own profiles replace them.
const TChoiceList& InitialWmaChoices();

// A stored index outside its list takes the key's default instead.
int IndexInList(int index, int count, int defaultIndex);

// The number a list text holds once its unit is cut off
// ("44100 Hz" less 3 characters); 0 when no number is left.
int NumberWithoutUnit(const std::string& text, int unitLength);
// 2 for "Stereo", otherwise 1.
int ChannelsOf(const std::string& text);
// The quality digit a quality line starts with; 0 when there is none.
int QualityOf(const std::string& text);
// The OGG quality value the encoder takes for a quality line.
int OggQualityValue(int index);

// The key codes of a modifier line and a key line; an index outside
// its list gives no key for that part.
HotkeyCombo ComboOf(int modifierIndex, int keyIndex);

// The mail body as the settings file keeps it: every line followed by
// CR LF, each byte as two upper-case hexadecimal digits.
std::string BodyToHex(const TStringList& lines);
// Decoding stops at the first pair that is not hexadecimal, so a damaged
// value still gives the lines before the damage.
TStringList BodyFromHex(const std::string& hex);
