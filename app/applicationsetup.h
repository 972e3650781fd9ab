#ifndef APPLICATIONSETUP_H
#define APPLICATIONSETUP_H

class QCoreApplication;

// What the program sets up on its QApplication before the main window exists.
//
// Names: the settings store keeps the organisation and application names it
// always had, so that existing users keep their colours and layout; the name
// users see (window titles, the help window) is the product name "Velmora",
// set as the application display name.
//
// Translations: the interface is Chinese whatever the system locale, so Qt's
// own texts (file and colour dialogs, message-box buttons, context menus) are
// loaded in Chinese too, from Qt's translation directory (Debian package
// qttranslations5-l10n: qt_zh_CN.qm, which pulls in qtbase_zh_CN.qm).
// Returns false when the catalogue is not installed; the program then runs
// with Qt's English texts.
void setApplicationNames();
bool installQtChineseTranslations(QCoreApplication &app);

#endif // APPLICATIONSETUP_H
