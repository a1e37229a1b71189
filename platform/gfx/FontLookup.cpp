#include "platform/gfx/FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <string_view>

#include "platform/base/Exceptions.h"

namespace detail {
namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool IsDesignFamily(const std::string& lowered) {
  static constexpr std::array<std::string_view, 5> kNames = {"", "tahoma", "ms sans serif",
                                                             "arial", "verdana"};
  return std::find(kNames.begin(), kNames.end(), lowered) != kNames.end();
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

Pattern MatchFamily(const std::string& family, bool bold, bool italic) {
  Pattern pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  return Pattern(FcFontMatch(nullptr, pattern.get(), &result));
}

// fontconfig always answers with something; the answer counts only when
// it really is the family that was asked for.
bool HasFamily(FcPattern* match, const std::string& lowered) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (Lower(reinterpret_cast<const char*>(name)) == lowered) return true;
  return false;
}

FaceFile ToFaceFile(FcPattern* match, bool bold, bool italic) {
  FaceFile face;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return face;
  face.Path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match, FC_INDEX, 0, &face.Index);
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  face.SynthesizeBold = bold && weight < FC_WEIGHT_DEMIBOLD;
  face.SynthesizeItalic = italic && slant == FC_SLANT_ROMAN;
  return face;
}

}  // namespace

FaceFile LookUpFaceFile(const std::string& family, bool bold, bool italic) {
  if (!FcInit()) throw EOutOfResources("The font configuration cannot be loaded");
  const std::string lowered = Lower(family);
  if (!IsDesignFamily(lowered)) {
    Pattern match = MatchFamily(family, bold, italic);
    if (match && HasFamily(match.get(), lowered)) {
      FaceFile face = ToFaceFile(match.get(), bold, italic);
      if (!face.Path.empty()) return face;
    }
  }
  Pattern match = MatchFamily(kFallbackFamily, bold, italic);
  FaceFile face = match ? ToFaceFile(match.get(), bold, italic) : FaceFile{};
  if (face.Path.empty())
    throw EOutOfResources("No font file found for \"" + family + "\" (is DejaVu Sans installed?)");
  return face;
}

}  // namespace detail
