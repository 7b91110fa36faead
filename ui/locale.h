// The program speaks Traditional Chinese everywhere, Qt's own dialogs included: message-box
// buttons, file dialogs, the context menus of text boxes.
#pragma once

class QCoreApplication;

namespace ui {

// Sets the zh_TW locale, installs Qt's zh_TW translation and the CJK screen font.
// Returns false when Qt's translation file is not installed (the program still runs).
bool use_traditional_chinese(QCoreApplication& app);

}  // namespace ui
