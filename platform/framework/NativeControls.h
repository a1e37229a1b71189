#pragma once
// What the native controls (list box, combo box, list view, header, tree
// view, memo) share: the owner-draw records, the notification header, and
// how a native control hands its notifications to its own control.
//
// A native control tells its parent of events (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_MEASUREITEM) and the framework hands them back to the
// control they concern as CN_ messages. These controls send the CN_
// message to their own window directly, so a procedure hooked on the
// window sees it first.

#include <functional>

#include "platform/framework/Controls.h"

// Owner-draw requests.
constexpr UINT ODT_MENU = 1;
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODT_BUTTON = 4;

constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;

constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_DEFAULT = 0x0020;
constexpr UINT ODS_HOTLIGHT = 0x0040;
constexpr UINT ODS_INACTIVE = 0x0080;
constexpr UINT ODS_NOACCEL = 0x0100;
constexpr UINT ODS_NOFOCUSRECT = 0x0200;
constexpr UINT ODS_COMBOBOXEDIT = 0x1000;

struct DRAWITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;  // (UINT)-1: no item (an empty list with the focus)
  UINT itemAction = 0;
  UINT itemState = 0;
  HWND hwndItem = nullptr;
  HDC hDC = nullptr;
  TRect rcItem;
  LPARAM itemData = 0;
};

struct MEASUREITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemWidth = 0;
  UINT itemHeight = 0;
  LPARAM itemData = 0;
};

// The owner-draw state as the framework's events see it (the ODS_ bits).
using TOwnerDrawState = UINT;
constexpr TOwnerDrawState odSelected = ODS_SELECTED;
constexpr TOwnerDrawState odGrayed = ODS_GRAYED;
constexpr TOwnerDrawState odDisabled = ODS_DISABLED;
constexpr TOwnerDrawState odChecked = ODS_CHECKED;
constexpr TOwnerDrawState odFocused = ODS_FOCUS;
constexpr TOwnerDrawState odDefault = ODS_DEFAULT;
constexpr TOwnerDrawState odHotLight = ODS_HOTLIGHT;
constexpr TOwnerDrawState odInactive = ODS_INACTIVE;
constexpr TOwnerDrawState odNoAccel = ODS_NOACCEL;
constexpr TOwnerDrawState odNoFocusRect = ODS_NOFOCUSRECT;
constexpr TOwnerDrawState odComboBoxEdit = ODS_COMBOBOXEDIT;

// The head of every WM_NOTIFY record.
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

// Sends the CN_ form of a parent notification to the control's own window.
LRESULT NotifyOwnControl(HWND self, UINT parentMsg, WPARAM wParam, LPARAM lParam);

// Asks the control to draw one item (itemID -1: none) by WM_DRAWITEM.
void RequestDrawItem(HWND self, UINT ctlType, int itemID, UINT action, UINT state, HDC dc, const TRect& rect,
                     LPARAM itemData = 0);

// How the list box and the combo box answer a drawing request: the
// request's canvas takes the control's font and colour (the highlight
// colours for a selected item), draw paints an item (a request for no item
// is filled), and a focused item gets the focus rectangle. paintCanvas
// points at the canvas meanwhile, for the control's Canvas().
using TDrawItemMethod = std::function<void(int index, const TRect& rect, TOwnerDrawState state)>;
void AnswerDrawItem(const DRAWITEMSTRUCT& request, const TFont& font, TColor color, TCanvas*& paintCanvas,
                    const TDrawItemMethod& draw);
// Answers a measuring request through measure, kept within 1..255 pixels.
void AnswerMeasureItem(MEASUREITEMSTRUCT& request, const std::function<void(int index, int& height)>& measure);
