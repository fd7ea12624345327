#pragma once
// A window region from an image: every pixel outside the key colour range,
// built from the image's row runs and handed to the system in batches.

#include "framework/win/gdi.h"
#include "skin/data/image/image.h"

// The caller owns the region (SetWindowRgn takes it over: pass release()).
// An image with no opaque pixel gives an empty region.
UniqueRegion RegionFromBitmap(const TSkinBitmap& image, int x_offset, int y_offset, TColor key,
                              int red_tolerance, int green_tolerance, int blue_tolerance);
