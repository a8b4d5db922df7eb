#include <QApplication>
#include <memory>

#include "window/quiz_form.h"
#include "window/start_up.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  window::set_up_application(app);
  return window::run_window([] { return std::make_unique<window::QuizForm>(); });
}
