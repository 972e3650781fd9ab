#ifndef UILANGUAGE_H
#define UILANGUAGE_H

// The language the window speaks. Chinese is the language of the source: every
// text in the code is Chinese and goes through tr(); English comes from the
// translation catalogue (resources/translations/velmora_en.ts). The shell
// (app/uilanguageswitch.h) installs the translators and records the choice
// here, so pages can pick the matching half of a calculator's zh/en texts.

#include "calculator.h"

#include <QString>

enum class UiLanguage { Chinese, English };

UiLanguage currentUiLanguage();
void setCurrentUiLanguage(UiLanguage language);

// The half of a calculator text in the window's language (Chinese when the
// English half is empty).
QString inUiLanguage(const velmora::calc::Text &text);

#endif // UILANGUAGE_H
