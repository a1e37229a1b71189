#include "tests/shots/ReferenceShot.h"

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "platform/gfx/Region.h"
#include "platform/win/Headless.h"

namespace {

// A pixel differs when a channel is further off than this; a shot fails
// when more than this share of its pixels differ (text drawn a little
// differently passes, a moved control or another colour does not).
constexpr int kChannelTolerance = 16;
constexpr double kDifferingShare = 0.002;

QImage ToImage(const TBitmap& bitmap) {
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB888);
  const int bytes = bitmap.BytesPerPixel();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.ScanLine(y);
    uchar* out = image.scanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      out[3 * x] = row[bytes * x + 2];
      out[3 * x + 1] = row[bytes * x + 1];
      out[3 * x + 2] = row[bytes * x];
    }
  }
  return image;
}

bool Differs(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) > kChannelTolerance || std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
         std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance;
}

std::filesystem::path OutputPath(const std::string& reference, const std::string& suffix) {
  std::filesystem::path path = std::filesystem::path(VELMORA_SHOTS_OUT_DIR) / reference;
  path.replace_filename(path.stem().string() + suffix + ".png");
  std::filesystem::create_directories(path.parent_path());
  return path;
}

}  // namespace

std::unique_ptr<TBitmap> ShootWindow(HWND window) {
  TBitmap surface;
  surface.Assign(HeadlessPresentedSurface(window));
  TRgn region;
  const bool shaped = GetWindowRgn(window, &region) != ERROR;
  auto shot = std::make_unique<TBitmap>(surface.Width(), surface.Height());
  for (int y = 0; y < shot->Height(); ++y) {
    const std::uint8_t* in = surface.ScanLine(y);
    std::uint8_t* out = shot->ScanLine(y);
    for (int x = 0; x < shot->Width(); ++x) {
      const bool shown = !shaped || region.Contains(x, y);
      for (int c = 0; c < 3; ++c) out[3 * x + c] = shown ? in[surface.BytesPerPixel() * x + c] : 0xFF;
    }
  }
  return shot;
}

std::string CompareWithReference(const TBitmap& shot, const std::string& reference) {
  const std::filesystem::path path = std::filesystem::path(VELMORA_TESTS_DIR) / reference;
  const QImage taken = ToImage(shot);
  if (std::getenv("VELMORA_UPDATE_SHOTS")) {
    std::filesystem::create_directories(path.parent_path());
    return taken.save(QString::fromStdString(path.string()), "PNG") ? "" : "cannot write " + path.string();
  }
  const QImage kept(QString::fromStdString(path.string()));
  const std::string shotPath = OutputPath(reference, "").string();
  taken.save(QString::fromStdString(shotPath), "PNG");
  if (kept.isNull()) return "no reference " + path.string() + " (the shot is " + shotPath + ")";
  if (kept.size() != taken.size())
    return reference + ": the shot is " + std::to_string(taken.width()) + "x" + std::to_string(taken.height()) +
           ", the reference " + std::to_string(kept.width()) + "x" + std::to_string(kept.height()) + " (" +
           shotPath + ")";

  QImage difference(taken.size(), QImage::Format_RGB888);
  difference.fill(Qt::white);
  long differing = 0;
  for (int y = 0; y < taken.height(); ++y)
    for (int x = 0; x < taken.width(); ++x)
      if (Differs(taken.pixel(x, y), kept.pixel(x, y))) {
        ++differing;
        difference.setPixel(x, y, qRgb(255, 0, 0));
      }
  const long allowed = static_cast<long>(kDifferingShare * taken.width() * taken.height());
  if (differing <= allowed) return "";
  const std::string differencePath = OutputPath(reference, "-difference").string();
  difference.save(QString::fromStdString(differencePath), "PNG");
  return reference + ": " + std::to_string(differing) + " pixels differ, " + std::to_string(allowed) +
         " may (shot " + shotPath + ", difference " + differencePath + ")";
}

int KeyColourPixels(const TBitmap& shot) {
  const QImage image = ToImage(shot);
  // TColor is 0x00BBGGRR.
  const QRgb key = qRgb(kSkinKeyColour & 0xFF, (kSkinKeyColour >> 8) & 0xFF, (kSkinKeyColour >> 16) & 0xFF);
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == key) ++count;
  return count;
}
