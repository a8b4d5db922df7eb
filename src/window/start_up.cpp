#include "window/start_up.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "window/form_layout.h"
#include "window/qt_helpers.h"

namespace window {

namespace {

void show_start_failure(std::string_view reason) {
  QMessageBox::critical(nullptr, to_qstring(form_title),
                        QStringLiteral("Програмата не може да започне.\n") + to_qstring(reason));
}

}  // namespace

int run_window(const WindowBuilder& build) {
  std::unique_ptr<QWidget> window;
  try {
    window = build();
  } catch (const std::exception& failure) {
    show_start_failure(failure.what());
    return EXIT_FAILURE;
  } catch (...) {
    show_start_failure("неизвестна грешка");
    return EXIT_FAILURE;
  }
  window->show();
  return QApplication::exec();
}

}  // namespace window
