#pragma once

#include <string>
#include <string_view>

#include "quiz/collation.h"
#include "quiz/controls.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace window {

// A list box seen as the quiz's visible list. Changes made here raise no selection signal:
// only the pupil's own picks reach the quiz.
class QtList final : public quiz::VisibleList {
 public:
  QtList(QListWidget& widget, const quiz::BulgarianCollation& collation)
      : widget_(widget), collation_(collation) {}

  void clear() override;
  void add_item(std::string_view text) override;
  std::string item_text(quiz::ListIndex index) const override;
  quiz::ListIndex selected_index() const override;
  void remove_item(quiz::ListIndex index) override;

 private:
  QListWidget& widget_;
  const quiz::BulgarianCollation& collation_;
};

// The result box keeps the text exactly as the quiz wrote it (CR LF line ends) and shows it
// with ordinary line breaks.
class QtTextBox final : public quiz::TextBox {
 public:
  explicit QtTextBox(QPlainTextEdit& widget) : widget_(widget) {}

  std::string text() const override { return text_; }
  void set_text(std::string_view text) override;

 private:
  QPlainTextEdit& widget_;
  std::string text_;
};

class QtLabel final : public quiz::Label {
 public:
  explicit QtLabel(QLabel& widget) : widget_(widget) {}

  void set_caption(std::string_view caption) override;

 private:
  QLabel& widget_;
};

}  // namespace window
