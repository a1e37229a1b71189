#pragma once
// The tags of an audio file as the editor shows them, read and written
// through the tagging library for every format it knows (ID3 in MP3 and
// WAV, Vorbis comments in OGG, ASF attributes in WMA).

#include <string>

namespace detail {

struct FileTags {
  std::string title, artist, album, copyright, comment, composer, encodedBy, url;
  int genre = -1;  // index into the standard genre list, -1 for none
  int year = 0;
  int track = 0;
  bool operator==(const FileTags&) const = default;
};

// The standard genre names, indexes 0 .. kGenreCount - 1.
constexpr int kGenreCount = 142;
std::string GenreName(int index);  // empty outside the list

// The file's tags; empty tags when it has none or cannot be read.
FileTags ReadFileTags(const std::string& path);
// Writes the tags into the file; false when the format has no tags or the
// file cannot be written.
bool WriteFileTags(const std::string& path, const FileTags& tags);

}  // namespace detail
