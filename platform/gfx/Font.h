#pragma once
// A font description: face name, pixel height, style bits, colour and the
// rendering quality. Fonts are resolved and drawn by the font engine.

#include <string>

#include "platform/base/Types.h"
#include "platform/gfx/Color.h"

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits

enum TFontQuality {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = BYTE;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;

class TFont : public TObject {
 public:
  // Screen resolution the point size converts at.
  static constexpr int PixelsPerInch = 96;

  TFont() = default;
  // A copy takes the properties, never the owner's OnChange: a change to
  // the copy must not repaint the control the original belongs to.
  TFont(const TFont& source) { CopyProperties(source); }
  // Assigning by value keeps this font's OnChange and fires it, as Assign.
  TFont& operator=(const TFont& source) {
    Assign(source);
    return *this;
  }

  std::string ClassName() const override { return "TFont"; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  // Negative: character height in pixels; positive: cell height in pixels.
  int Height() const { return height_; }
  void SetHeight(int height);

  // Points at 96 dots per inch: Height = -MulDiv(Size, 96, 72).
  int Size() const;
  void SetSize(int points);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality quality);

  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);

  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  // Copies every property (not OnChange) and fires OnChange once.
  void Assign(const TFont& source);

  TNotifyEvent OnChange;

 private:
  void Changed();
  void CopyProperties(const TFont& source);

  std::string name_ = "Tahoma";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  TFontQuality quality_ = fqDefault;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
};
