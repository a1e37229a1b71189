// Writes one picture per built-in look (its theme bitmaps, a small window
// made from them and the skinned controls), one sheet with all five side
// by side and one picture per recorder theme file, as BMP files into the
// folder given.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/Headless.h"
#include "resources/Resources.h"
#include "tests/skin/gallery/GalleryPage.h"
#include "tests/skin/gallery/GalleryTrackTabs.h"

namespace {

using namespace gallery;

constexpr int kPageWidth = 960;

const TLookEntry kLooks[] = {
    {MacOS, "MacOS", "MACOS"}, {WinXP, "WinXP", "WINXP"}, {DeepBlue, "DeepBlue", "DEEPBLUE"},
    {Protein, "Protein", "PROTEIN"}, {BlueGlass, "BlueGlass", "BLUEGLASS"},
};

std::unique_ptr<TBitmap> PaintPage(const TLookEntry& look) {
  // Drawn on a tall page first, then cut to what was used.
  TBitmap page(kPageWidth, 2400);
  TCanvas& canvas = *page.Canvas();
  canvas.Brush()->SetColor(kPageColor);
  canvas.FillRect({0, 0, page.Width(), page.Height()});
  WriteText(canvas, 16, 10, look.name, -20, true);
  TFlow flow(16, 44, kPageWidth - 16);
  DrawInUse(canvas, flow, look);
  for (auto paint : {PaintControls, PaintTrackTabs, PaintMenus, PaintEdits, PaintSkinForm, PaintLists, PaintTitleBars, PaintFormFrames}) {
    auto picture = paint(look);
    TPoint at = flow.Place(picture->Width(), picture->Height());
    canvas.Draw(at.X, at.Y, picture.get());
  }
  flow.Break(8);
  DrawThemeBitmaps(canvas, flow, look);
  auto used = std::make_unique<TBitmap>(kPageWidth, flow.Bottom() + 16);
  used->Canvas()->Draw(0, 0, &page);
  return used;
}

void Save(const TBitmap& bitmap, const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes = bitmap.SaveToBytes();
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();  // the last bytes reach the disk here; a full disk shows now
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: skin_gallery <output folder>\n";
    return 2;
  }
  try {
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    InitWindowSystem(TBackendKind::Headless);
    HeadlessSetScreen({0, 0, 1280, 1024}, {0, 0, 1280, 1000});
    RegisterSkinResources();
    std::vector<std::unique_ptr<TBitmap>> pages;
    int sheetHeight = 0;
    for (const TLookEntry& look : kLooks) {
      pages.push_back(PaintPage(look));
      Save(*pages.back(), folder / (look.prefix + ".bmp"));
      sheetHeight = std::max(sheetHeight, pages.back()->Height());
    }
    TBitmap sheet(kPageWidth * int(pages.size()), sheetHeight);
    sheet.Canvas()->Brush()->SetColor(kPageColor);
    sheet.Canvas()->FillRect({0, 0, sheet.Width(), sheet.Height()});
    for (std::size_t i = 0; i < pages.size(); ++i) sheet.Canvas()->Draw(int(i) * kPageWidth, 0, pages[i].get());
    Save(sheet, folder / "SHEET.bmp");
    const std::pair<const char*, const char*> recorderThemes[] = {{kRecorderThemeResource1, "themeMp10"},
                                                                  {kRecorderThemeResource2, "themeMp11"},
                                                                  {kRecorderThemeResource3, "themeMp12"},
                                                                  {kRecorderThemeResource4, "themeMp13"}};
    for (const auto& [resource, component] : recorderThemes)
      Save(*PaintRecorderThemePage(resource, component), folder / (std::string(resource) + ".bmp"));
    Application->DestroyForms();
    ShutdownWindowSystem();
  } catch (const std::exception& e) {
    std::cerr << "skin_gallery: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
