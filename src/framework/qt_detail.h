#pragma once

// Qt-side helpers shared by the framework's own sources; never included outside src/framework.

#include <QColor>
#include <QFont>
#include <QString>
#include <cstdint>
#include <string>

#include "framework/control_spec.h"

class QLineEdit;

namespace fw::detail {

inline QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string FromQt(const QString& text) {
  return text.toStdString();
}
inline QColor ToColor(std::uint32_t rgb) {
  return QColor::fromRgb(rgb & 0xFFFFFFu);
}

// "System" is the platform's UI font, "Courier" its monospaced font; one point is one pixel.
QFont ToFont(const Font& font);
Qt::Alignment ToAlignment(int alignment);

// Pastes the clipboard into a one-line text as the user's paste keys do: a text field's own rules
// for a paste judge it.
void Paste(QLineEdit* edit);

}  // namespace fw::detail
