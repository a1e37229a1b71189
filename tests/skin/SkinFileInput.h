#pragma once
// Feeds arbitrary bytes to the theme-file readers. Shared by the
// randomised test and the fuzz targets (one per reader); any crash, hang
// or leak is a fault.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class TSkinReaderInput {
  Inflate,         // a raw deflate stream
  ThemeFile,       // a whole theme file, with and without a password
  EntryStream,     // three bytes of stated size, then the entry's deflate stream
  ItemFile,        // the item file of a well-formed theme file
  OlderThemeFile,  // the recorder's older ".zel" theme file
};

constexpr TSkinReaderInput kSkinReaderInputs[] = {TSkinReaderInput::Inflate, TSkinReaderInput::ThemeFile,
                                                  TSkinReaderInput::EntryStream, TSkinReaderInput::ItemFile,
                                                  TSkinReaderInput::OlderThemeFile};

// Files go to folder (ending with "/"), which must be empty afterwards.
void FeedSkinReader(TSkinReaderInput reader, const std::uint8_t* data, std::size_t size, const std::string& folder);

// Valid inputs of the reader, for damaging.
std::vector<std::vector<std::uint8_t>> SkinReaderSeeds(TSkinReaderInput reader);
