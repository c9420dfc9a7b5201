#include "win32/dpi.h"

namespace ppexport::win32 {

namespace {
// Looks up a function of user32.dll that older systems lack; nullptr when it is missing.
template <typename Function>
Function user32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(HANDLE);

unsigned screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<unsigned>(dpi) : 96;
}
}  // namespace

unsigned windowDpi(HWND window) {
  static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return dpi;
  }
  return screenDpi();
}

int pixels(int twips, unsigned dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

int systemMetric(int index, unsigned dpi) {
  static const auto forDpi =
      user32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (forDpi != nullptr) return forDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(screenDpi()));
}

void adjustWindowRect(RECT& rect, DWORD style, DWORD extendedStyle, unsigned dpi) {
  static const auto forDpi =
      user32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  if (forDpi != nullptr) {
    forDpi(&rect, style, FALSE, extendedStyle, dpi);
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
  }
}

LOGFONTW dialogFont(unsigned dpi) {
  static const auto forDpi =
      user32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  const bool read =
      (forDpi != nullptr &&
       forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi) != FALSE) ||
      SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != FALSE;
  LOGFONTW font = read ? metrics.lfMessageFont : LOGFONTW{};
  if (!read) lstrcpynW(font.lfFaceName, L"MS Shell Dlg 2", LF_FACESIZE);
  font.lfHeight = -MulDiv(8, static_cast<int>(dpi), 72);
  font.lfWidth = 0;
  return font;
}

void becomeDpiAware() {
  static const auto setAwareness =
      user32Function<SetProcessDpiAwarenessContextFunction>("SetProcessDpiAwarenessContext");
  if (setAwareness == nullptr) return;
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, else DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE.
  // Both fail harmlessly when the manifest has set the awareness already.
  if (setAwareness(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4))) == FALSE) {
    setAwareness(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3)));
  }
}

}  // namespace ppexport::win32
