// The one conversion between engine text (UTF-8 in std::string) and Qt's strings. It needs
// Qt Core alone, so the Qt adapters, which link no widgets, share it with the windows.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ui {

[[nodiscard]] inline QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
[[nodiscard]] inline std::string u8(const QString& text) { return text.toStdString(); }

}  // namespace ui
