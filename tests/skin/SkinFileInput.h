#pragma once
// Feeds arbitrary bytes to the theme-file readers: the inflater, the
// archive walk and the item reader. Shared by the randomised test and the
// fuzz target; any crash, hang or leak is a fault.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The first byte chooses the reader; the rest is its input. Files go to
// folder (ending with "/"), which must be empty afterwards.
void FeedSkinFileInput(const std::uint8_t* data, std::size_t size, const std::string& folder);

// Valid inputs of every mode, for damaging.
std::vector<std::vector<std::uint8_t>> SkinFileSeeds();
