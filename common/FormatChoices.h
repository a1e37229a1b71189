#pragma once
// The fixed choice lists of the output-format pages of both programs'
// options windows, whose line indexes their settings files store, and the
// decoding of a chosen line into the value the writers take (hertz,
// channels, bits, kilobits, quality).

#include <array>
#include <string>
#include <vector>

using TChoiceList = std::vector<std::string>;

const TChoiceList& WavFrequencyChoices();  // "8000 Hz" .. "48000 Hz"
const TChoiceList& Mp3FrequencyChoices();  // also the OGG list
const TChoiceList& ChannelChoices();       // "Mono", "Stereo"
const TChoiceList& SampleSizeChoices();    // "8 bit", "16 bit"
const TChoiceList& BitRateChoices();       // "320 kbps" .. "80 kbps"
const TChoiceList& Mp3QualityChoices();    // "0 (best quality)" .. "9 (best speed)"
const TChoiceList& OggQualityChoices();    // "0 (best speed)" .. "9 (best quality)"
// The 15 WMA profile lines of the forms, "8000Hz,mono,4kbps" first.
const TChoiceList& WmaProfileChoices();

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

// One key of the settings files' section "OutputFormat", in the order the
// files keep them: a list index (for the two VBR switches, "MP3VBRHeader"
// and "MP3VBREnable", a boolean 0 or 1), the name of the control that
// shows it on both programs' format pages, its default for a missing key
// and its factory value.
struct TFormatKey {
  const char* Key;
  const char* Control;
  int MissingDefault;
  int FactoryValue;
};
// "WavFreq" .. "WmaFormat": 15 keys ("Selected" is the recorder's alone).
inline constexpr int kFormatKeyCount = 15;
const std::array<TFormatKey, kFormatKeyCount>& FormatKeys();
