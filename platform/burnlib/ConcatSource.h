#pragma once
// A libburn data source that reads several files one after the other, as
// one stream: the tracks of an audio CD written into one image file.

#include <cstdint>
#include <string>
#include <vector>


namespace burn {
struct burn_source;
}

namespace burnlib {

// A new source (reference count 1) over the files, whose sizes sum to
// `totalBytes`; nullptr when a file cannot be opened.
burn::burn_source* NewConcatSource(const std::vector<std::string>& files, std::int64_t totalBytes);

}  // namespace burnlib
