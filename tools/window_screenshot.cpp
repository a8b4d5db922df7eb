// Renders the quiz window as it opens to a PNG file, for the README.
// Usage: window-screenshot OUTPUT.png   (runs with the offscreen platform)
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "window/quiz_form.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fputs("usage: window-screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  window::QuizForm form;
  form.show();
  if (!form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "window-screenshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
