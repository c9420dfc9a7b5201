#pragma once
// Owners of the GDI objects and icons the windows make: each is freed when its owner goes.

#include <memory>
#include <type_traits>

#include "text/windows_api.h"

namespace ppexport::win32 {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

using FontOwner = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BrushOwner = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using BitmapOwner = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using IconOwner = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

}  // namespace ppexport::win32
