#pragma once

// Owners for the Windows handles the window keeps: each is released once, when its owner goes.
#include <objbase.h>
#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

template <typename Handle, auto release>
struct HandleReleaser {
  using pointer = Handle;
  void operator()(Handle handle) const noexcept {
    if (handle) release(handle);
  }
};

template <typename Handle, auto release>
using UniqueHandle =
    std::unique_ptr<std::remove_pointer_t<Handle>, HandleReleaser<Handle, release>>;

inline void delete_gdi_object(HGDIOBJ object) noexcept { DeleteObject(object); }
inline void destroy_icon(HICON icon) noexcept { DestroyIcon(icon); }
inline void destroy_window(HWND window) noexcept { DestroyWindow(window); }
inline void free_library(HMODULE module) noexcept { FreeLibrary(module); }

using UniqueFont = UniqueHandle<HFONT, delete_gdi_object>;
using UniqueBrush = UniqueHandle<HBRUSH, delete_gdi_object>;
using UniqueIcon = UniqueHandle<HICON, destroy_icon>;
using UniqueWindow = UniqueHandle<HWND, destroy_window>;
using UniqueModule = UniqueHandle<HMODULE, free_library>;

// A COM interface pointer that is released when it goes.
struct ComReleaser {
  void operator()(IUnknown* object) const noexcept {
    if (object) object->Release();
  }
};
template <typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// COM for this thread, single-threaded as windows need it, for as long as the object lives.
class ComApartment {
 public:
  ComApartment() noexcept
      : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace win32
