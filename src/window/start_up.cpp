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
  form::run_guarded([&] { window = build(); }, show_start_failure);
  if (!window) return EXIT_FAILURE;
  window->show();
  return QApplication::exec();
}

}  // namespace window
