#pragma once

#include <exception>
#include <string_view>

namespace window {

// Runs `action` and lets no failure escape: `on_failure` gets its reason instead, to tell the
// pupil.
template <typename Action, typename OnFailure>
void run_guarded(Action&& action, OnFailure&& on_failure) {
  try {
    action();
  } catch (const std::exception& failure) {
    on_failure(std::string_view(failure.what()));
  } catch (...) {
    on_failure(std::string_view("неизвестна грешка"));
  }
}

}  // namespace window
