#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

// Owners of the GDI and window resources the front end's windows draw with.

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <class Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

// Puts an object into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An off-screen picture compatible with `reference`, drawn into through Dc().
class MemoryCanvas {
 public:
  MemoryCanvas(HDC reference, int width, int height)
      : dc_(CreateCompatibleDC(reference)),
        bitmap_(CreateCompatibleBitmap(reference, width, height)),
        previous_(SelectObject(dc_, bitmap_.get())),
        width_(width),
        height_(height) {}
  ~MemoryCanvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;

  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  HDC dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ previous_;
  int width_;
  int height_;
};

// A picture loaded from a resource, ready to be copied from.
class ResourcePicture {
 public:
  ResourcePicture(HINSTANCE instance, int id)
      : bitmap_(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0))),
        dc_(CreateCompatibleDC(nullptr)),
        previous_(SelectObject(dc_, bitmap_.get())) {}
  ~ResourcePicture() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  ResourcePicture(const ResourcePicture&) = delete;
  ResourcePicture& operator=(const ResourcePicture&) = delete;

  HDC Dc() const { return dc_; }

 private:
  UniqueBitmap bitmap_;
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint and EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC Dc() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// A window's timer, killed with its owner.
class ScopedWindowTimer {
 public:
  ScopedWindowTimer(HWND window, UINT_PTR id, UINT milliseconds)
      : window_(window), id_(SetTimer(window, id, milliseconds, nullptr)) {}
  ~ScopedWindowTimer() {
    if (id_ != 0) KillTimer(window_, id_);
  }
  ScopedWindowTimer(const ScopedWindowTimer&) = delete;
  ScopedWindowTimer& operator=(const ScopedWindowTimer&) = delete;

 private:
  HWND window_;
  UINT_PTR id_;
};
