#ifndef UILANGUAGESWITCH_H
#define UILANGUAGESWITCH_H

// Switching the window between Chinese and English: the translators of the
// program and of Qt's own dialogs, the stored choice and the command line's
// override. Every widget re-sets its texts when it receives
// QEvent::LanguageChange, which installing or removing a translator sends.

#include "uilanguage.h"

#include <QString>

#include <optional>

// "zh" or "en" (also "zh_CN", "en_GB": only the language part counts);
// nothing for any other text.
std::optional<UiLanguage> parseUiLanguage(const QString &code);
QString uiLanguageCode(UiLanguage language);

// The choice kept in the settings store ("language"); Chinese when none.
UiLanguage storedUiLanguage();
void storeUiLanguage(UiLanguage language);

// The program's catalogue for English (translations/velmora_en.qm, found
// like the program's other files).
QString englishCatalogueFile();

// Installs the translators of `language` in place of those of the previous
// one and delivers the resulting LanguageChange at once, so every window shows
// the new texts when this returns. Returns false and leaves the window in
// Chinese when the English catalogue cannot be read.
bool applyUiLanguage(UiLanguage language);

#endif // UILANGUAGESWITCH_H
