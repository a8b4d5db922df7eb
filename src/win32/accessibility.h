#pragma once

// What screen readers are told beyond what Windows reads from the controls themselves: names
// for the controls whose text does not name them, and descriptions. Without the annotation
// service (Wine has none), screen readers read the controls as they are and nothing fails.
#include <oleacc.h>
#include <windows.h>

#include <string_view>
#include <vector>

#include "win32/handles.h"

namespace win32 {

class Annotations {
 public:
  Annotations();
  ~Annotations();
  Annotations(const Annotations&) = delete;
  Annotations& operator=(const Annotations&) = delete;

  void set_name(HWND control, std::string_view name);
  void set_description(HWND control, std::string_view description);
  void set_role(HWND control, long role);
  // The name of a top-level window as a whole, not of its client area.
  void set_window_name(HWND window, std::string_view name);
  // Takes every annotation back; windows about to be destroyed must not keep them.
  void clear();

 private:
  struct Annotated {
    HWND window;
    DWORD object;
    MSAAPROPID property;
  };

  void set_text(HWND window, DWORD object, const MSAAPROPID& property, std::string_view text);
  void remember(HWND window, DWORD object, const MSAAPROPID& property);

  ComApartment com_;
  ComPtr<IAccPropServices> services_;
  std::vector<Annotated> annotated_;
};

}  // namespace win32
