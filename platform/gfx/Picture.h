#pragma once
// Holds one graphic of any kind and picks the kind from a file's extension.

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Graphic.h"

class TPicture : public TObject {
 public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  std::string ClassName() const override { return "TPicture"; }

  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of graphic (nullptr: empty).
  void SetGraphic(const TGraphic* graphic);
  // The graphic as a bitmap; a picture holding another kind (or nothing)
  // is replaced by an empty bitmap first.
  TBitmap* Bitmap();

  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // ".bmp" loads a bitmap, ".jpg"/".jpeg" a JPEG image (any letter case);
  // other extensions and bad files raise EInvalidGraphic, keeping the
  // picture unchanged.
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;
  void Assign(const TPicture* source);

  TNotifyEvent OnChange;

 private:
  void Adopt(std::unique_ptr<TGraphic> graphic);
  void Changed();

  std::unique_ptr<TGraphic> graphic_;
};
