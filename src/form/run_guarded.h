#pragma once

#include <exception>
#include <string_view>

#include "form/form_design.h"

namespace form {

// Runs `handler` and lets no failure escape: `on_failure` gets its reason instead, to tell the
// pupil. Every front end runs its event handlers and its start-up through this.
template <typename Handler, typename OnFailure>
void run_guarded(Handler&& handler, OnFailure&& on_failure) {
  try {
    handler();
  } catch (const std::exception& failure) {
    on_failure(std::string_view(failure.what()));
  } catch (...) {
    on_failure(unknown_failure);
  }
}

}  // namespace form
