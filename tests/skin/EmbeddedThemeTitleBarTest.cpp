// A title bar made from each of the editor's theme files draws as the
// look the file was made from: caption, sections and buttons in place.

#include <gtest/gtest.h>

#include <vector>

#include "platform/gfx/Canvas.h"
#include "skin/ZELMgr.h"
#include "tests/skin/TitleBarTestSupport.h"

namespace {

class EditorThemeTitleBar : public TitleBarTest {
 protected:
  // The bar as the screen shows it, row by row.
  static std::vector<std::vector<TColor>> Shot(TzelTitleBar* titleBar) {
    titleBar->Repaint();
    HeadlessPumpUntilIdle();
    std::vector<std::vector<TColor>> rows(titleBar->Height(), std::vector<TColor>(titleBar->Width()));
    for (int y = 0; y < titleBar->Height(); ++y)
      for (int x = 0; x < titleBar->Width(); ++x) rows[y][x] = GetWindowDC(titleBar->Handle())->Pixels(x, y);
    return rows;
  }
};

}  // namespace

TEST_F(EditorThemeTitleBar, DrawsAsTheLookItWasMadeFrom) {
  const struct {
    const char* resource;
    TzelUIStyle look;
  } themes[] = {{kEditorThemeResource1, DeepBlue}, {kEditorThemeResource2, BlueGlass}};
  for (const auto& made : themes) {
    SCOPED_TRACE(made.resource);
    auto* theme = new TzelBuiltInFileTheme(form);
    theme->LoadSkinData(LoadResourceData(made.resource));
    bar->SetFileTheme(theme);
    bar->SetUIStyle(FromThemeFile);
    bar->SetCaption("Recorder - Untitled");
    TzelTitleBar* builtIn = NewBar(form, made.look);
    builtIn->SetCaption("Recorder - Untitled");
    const auto fromFile = Shot(bar), fromLook = Shot(builtIn);
    ASSERT_EQ(fromFile.size(), fromLook.size());
    // Everything but the rounded corners, which a theme file leaves to its
    // window's region.
    constexpr int kCorner = 8;
    for (std::size_t y = 0; y < fromLook.size(); ++y)
      for (std::size_t x = kCorner; x + kCorner < fromLook[y].size(); ++x)
        ASSERT_EQ(fromFile[y][x], fromLook[y][x]) << x << "," << y;
    delete builtIn;
    bar->SetFileTheme(nullptr);
    delete theme;
  }
}
