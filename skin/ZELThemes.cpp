#include "skin/ZELThemes.h"

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "skin/ZELBitmapPiece.h"
#include "skin/ZELResources.h"
#include "skin/ZELThemesTables.h"

namespace {

bool IsBuiltInLook(TzelUIStyle style) { return style >= MacOS && style <= BlueGlass; }

// Callers pass only element numbers 1..48; anything else reads as a
// missing integer rather than outside the table.
const detail::TzelBuiltInRow* RowOf(int element) {
  if (element < zelFirstElement || element > zelLastElement) return nullptr;
  return &detail::kBuiltInRows[element - 1];
}

}  // namespace

const char* BuiltInElementName(int element) {
  const detail::TzelBuiltInRow* row = RowOf(element);
  return row ? row->name : "";
}

TzelUIStyle GetOwnerUIStyle(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) return DeepBlue;
  for (int i = 0; i < form->ControlCount(); ++i) {
    TControl* control = form->Controls(i);
    if (control->ClassName() != "TzelForm" || !control->HasProperty("UIStyle")) continue;
    const auto style = control->GetProp<std::int64_t>("UIStyle");
    return style >= FromThemeFile && style <= BlueGlass ? static_cast<TzelUIStyle>(style) : DeepBlue;
  }
  return DeepBlue;
}

std::string GetBuiltInThemeBitmapName(TzelUIStyle style, int element) {
  const detail::TzelBuiltInRow* row = RowOf(element);
  if (!IsBuiltInLook(style) || !row || row->kind != zelKindBitmap) return "";
  const int look = style - MacOS;
  if (row->wholeNames[look]) return row->wholeNames[look];
  if (row->suffix[0] == '\0') return "";
  return std::string(detail::kLookPrefixes[look]) + "_" + row->suffix;
}

int GetBuiltInThemeItem(TzelUIStyle style, int element, TzelThemeItemKind& kind) {
  kind = zelKindInteger;
  const detail::TzelBuiltInRow* row = RowOf(element);
  if (!IsBuiltInLook(style) || !row) return -1;
  kind = row->kind;
  if (kind == zelKindBitmap) return GetBuiltInThemeBitmapName(style, element).empty() ? 0 : 1;
  return row->values[style - MacOS];
}

void GetBuiltInThemeBitmap(TzelUIStyle style, int element, TBitmap* dest, int count, int part) {
  if (!dest) return;
  TzelThemeItemKind kind;
  GetBuiltInThemeItem(style, element, kind);
  if (kind != zelKindBitmap) return;
  const std::string name = GetBuiltInThemeBitmapName(style, element);
  if (count <= 0) {
    LoadBitmapResource(name, *dest);
    return;
  }
  TBitmap whole;
  LoadBitmapResource(name, whole);
  CopyBitmapPiece(whole, *dest, count, part);
}

namespace {
int ValueOfKind(TzelUIStyle style, int element, TzelThemeItemKind wanted, int otherwise) {
  TzelThemeItemKind kind;
  const int value = GetBuiltInThemeItem(style, element, kind);
  return kind == wanted ? value : otherwise;
}
}  // namespace

int GetBuiltInThemeColor(TzelUIStyle style, int element) { return ValueOfKind(style, element, zelKindColor, 0); }

int GetBuiltInThemeBool(TzelUIStyle style, int element) { return ValueOfKind(style, element, zelKindBool, 0); }

int GetBuiltInThemeInteger(TzelUIStyle style, int element) {
  return ValueOfKind(style, element, zelKindInteger, -1);
}
