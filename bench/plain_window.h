#pragma once

#include <QMainWindow>

// The quiz window as it opens, written plainly in a constructor: the same kinds and number of
// visible controls with the same texts, colours, font, icon, geometry and focus, but without
// the control table, the adapters, the Bulgarian collation or the quiz. A main window, as the
// quiz window is one for assistive technology.
class PlainWindow final : public QMainWindow {
 public:
  PlainWindow();
};
