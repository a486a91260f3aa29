// The program's own bitmaps, compiled in as ":/bitmaps/<number>.png" (and <number>@2x, @3x, @4x
// for larger screens) and loaded by number.
#pragma once
#include "framework/Gdi.h"

// False, leaving the bitmap as it was, when no bitmap has that number.
BOOL LoadBitmapResource(CBitmap& bitmap, UINT nId);
