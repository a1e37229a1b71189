#pragma once
// The scroll bar's thumb, put together from its start cap, middle piece
// and end cap at the length the page size asks for.

class TBitmap;

namespace detail {

// thumb becomes `length` long along the bar and as thick as the start cap.
// With capsKeepEnds (theme files) only 3 pixels at each end stay as drawn,
// the middle piece sits unstretched in the centre when it fits, and the
// caps stretch to fill the gaps; otherwise both caps keep their length and
// the middle piece stretches between them.
void ComposeScrollThumb(const TBitmap& start, const TBitmap& middle, const TBitmap& end, bool vertical, int length,
                        bool capsKeepEnds, TBitmap& thumb);

}  // namespace detail
