#include <QApplication>

#include "window/quiz_form.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(CAVES_QUIZ_APP_ID));
  window::QuizForm form;
  form.show();
  return QApplication::exec();
}
