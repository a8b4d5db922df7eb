#pragma once

#include "quiz/answer_key.h"

namespace quiz {

// The quiz's own key: 31 Bulgarian caves, in alphabetical order of their names.
AnswerKey cave_key();

}  // namespace quiz
