#include "win32/accessibility.h"

#include <algorithm>

#include "quiz/utf16.h"

namespace win32 {

namespace {

IAccPropServices* create_services() {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
    return nullptr;
  }
  return services;
}

}  // namespace

Annotations::Annotations() : services_(create_services()) {}

Annotations::~Annotations() { clear(); }

void Annotations::set_name(HWND control, std::string_view name) {
  set_text(control, static_cast<DWORD>(OBJID_CLIENT), PROPID_ACC_NAME, name);
}

void Annotations::set_description(HWND control, std::string_view description) {
  set_text(control, static_cast<DWORD>(OBJID_CLIENT), PROPID_ACC_DESCRIPTION, description);
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Annotations::set_role(HWND control, long role) {
  if (!services_) return;
  VARIANT value{};
  value.vt = VT_I4;
  value.lVal = role;
  const auto object = static_cast<DWORD>(OBJID_CLIENT);
  if (SUCCEEDED(services_->SetHwndProp(control, object, CHILDID_SELF, PROPID_ACC_ROLE, value))) {
    remember(control, object, PROPID_ACC_ROLE);
  }
}

void Annotations::set_window_name(HWND window, std::string_view name) {
  set_text(window, static_cast<DWORD>(OBJID_WINDOW), PROPID_ACC_NAME, name);
}

void Annotations::set_text(HWND window, DWORD object, const MSAAPROPID& property,
                           std::string_view text) {
  if (!services_) return;
  const std::wstring wide = quiz::to_utf16(text);
  if (SUCCEEDED(services_->SetHwndPropStr(window, object, CHILDID_SELF, property, wide.c_str()))) {
    remember(window, object, property);
  }
}

void Annotations::remember(HWND window, DWORD object, const MSAAPROPID& property) {
  const bool known = std::ranges::any_of(annotated_, [&](const Annotated& entry) {
    return entry.window == window && entry.object == object &&
           IsEqualGUID(entry.property, property);
  });
  if (!known) annotated_.push_back({window, object, property});
}

void Annotations::clear() {
  if (services_) {
    for (Annotated& entry : annotated_) {
      services_->ClearHwndProps(entry.window, entry.object, CHILDID_SELF, &entry.property, 1);
    }
  }
  annotated_.clear();
}

}  // namespace win32
