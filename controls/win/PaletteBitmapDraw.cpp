#include <windows.h>

#include "controls/PaletteBitmap.h"

void CPaletteBitmap::Draw(HDC dc, int x, int y) const
{
    if (!IsValid() || !dc)
        return;
    SetStretchBltMode(dc, COLORONCOLOR);
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(m_width), static_cast<DWORD>(m_height), 0, 0, 0,
                      static_cast<UINT>(m_height), Pixels(), reinterpret_cast<const BITMAPINFO*>(Block()),
                      DIB_RGB_COLORS);
}
