#pragma once
// Progress bars: how much of the bar is filled. The bar is measured lying
// down (a vertical bar is composed sideways and turned), so `length` is its
// long side.

// The filled length: length * (position - low) / (high - low), rounded as
// MulDiv rounds. A bar with the frame-strip look (`gated`) shows no fill while
// high or position is not above 0. An empty range fills nothing (MulDiv
// would answer -1), and the result stays within [0, length] whatever the
// control reports.
int ProgressFilledLength(int length, int position, int low, int high, bool gated);
