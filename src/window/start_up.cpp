#include "window/start_up.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "form/form_design.h"
#include "form/form_texts.h"
#include "form/run_guarded.h"
#include "window/qt_helpers.h"

namespace window {

namespace {

void show_start_failure(std::string_view reason) {
  QMessageBox::critical(nullptr, to_qstring(form::form_title),
                        to_qstring(form::start_failure_message(reason)));
}

void load_qt_translations(QCoreApplication& app, const QLocale& locale) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  translator->setParent(&app);
  QCoreApplication::installTranslator(translator.release());
}

}  // namespace

void set_up_application(QApplication& app) {
  const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
  QLocale::setDefault(bulgarian);
  load_qt_translations(app, bulgarian);
  QGuiApplication::setDesktopFileName(QStringLiteral(CAVES_QUIZ_APP_ID));
}

int run_window(const WindowBuilder& build) {
  std::unique_ptr<QWidget> window;
  form::run_guarded([&] { window = build(); }, show_start_failure);
  if (!window) return EXIT_FAILURE;
  window->show();
  return QApplication::exec();
}

}  // namespace window
