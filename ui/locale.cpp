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
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans CJK SC"), font.family()});
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
