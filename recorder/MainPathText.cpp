#include "recorder/MainPathText.h"

#include <vector>

namespace {

// Drops the last character, never leaving part of a UTF-8 sequence.
void DropLastCharacter(std::string& text) {
  while (!text.empty()) {
    const unsigned char last = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((last & 0xC0) != 0x80) return;
  }
}

}  // namespace

std::string ShortenPathToFit(const std::string& path, int maxWidth,
                             const std::function<int(const std::string&)>& textWidth) {
  if (textWidth(path) <= maxWidth) return path;
  const std::size_t nameStart = path.find_last_of('/') + 1;  // 0 without a folder
  const std::string name = path.substr(nameStart);
  if (nameStart > 0) {
    // The first folder ("/home/") stays; whole folders after it go.
    const std::size_t headEnd = path.find('/', 1) + 1;
    std::vector<std::size_t> folderStarts;
    for (std::size_t at = headEnd; at < nameStart; at = path.find('/', at) + 1) folderStarts.push_back(at);
    for (std::size_t dropped = 1; dropped <= folderStarts.size(); ++dropped) {
      const std::size_t keepFrom = dropped < folderStarts.size() ? folderStarts[dropped] : nameStart;
      const std::string candidate = path.substr(0, headEnd) + ".../" + path.substr(keepFrom);
      if (textWidth(candidate) <= maxWidth) return candidate;
    }
    if (textWidth(".../" + name) <= maxWidth) return ".../" + name;
  }
  std::string cut = name;
  while (!cut.empty() && textWidth(cut + "...") > maxWidth) DropLastCharacter(cut);
  return cut + "...";
}
