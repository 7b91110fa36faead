#include "ui/locale.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool use_traditional_chinese(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::Taiwan));
  if (qobject_cast<QApplication*>(&app)) {
    // The first of these that the system has: Noto on Linux, the Traditional-Chinese UI
    // faces on Windows, whose own fallback names no Chinese face outside a Chinese locale.
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Microsoft JhengHei UI"),
                      QStringLiteral("Microsoft JhengHei"), QStringLiteral("PMingLiU"), QStringLiteral("Noto Sans CJK SC"),
                      font.family()});
    QApplication::setFont(font);
  }
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_zh_TW"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace ui
