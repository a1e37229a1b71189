#pragma once
// The base of the controls that show their items as rows, one under the
// other: the list box (and with it the combo box's list), the list view and
// the tree view.
//
// It keeps what those controls share: the top row and scrolling by rows
// with the vertical window bar (a list of several columns scrolls by
// columns with the horizontal one); row heights, one for every row or one
// each; where a row lies and which row a point falls on; the caret (the
// row with the focus) and the anchor (where a Shift range starts); and the
// classic selection rules for clicks and the navigation keys.
//
// The control keeps its items and whether each is selected, answers the
// questions below and tells the base when rows come and go, so that the
// caret and the anchor stay on their rows.

#include "platform/framework/ScrollInfo.h"

enum TRowSelectMode {
  rsSingle,    // one selected row, which goes with the caret
  rsMultiple,  // a click toggles a row; keys move the caret only; Space toggles it
  rsExtended   // a click selects one row, Shift a range from the anchor, Ctrl toggles one
};

// The row a navigation key moves to from row from, among count rows with
// page rows to a page; -1 for a key that does not navigate. Left and Right
// move by a column of columnRows rows, and only in rows set in columns.
// Home and End go to the first and the last row; with no row to start
// from, the other keys go to the first.
int RowNavigationTarget(WORD key, int from, int count, int page, int columnRows = 0);

class TRowView : public TScrollingControl {
 public:
  explicit TRowView(TComponent* owner) : TScrollingControl(owner) {}
  // Scrolling by the bars and the wheel, repainting on a focus change, and
  // laying the rows out again for a new size.
  void DefaultHandler(TMessage& message) override;

 protected:
  // ---- What the control answers -------------------------------------------------
  virtual int RowCount() = 0;
  virtual int RowHeight(int row) = 0;
  // Rows of their own heights; otherwise every row is as high as row 0.
  virtual bool VariableRowHeights() { return false; }
  // Rows in this many columns side by side, each a page high (0: one column).
  virtual int RowColumns() { return 0; }
  // Where the rows begin in the client (below a header).
  virtual int RowsTop() { return 0; }
  virtual TRowSelectMode RowSelectMode() = 0;
  virtual bool RowSelected(int row) = 0;
  // Selects or deselects one row; false when the control refuses. Selecting
  // in single mode takes the selection from the row that had it.
  virtual bool SetRowSelected(int row, bool selected) = 0;
  // The caret, kept here unless the control keeps it with its items.
  virtual int CaretRow() { return caret_; }
  virtual void SetCaretRow(int row);
  // Sets the window scroll bars for the top row (the list view adds its
  // sideways bar).
  virtual void UpdateScrollBars();
  // The rows or the client changed: keeps the top row within the rows,
  // sets the bars and repaints.
  virtual void Changed();

  // ---- Geometry ------------------------------------------------------------------
  int TopRow() const { return top_; }
  int RowsPerColumn();
  // Whole rows shown from the top row on (at least one).
  int RowsPerPage();
  // The row's rectangle in the client, the full client width (or its column's).
  TRect RowRect(int row);
  // The row under a point, the classic way: a point outside the rows is
  // taken to the nearest edge of them and counts as outside, and a point
  // below the last row gives the last row, outside. -1 without rows.
  int RowAt(TPoint p, bool* outside);
  // Scrolls so that top is the first row shown (kept within the rows).
  void ScrollToRow(int top);
  // Scrolls the least that shows the whole row (partialOK: a row cut at
  // the bottom will do).
  void EnsureRowVisible(int row, bool partialOK = false);
  // WM_VSCROLL, and WM_HSCROLL of a list in columns.
  void ScrollByBar(UINT msg, WORD code, int thumb);
  void ScrollByWheel(int wheelDelta);
  // Fills the row bar's information (vertical, or horizontal for columns).
  void SetRowScrollBar();

  // ---- Selection -----------------------------------------------------------------
  int Anchor() const { return anchor_; }
  void SetAnchor(int row) { anchor_ = row; }
  // The caret moved to row, shown whole.
  void MoveCaret(int row);
  // Selects row and no other; false when a change was refused.
  bool SelectOnlyRow(int row);
  // Selects the rows from..to; clearOthers deselects the rest.
  bool SelectRowRange(int from, int to, bool clearOthers);
  bool ToggleRow(int row);
  // Goes to row as a navigation key without Shift or Ctrl does: selects it
  // alone and makes it the anchor (in multiple mode only the caret moves).
  // Answers whether the selection changed.
  bool GoToRow(int row);
  // A click on row (drag: the pointer moved on to it with the button
  // down). Answers whether the selection changed.
  bool ClickRow(int row, TShiftState shift, bool drag = false);
  // Up, Down, Page Up, Page Down, Home and End (and Left and Right in
  // columns), with Shift and Ctrl as the mode has them. Answers whether the selection changed; handled tells
  // whether the key was one of them.
  bool NavigateRows(WORD key, TShiftState shift, bool* handled = nullptr);
  // Space: toggles the caret's row in multiple mode.
  bool ToggleCaretRow();

  // ---- Rows coming and going ---------------------------------------------------
  void RowsInserted(int at, int count);
  void RowRemoved(int at);
  // The rows beyond the new count went.
  void RowsTruncated();
  void RowsCleared();

 private:
  int MaxTopRow();
  // Changes one row's state if it differs; changed is set when it did.
  bool ApplyRowSelected(int row, bool selected, bool& changed);

  int top_ = 0;
  int caret_ = -1;
  int anchor_ = -1;
};
