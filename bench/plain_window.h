#pragma once

#include <QWidget>

// The quiz window as it opens, written plainly in a constructor: the same kinds and number of
// visible controls with the same texts, colours, font, icon, geometry and focus, but without
// the control table, the adapters, the Bulgarian collation or the quiz.
class PlainWindow final : public QWidget {
 public:
  PlainWindow();
};
