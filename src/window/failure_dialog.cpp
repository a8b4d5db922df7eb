#include "window/failure_dialog.h"

#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include "form/form_design.h"
#include "form/form_texts.h"
#include "window/qt_helpers.h"

namespace window {

namespace {

// Opens a dialog once its window is shown. Owned by the dialog, so it goes when the dialog does.
class OpenWhenShown final : public QObject {
 public:
  explicit OpenWhenShown(QMessageBox& box) : QObject(&box), box_(box) {
    box.parentWidget()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      watched->removeEventFilter(this);
      // Once the window has finished showing, so that the dialog comes up over it.
      QTimer::singleShot(0, &box_, [this] { box_.open(); });
    }
    return false;
  }

 private:
  QMessageBox& box_;
};

}  // namespace

void show_failure(QWidget& window, std::string_view action, std::string_view reason) {
  auto* box =
      new QMessageBox(QMessageBox::Critical, to_qstring(form::failure_title),
                      to_qstring(form::failure_message(action, reason)), QMessageBox::Ok, &window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  if (window.isVisible()) {
    box->open();
  } else {
    new OpenWhenShown(*box);
  }
}

}  // namespace window
