#include <QApplication>
#include <memory>

#include "window/quiz_form.h"
#include "window/start_up.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(CAVES_QUIZ_APP_ID));
  window::load_qt_translations(app);
  return window::run_window([] { return std::make_unique<window::QuizForm>(); });
}
