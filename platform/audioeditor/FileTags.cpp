#include "platform/audioeditor/FileTags.h"

#include <taglib/fileref.h>
#include <taglib/id3v1genres.h>
#include <taglib/tpropertymap.h>

#include <cstdlib>

namespace detail {

namespace {

TagLib::String Wide(const std::string& text) { return TagLib::String(text, TagLib::String::UTF8); }

std::string Narrow(const TagLib::String& text) { return text.to8Bit(true); }

std::string First(const TagLib::PropertyMap& map, const char* key) {
  auto found = map.find(key);
  if (found == map.end() || found->second.isEmpty()) return {};
  return Narrow(found->second.front());
}

void Set(TagLib::PropertyMap& map, const char* key, const std::string& value) {
  if (value.empty())
    map.erase(key);
  else
    map.replace(key, TagLib::StringList(Wide(value)));
}

}  // namespace

std::string GenreName(int index) {
  if (index < 0 || index >= kGenreCount) return {};
  return Narrow(TagLib::ID3v1::genre(index));
}

FileTags ReadFileTags(const std::string& path) {
  FileTags tags;
  TagLib::FileRef file(path.c_str(), false);
  if (file.isNull()) return tags;
  const TagLib::PropertyMap map = file.file()->properties();
  tags.title = First(map, "TITLE");
  tags.artist = First(map, "ARTIST");
  tags.album = First(map, "ALBUM");
  tags.copyright = First(map, "COPYRIGHT");
  tags.comment = First(map, "COMMENT");
  tags.composer = First(map, "COMPOSER");
  tags.encodedBy = First(map, "ENCODEDBY");
  tags.url = First(map, "URL");
  const std::string genre = First(map, "GENRE");
  if (!genre.empty()) {
    const int index = TagLib::ID3v1::genreIndex(Wide(genre));
    tags.genre = index < kGenreCount ? index : -1;
  }
  tags.year = std::atoi(First(map, "DATE").c_str());
  tags.track = std::atoi(First(map, "TRACKNUMBER").c_str());
  return tags;
}

bool WriteFileTags(const std::string& path, const FileTags& tags) {
  TagLib::FileRef file(path.c_str(), false);
  if (file.isNull()) return false;
  TagLib::PropertyMap map = file.file()->properties();
  Set(map, "TITLE", tags.title);
  Set(map, "ARTIST", tags.artist);
  Set(map, "ALBUM", tags.album);
  Set(map, "COPYRIGHT", tags.copyright);
  Set(map, "COMMENT", tags.comment);
  Set(map, "COMPOSER", tags.composer);
  Set(map, "ENCODEDBY", tags.encodedBy);
  Set(map, "URL", tags.url);
  Set(map, "GENRE", GenreName(tags.genre));
  Set(map, "DATE", tags.year > 0 ? std::to_string(tags.year) : std::string());
  Set(map, "TRACKNUMBER", tags.track > 0 ? std::to_string(tags.track) : std::string());
  file.file()->setProperties(map);
  return file.save();
}

}  // namespace detail
