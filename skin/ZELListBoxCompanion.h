#pragma once
// What the skinned list box and list view share about their companion
// scroll bars: keeping one in step with a native window bar and on which
// side the bars stand.

#include "platform/win/WinTypes.h"

struct TMessage;

class TControl;
class TzelScrollBar;

// Mirrors the native bar (OBJID_VSCROLL with SB_VERT, or OBJID_HSCROLL
// with SB_HORZ) of window on the companion: hidden while the native bar is
// hidden, unavailable or cannot be asked about; its thumb as long as the
// native one while the control is enabled; range and position copied.
void SyncCompanionWithNativeBar(TzelScrollBar& companion, HWND window, LONG objectId, int bar, bool controlEnabled);

// Whether the control's scroll bars stand on its left edge.
bool ScrollBarsOnLeft(const TControl& control);

// Whether the message may have moved the list under its native bars: scroll
// messages, keys, the wheel, deletions, enabling, and clicks and drags.
bool MayScrollList(const TMessage& message, bool leftButtonHeld);

// Gives a companion back to itself when a list lets go of it.
void ReleaseCompanion(TzelScrollBar& companion);
