#pragma once

// Resource numbers shared by resources.rc and the code that loads them.
#define CAVES_QUIZ_ICON 1
