#include "platform/gfx/FontFaceCache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

#include "platform/base/Exceptions.h"
#include "platform/gfx/FontLookup.h"

namespace detail {
namespace {

constexpr int kDefaultEmHeight = 11;
constexpr int kMaxPixelSize = 1024;  // larger requests are clamped, not refused
constexpr std::size_t kMaxSizedFaces = 48;

int RoundToInt(double v) { return static_cast<int>(std::lround(v)); }

struct GlyphEntry {
  int Advance = 0;
  GlyphPtr Smooth;
  GlyphPtr Mono;
};

// One face file opened at one size.
class SizedFace {
 public:
  SizedFace(FT_Library library, const FaceFile& file, int height) : file_(file) {
    if (FT_New_Face(library, file.Path.c_str(), file.Index, &face_) != 0)
      throw EOutOfResources("The font file \"" + file.Path + "\" cannot be opened");
    ComputeMetrics(height);
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(ppem_));
  }
  ~SizedFace() { FT_Done_Face(face_); }
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  const FaceMetrics& Metrics() const { return metrics_; }

  int Advance(char32_t cp) { return Entry(cp).Advance; }

  GlyphPtr Glyph(char32_t cp, bool mono) {
    GlyphEntry& entry = Entry(cp);
    GlyphPtr& slot = mono ? entry.Mono : entry.Smooth;
    if (!slot) slot = Render(cp, mono, entry.Advance);
    return slot;
  }

 private:
  // Vertical metrics follow the window system's rules for outline fonts:
  // the cell is the OS/2 "Windows" ascent plus descent at the em size.
  void ComputeMetrics(int height) {
    const double upem = face_->units_per_EM > 0 ? face_->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    double winAscent = os2 && os2->version != 0xFFFF ? os2->usWinAscent : face_->ascender;
    double winDescent = os2 && os2->version != 0xFFFF ? os2->usWinDescent : -face_->descender;
    if (winAscent + winDescent <= 0) {
      winAscent = upem * 0.8;
      winDescent = upem * 0.2;
    }
    const double cellUnits = winAscent + winDescent;

    if (height < 0) ppem_ = -height;
    else if (height > 0) ppem_ = RoundToInt(height * upem / cellUnits);
    else ppem_ = kDefaultEmHeight;
    const bool clamped = ppem_ < 1 || ppem_ > kMaxPixelSize;
    ppem_ = std::clamp(ppem_, 1, kMaxPixelSize);
    const double scale = ppem_ / upem;

    TTextMetric& tm = metrics_.Text;
    tm.Ascent = RoundToInt(winAscent * scale);
    tm.Descent = RoundToInt(winDescent * scale);
    // A positive height asks for exactly that cell.
    if (height > 0 && !clamped) tm.Descent = std::max(0, height - tm.Ascent);
    tm.Height = tm.Ascent + tm.Descent;
    tm.InternalLeading = std::max(0, tm.Height - ppem_);
    double lineGap = 0;
    if (hhea)
      lineGap = hhea->Line_Gap - (cellUnits - (hhea->Ascender - hhea->Descender));
    tm.ExternalLeading = std::max(0, RoundToInt(lineGap * scale));
    const double average = os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2;
    tm.AveCharWidth = std::max(1, RoundToInt(average * scale));
    tm.MaxCharWidth = std::max(tm.AveCharWidth, RoundToInt(face_->max_advance_width * scale));

    DecorationMetrics& lines = metrics_.Lines;
    lines.UnderlineThickness = std::max(1, RoundToInt(face_->underline_thickness * scale));
    lines.UnderlineOffset = std::max(0, RoundToInt(-face_->underline_position * scale) -
                                            lines.UnderlineThickness / 2);
    lines.UnderlineOffset =
        std::min(lines.UnderlineOffset, std::max(0, tm.Descent - lines.UnderlineThickness));
    const double strikePos = os2 && os2->yStrikeoutPosition > 0 ? os2->yStrikeoutPosition
                                                                  : winAscent * 0.3;
    const double strikeSize = os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutSize
                                                               : face_->underline_thickness;
    lines.StrikeOutThickness = std::max(1, RoundToInt(strikeSize * scale));
    lines.StrikeOutOffset = -std::max(1, RoundToInt(strikePos * scale));
  }

  GlyphEntry& Entry(char32_t cp) {
    auto it = glyphs_.find(cp);
    if (it != glyphs_.end()) return it->second;
    GlyphEntry entry;
    // Control characters take no room and show nothing.
    if (cp < 0x20 || cp == 0x7F) return glyphs_.emplace(cp, std::move(entry)).first->second;
    // Advances come from the normally hinted outline in both modes, so
    // measuring never depends on how the text is later drawn.
    if (FT_Load_Glyph(face_, FT_Get_Char_Index(face_, cp), FT_LOAD_DEFAULT) == 0) {
      if (file_.SynthesizeBold) FT_GlyphSlot_Embolden(face_->glyph);
      entry.Advance = static_cast<int>((face_->glyph->advance.x + 32) >> 6);
    }
    return glyphs_.emplace(cp, std::move(entry)).first->second;
  }

