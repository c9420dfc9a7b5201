#include "win32/program_picture.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "win32/gdi_owners.h"
#include "win32/resource_ids.h"

namespace ppexport::win32 {

namespace {
struct PictureBitmap {
  int resource;
  int width;
};
constexpr std::array<PictureBitmap, 3> pictureBitmaps{
    {{IDB_PICTURE_100, 140}, {IDB_PICTURE_150, 210}, {IDB_PICTURE_200, 280}}};

// Loads a 32-bit bitmap with its alpha and multiplies the colours by it, as AlphaBlend wants them.
BitmapOwner loadBlendable(int resource) {
  BitmapOwner bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                     MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0,
                                                     0, LR_CREATEDIBSECTION)));
  DIBSECTION section{};
  if (!bitmap || GetObjectW(bitmap.get(), sizeof section, &section) != sizeof section ||
      section.dsBm.bmBitsPixel != 32 || section.dsBm.bmBits == nullptr) {
    return nullptr;
  }
  auto* pixel = static_cast<std::uint8_t*>(section.dsBm.bmBits);
  const long count = static_cast<long>(section.dsBm.bmWidth) * std::labs(section.dsBm.bmHeight);
  for (long index = 0; index < count; ++index, pixel += 4) {
    const unsigned alpha = pixel[3];
    for (int colour = 0; colour < 3; ++colour) {
      pixel[colour] = static_cast<std::uint8_t>((pixel[colour] * alpha + 127) / 255);
    }
  }
  return bitmap;
}

// The loaded bitmaps, for as long as the program runs.
const std::array<BitmapOwner, 3>& blendableBitmaps() {
  static const std::array<BitmapOwner, 3> bitmaps{loadBlendable(pictureBitmaps[0].resource),
                                                  loadBlendable(pictureBitmaps[1].resource),
                                                  loadBlendable(pictureBitmaps[2].resource)};
  return bitmaps;
}
}  // namespace

void drawProgramPicture(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  // The smallest bitmap at least as wide as the place, else the largest.
  std::size_t chosen = pictureBitmaps.size() - 1;
  for (std::size_t index = 0; index < pictureBitmaps.size(); ++index) {
    if (pictureBitmaps[index].width >= width) {
      chosen = index;
      break;
    }
  }
  HBITMAP bitmap = blendableBitmaps()[chosen].get();
  BITMAP size{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof size, &size) == 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, rect.left, rect.top, width, height, source, 0, 0, size.bmWidth, size.bmHeight,
             blend);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace ppexport::win32
