#include <QApplication>

#include "window/quiz_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  window::QuizForm form;
  form.show();
  return QApplication::exec();
}
