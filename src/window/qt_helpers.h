#pragma once

// Small helpers shared by the window, its tests and the benchmark window.
#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string_view>

#include "form/form_design.h"

namespace window {

// The program keeps its texts as UTF-8; Qt shows them from UTF-16.
inline QString to_qstring(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Gives the widget a background of its own in the given palette role.
inline void set_background(QWidget& widget, QPalette::ColorRole role, form::Rgb rgb) {
  QPalette palette = widget.palette();
  palette.setColor(role, QColor(rgb.red, rgb.green, rgb.blue));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace window
