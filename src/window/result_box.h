#pragma once

#include <QPlainTextEdit>

class QInputMethodEvent;

namespace window {

// The box that shows the verdict: the pupil reads it, selects in it and moves a caret through
// it, but cannot change it. Making it read-only is not enough for that: Qt's text control still
// takes text committed by an input method (a compose key, IBus, Fcitx), and the box has the
// focus after every pair. So the box tells input methods that it takes no text, and drops any
// they send.
class ResultBox final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ResultBox(QWidget* parent = nullptr);

  // Input methods ask in either of Qt's two ways; both give the same answer.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
  Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override;
};

}  // namespace window
