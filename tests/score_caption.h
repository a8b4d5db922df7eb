#pragma once

#include <QRegularExpression>
#include <QString>
#include <optional>

namespace test {

// The count a score caption shows, for captions of the form "<word>: N"; "Вярно: " and
// "Вярно:" (no pair scored yet) count as 0. Empty when the caption has another form.
inline std::optional<int> caption_count(const QString& caption, const QString& word) {
  static const QRegularExpression form(QStringLiteral("^(\\S+):(?: (\\d*))?$"));
  const QRegularExpressionMatch match = form.match(caption);
  if (!match.hasMatch() || match.captured(1) != word) return std::nullopt;
  return match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
}

}  // namespace test
