#include "common/FormatChoices.h"

#include <cctype>

#include "platform/framework/SysUtils.h"

const TChoiceList& WavFrequencyChoices() {
  static const TChoiceList list{"8000 Hz", "11025 Hz", "22050 Hz", "24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
  return list;
}

const TChoiceList& Mp3FrequencyChoices() {
  static const TChoiceList list{"32000 Hz", "44100 Hz", "48000 Hz"};
  return list;
}

const TChoiceList& ChannelChoices() {
  static const TChoiceList list{"Mono", "Stereo"};
  return list;
}

const TChoiceList& SampleSizeChoices() {
  static const TChoiceList list{"8 bit", "16 bit"};
  return list;
}

const TChoiceList& BitRateChoices() {
  static const TChoiceList list{"320 kbps", "256 kbps", "224 kbps", "192 kbps", "160 kbps",
                                "128 kbps", "112 kbps", "96 kbps",  "80 kbps"};
  return list;
}

const TChoiceList& Mp3QualityChoices() {
  static const TChoiceList list{"0 (best quality)", "1", "2", "3", "4", "5", "6", "7", "8", "9 (best speed)"};
  return list;
}

const TChoiceList& OggQualityChoices() {
  static const TChoiceList list{"0 (best speed)", "1", "2", "3", "4", "5", "6", "7", "8", "9 (best quality)"};
  return list;
}

const TChoiceList& WmaProfileChoices() {
  static const TChoiceList list{"8000Hz,mono,4kbps",      "8000Hz,mono,5kbps",      "8000Hz,mono,6kbps",
                                "8000Hz,mono,8kbps",      "11025Hz,mono,10kbps",    "16000Hz,mono,16kbps",
                                "22050Hz,mono,20kbps",    "22050Hz,stereo,20kbps",  "22050Hz,stereo,32kbps",
                                "32000Hz,stereo,32kbps",  "32000Hz,stereo,40kbps",  "32000Hz,stereo,48kbps",
                                "44100Hz,stereo,64kbps",  "44100Hz,stereo,96kbps",  "44100Hz,stereo,128kbps"};
  return list;
}

int IndexInList(int index, int count, int defaultIndex) {
  return index >= 0 && index < count ? index : defaultIndex;
}

int NumberWithoutUnit(const std::string& text, int unitLength) {
  if (static_cast<int>(text.size()) <= unitLength) return 0;
  return StrToIntDef(Trim(text.substr(0, text.size() - unitLength)), 0);
}

int ChannelsOf(const std::string& text) { return text == "Stereo" ? 2 : 1; }

int QualityOf(const std::string& text) {
  return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0])) ? text[0] - '0' : 0;
}

int OggQualityValue(int index) { return index * 100 + 99; }

const std::array<TFormatKey, kFormatKeyCount>& FormatKeys() {
  static const std::array<TFormatKey, kFormatKeyCount> keys{{
      {"WavFreq", "comboWavFreq", 5, 5},
      {"WavChannels", "comboWavChannels", 1, 1},
      {"WavSampleRate", "comboWavSampleRate", 1, 1},
      {"MP3Freq", "comboMp3Freq", 1, 1},
      {"MP3Channels", "comboMp3Channels", 1, 1},
      {"MP3EncoderQuality", "comboMp3EncoderQuality", 0, 0},
      {"MP3BitRate", "comboMp3BitRate", 6, 6},
      {"MP3MaxBitRate", "comboMp3MaxBitRate", 6, 6},
      {"MP3VBRQuality", "comboMp3VbrQuality", 0, 0},
      {"MP3VBRHeader", "cboxMp3VbrHeader", 0, 0},
      {"MP3VBREnable", "cboxMp3Vbr", 0, 0},
      {"OggFreq", "comboOggFreq", 1, 1},
      {"OggChannels", "comboOggChannels", 1, 1},
      {"OggBitRate", "comboOggQuality", 6, 6},
      {"WmaFormat", "comboWmaFormat", 0, 14},
  }};
  return keys;
}
