#pragma once

// Texts the window puts together from its design and the game's state.
#include <string>
#include <string_view>

#include "form/form_design.h"
#include "form/publisher.h"

namespace form {

// The window's caption: the publisher's address, then the title.
inline std::string window_caption() {
  return std::string(publisher) + std::string(caption_gap) + std::string(form_title);
}

// What the pupil reads when `action` failed for `reason`; the window plays on.
inline std::string failure_message(std::string_view action, std::string_view reason) {
  return std::string(action) + " не успя.\n" + std::string(reason) +
         "\n\nБутонът „Чисти“ започва нова игра.";
}

// What the program says when its window cannot be built.
inline std::string start_failure_message(std::string_view reason) {
  return std::string(start_failure) + "\n" + std::string(reason);
}

// The score, as the result box's description gives it to a screen reader.
inline std::string score_description(int correct, int wrong) {
  return "Вярно: " + std::to_string(correct) + ", Невярно: " + std::to_string(wrong);
}

}  // namespace form
