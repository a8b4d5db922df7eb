#include "window/start_up.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "window/form_layout.h"
#include "window/qt_helpers.h"
#include "window/run_guarded.h"

namespace window {

namespace {

void show_start_failure(std::string_view reason) {
  QMessageBox::critical(nullptr, to_qstring(form_title),
                        QStringLiteral("Програмата не може да започне.\n") + to_qstring(reason));
}

}  // namespace

bool load_qt_translations(QCoreApplication& app) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  translator->setParent(&app);
  return QCoreApplication::installTranslator(translator.release());
}

int run_window(const WindowBuilder& build) {
  std::unique_ptr<QWidget> window;
  run_guarded([&] { window = build(); }, show_start_failure);
  if (!window) return EXIT_FAILURE;
  window->show();
  return QApplication::exec();
}

}  // namespace window
