#include "platform/burnlib/JolietNames.h"

#include <stdint.h>  // before libisofs.h, which uses its types

#include <functional>
#include <vector>

#include <libisofs/libisofs.h>

namespace burnlib {

namespace {

struct Character {
  std::size_t bytes;
  std::size_t units;  // UTF-16 code units
};

// The UTF-8 character at `at`; a character beyond the BMP takes two units.
Character CharacterAt(const std::string& text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  Character c{1, 1};
  if ((lead & 0xE0) == 0xC0) c = {2, 1};
  else if ((lead & 0xF0) == 0xE0) c = {3, 1};
  else if ((lead & 0xF8) == 0xF0) c = {4, 2};
  if (at + c.bytes > text.size()) c = {text.size() - at, 1};
  return c;
}

// The longest start of the text of at most `units` UTF-16 units, never
// splitting a character.
std::string CutToUnits(const std::string& text, std::size_t units) {
  std::size_t at = 0, used = 0;
  while (at < text.size()) {
    const Character c = CharacterAt(text, at);
    if (used + c.units > units) break;
    used += c.units;
    at += c.bytes;
  }
  return text.substr(0, at);
}

// UTF-16 characters of a UTF-8 name (a byte that is no UTF-8 counts as one).
std::size_t Utf16Length(const std::string& name) {
  std::size_t units = 0;
  for (std::size_t at = 0; at < name.size();) {
    const Character c = CharacterAt(name, at);
    units += c.units;
    at += c.bytes;
  }
  return units;
}

// The name cut to the limit, keeping an extension of fewer than half the
// limit; while `taken` says a candidate is used, a "~1", "~2", ... marker
// goes before the extension. A name within the limit comes back as it is.
std::string JolietFitName(const std::string& name, const std::function<bool(const std::string&)>& taken) {
  if (Utf16Length(name) <= kJolietNameLimit) return name;
  std::string stem = name, extension;
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0 && Utf16Length(name.substr(dot)) < kJolietNameLimit / 2) {
    stem = name.substr(0, dot);
    extension = name.substr(dot);
  }
  for (unsigned number = 0;; ++number) {
    const std::string marker = number == 0 ? "" : "~" + std::to_string(number);
    const std::string candidate =
        CutToUnits(stem, kJolietNameLimit - Utf16Length(extension) - marker.size()) + marker + extension;
    if (!taken(candidate)) return candidate;
  }
}

}  // namespace

bool FitNamesToJoliet(IsoImage* image, std::string& error) {
  std::vector<IsoDir*> folders{iso_image_get_root(image)};
  for (std::size_t f = 0; f < folders.size(); ++f) {
    IsoDir* folder = folders[f];
    // Renaming re-sorts the folder, so the names are changed after the walk.
    std::vector<IsoNode*> tooLong;
    IsoDirIter* children = nullptr;
    if (iso_dir_get_children(folder, &children) < 0) {
      error = "out of memory";
      return false;
    }
    IsoNode* node = nullptr;
    while (iso_dir_iter_next(children, &node) == 1) {
      if (iso_node_get_type(node) == LIBISO_DIR) folders.push_back(reinterpret_cast<IsoDir*>(node));
      if (Utf16Length(iso_node_get_name(node)) > kJolietNameLimit) tooLong.push_back(node);
    }
    iso_dir_iter_free(children);
    for (IsoNode* longNamed : tooLong) {
      const std::string name = JolietFitName(iso_node_get_name(longNamed), [folder](const std::string& candidate) {
        return iso_dir_get_node(folder, candidate.c_str(), nullptr) == 1;
      });
      const int rc = iso_image_set_node_name(image, longNamed, name.c_str(), 0);
      if (rc < 0) {
        const char* text = iso_error_to_msg(rc);
        error = std::string("cannot shorten a name for Joliet: ") + (text ? text : "image error");
        return false;
      }
    }
  }
  return true;
}

}  // namespace burnlib
