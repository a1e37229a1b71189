#include "skin/ZELMgr.h"

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/os/Files.h"
#include "platform/os/Folders.h"
#include "platform/win/WinApi.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELThemeFile.h"

namespace {

std::string WithTrailingSeparator(std::string path) {
  if (path.empty() || (path.back() != '/' && path.back() != '\\')) path += '/';
  return path;
}

// Form descriptions made elsewhere may carry paths with backslashes.
std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The value itself, then its file name beside the program, in the
// Windows folder and in the system folder; "" when none exists.
std::string SearchThemeFile(const std::string& value) {
  if (FileExists(value)) return value;
  const std::string name = FileNameOf(value);
  if (name.empty()) return "";
  for (const std::string& folder : {GetProgramFolder(), GetWindowsFolder(), GetSystemFolder()}) {
    std::string candidate = WithTrailingSeparator(folder) + name;
    if (FileExists(candidate)) return candidate;
  }
  return "";
}

bool HoldsTheme(TComponent* component, const TzelFileTheme* theme) {
  const TPropInfo* prop = component->FindProperty("FileTheme");
  if (prop == nullptr || prop->Kind != TPropKind::Component || !prop->Set) return false;
  const TPropValue value = prop->Get();
  const auto* held = std::get_if<TComponent*>(&value);
  return held != nullptr && *held == theme;
}

}  // namespace

TzelFileTheme::TzelFileTheme(TComponent* owner)
    : TComponent(owner), manager_(std::make_unique<TzelFileThemeMgr>()) {
  Publish("ThemeFile", &TzelFileTheme::ThemeFile, &TzelFileTheme::SetThemeFile);
  if (SkinFlavour() == zelOlderBuild) return;  // the recorder's build publishes the file only
  Publish("Password", &TzelFileTheme::Password, &TzelFileTheme::SetPassword);
  Publish("Ready", &TzelFileTheme::Ready, &TzelFileTheme::SetReady);
}

TzelFileTheme::~TzelFileTheme() { Destroying(); }

void TzelFileTheme::SetThemeFile(const std::string& value) {
  if (SkinFlavour() == zelOlderBuild && value == themeFile_) return;  // the recorder's build loads a path once
  LoadThemeFile(value);
}

void TzelFileTheme::LoadThemeFile(const std::string& value) {
  const bool firstAssignment = themeFile_.empty();
  std::string found = SearchThemeFile(value);
  if (found.empty()) return;
  if (SkinFlavour() == zelOlderBuild && !IsThemeFile(found)) throw Exception("Invalid skin file for ZELPack!");
  themeFile_ = found;
  // Not ready while loading: a damaged older file raises with no theme left.
  ready_ = false;
  ready_ = manager_->LoadFromFile(found, password_);
  if (ready_) RefreshUsers(firstAssignment);
}

void TzelFileTheme::SetPassword(const std::string& value) {
  password_ = value;
  if (!password_.empty()) TzelFileTheme::SetThemeFile(themeFile_);
}

// The owning form's skinned controls that point here re-apply their look;
// a skinned form frame using this theme is measured and painted anew
// (not on the first assignment: the frame is not built yet).
void TzelFileTheme::RefreshUsers(bool firstAssignment) {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form == nullptr || form->IsDestroying()) return;
  bool frameUsesTheme = false;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    if (component == this || !HoldsTheme(component, this)) continue;
    const std::string className = component->ClassName();
    if (className == "TzelForm") frameUsesTheme = true;
    if (className.compare(0, 4, "Tzel") != 0) continue;
    component->SetPropValue("FileTheme", static_cast<TComponent*>(nullptr));
    component->SetPropValue("FileTheme", static_cast<TComponent*>(this));
  }
  if (frameUsesTheme && !firstAssignment && form->HandleAllocated())
    SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TBitmap* TzelFileTheme::GetBitmap(int index) const { return manager_->GetBitmap(index); }

void TzelFileTheme::GetBitmapFrame(int index, TBitmap* dest, int count, int part) const {
  if (dest == nullptr) return;
  TBitmap* source = manager_->GetBitmap(index);
  if (source != nullptr && count != 0 && part != 0)
    CopyBitmapPiece(*source, *dest, count, part);
  else if (source != nullptr || SkinFlavour() == zelCurrentBuild)
    dest->Assign(source);  // null empties dest; the recorder's build leaves it as it was
}

bool TzelFileTheme::GetBool(int index) const { return manager_->GetBool(index); }
int TzelFileTheme::GetColor(int index) const { return manager_->GetColor(index); }
int TzelFileTheme::GetInteger(int index) const { return manager_->GetInteger(index); }

bool UsingFileTheme(const TzelFileTheme* fileTheme, TzelUIStyle uiStyle, TzelUIStyle& style) {
  style = uiStyle;
  if (uiStyle != FromThemeFile) return false;
  if (fileTheme != nullptr && fileTheme->IsReady()) return true;
  style = DeepBlue;
  return false;
}

std::string GetWindowsFolder() { return WithTrailingSeparator(GetWindowsDirectory()); }
std::string GetSystemFolder() { return WithTrailingSeparator(GetSystemDirectory()); }
std::string GetTempFolder() { return WithTrailingSeparator(GetTempPath()); }

namespace {

// Title and control font colours: built-in elements, which the
// recorder's theme files answer by number too, and the editor's items.
constexpr int kElementTitleFontColor = 44;
constexpr int kElementControlFontColor = 27;
constexpr int kThemeTitleFontColor = 1;
constexpr int kThemeControlFontColor = 23;

// Control font colours by which a theme without a title colour asks for
// black title text.
bool AsksForBlackTitle(int controlFontColor) {
  return controlFontColor == 65536 || controlFontColor == 196608 || controlFontColor == 262144 ||
         controlFontColor == 327680;
}

}  // namespace

TColor ThemeTitleFontColor(const TzelFileTheme& theme) {
  const bool older = SkinFlavour() == zelOlderBuild;
  const int title = theme.GetColor(older ? kElementTitleFontColor : kThemeTitleFontColor);
  if (title != -1) return TColor(title);
  if (AsksForBlackTitle(theme.GetColor(older ? kElementControlFontColor : kThemeControlFontColor))) return clBlack;
  return clWhite;
}