  GlyphPtr Render(char32_t cp, bool mono, int advance) {
    auto image = std::make_shared<GlyphImage>();
    image->Advance = advance;
    if (cp < 0x20 || cp == 0x7F) return image;
    const FT_Int32 target = mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL;
    if (FT_Load_Glyph(face_, FT_Get_Char_Index(face_, cp), FT_LOAD_DEFAULT | target) != 0)
      return image;
    FT_GlyphSlot slot = face_->glyph;
    if (file_.SynthesizeItalic && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(slot);
    if (file_.SynthesizeBold) FT_GlyphSlot_Embolden(slot);
    if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) != 0) return image;
    CopyCoverage(slot->bitmap, *image);
    image->Left = slot->bitmap_left;
    image->Top = slot->bitmap_top;
    return image;
  }

  static void CopyCoverage(const FT_Bitmap& bitmap, GlyphImage& image) {
    image.Width = static_cast<int>(bitmap.width);
    image.Height = static_cast<int>(bitmap.rows);
    image.Coverage.assign(static_cast<std::size_t>(image.Width) * image.Height, 0);
    for (int row = 0; row < image.Height; ++row) {
      const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
      std::uint8_t* dst = image.Coverage.data() + static_cast<std::size_t>(row) * image.Width;
      for (int col = 0; col < image.Width; ++col) {
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
          dst[col] = (src[col >> 3] & (0x80 >> (col & 7))) ? 255 : 0;
        else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
          dst[col] = src[col];
      }
    }
  }

  FaceFile file_;
  FT_Face face_ = nullptr;
  int ppem_ = kDefaultEmHeight;
  FaceMetrics metrics_;
  std::map<char32_t, GlyphEntry> glyphs_;
};

struct StyleKey {
  std::string Family;
  bool Bold;
  bool Italic;
  friend auto operator<=>(const StyleKey&, const StyleKey&) = default;
};

struct SizeKey {
  std::string Path;
  int Index;
  bool SynthesizeBold;
  bool SynthesizeItalic;
  int Height;
  friend auto operator<=>(const SizeKey&, const SizeKey&) = default;
};

// All FreeType and fontconfig state, behind one lock: worker threads
// measure text while the GUI thread draws.
class FaceCache {
 public:
  static FaceCache& Instance() {
    static FaceCache cache;
    return cache;
  }

  std::mutex& Lock() { return mutex_; }

  // Names that resolve to the same face file share its sized faces.
  SizedFace& Face(const FontRequest& request) {
    const FaceFile& file = File(request);
    const SizeKey key{file.Path, file.Index, file.SynthesizeBold, file.SynthesizeItalic, request.Height};
    auto it = sized_.find(key);
    if (it != sized_.end()) return *it->second;
    if (sized_.size() >= kMaxSizedFaces) sized_.clear();
    auto face = std::make_unique<SizedFace>(library_, file, request.Height);
    return *sized_.emplace(key, std::move(face)).first->second;
  }

  const FaceFile& File(const FontRequest& request) {
    const StyleKey key{request.Family, request.Bold, request.Italic};
    auto it = files_.find(key);
    if (it == files_.end())
      it = files_.emplace(key, LookUpFaceFile(request.Family, request.Bold, request.Italic)).first;
    return it->second;
  }

 private:
  FaceCache() {
    if (FT_Init_FreeType(&library_) != 0) throw EOutOfResources("The font rasterizer cannot start");
  }
  ~FaceCache() {
    sized_.clear();
    FT_Done_FreeType(library_);
  }

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  std::map<StyleKey, FaceFile> files_;
  std::map<SizeKey, std::unique_ptr<SizedFace>> sized_;
};

}  // namespace

FaceMetrics MetricsFor(const FontRequest& request) {
  FaceCache& cache = FaceCache::Instance();
  std::lock_guard lock(cache.Lock());
  return cache.Face(request).Metrics();
}

std::vector<int> AdvancesFor(const FontRequest& request, std::u32string_view text) {
  FaceCache& cache = FaceCache::Instance();
  std::lock_guard lock(cache.Lock());
  SizedFace& face = cache.Face(request);
  std::vector<int> advances;
  advances.reserve(text.size());
  for (char32_t cp : text) advances.push_back(face.Advance(cp));
  return advances;
}

std::vector<GlyphPtr> GlyphsFor(const FontRequest& request, std::u32string_view text, bool mono) {
  FaceCache& cache = FaceCache::Instance();
  std::lock_guard lock(cache.Lock());
  SizedFace& face = cache.Face(request);
  std::vector<GlyphPtr> glyphs;
  glyphs.reserve(text.size());
  for (char32_t cp : text) glyphs.push_back(face.Glyph(cp, mono));
  return glyphs;
}

std::string FaceFileFor(const FontRequest& request) {
  FaceCache& cache = FaceCache::Instance();
  std::lock_guard lock(cache.Lock());
  return cache.File(request).Path;
}

}  // namespace detail
