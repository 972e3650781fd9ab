#include "uilanguage.h"

namespace {
UiLanguage g_language = UiLanguage::Chinese; // set on the GUI thread only
}

UiLanguage currentUiLanguage()
{
    return g_language;
}

void setCurrentUiLanguage(UiLanguage language)
{
    g_language = language;
}

QString inUiLanguage(const velmora::calc::Text &text)
{
    const std::string &chosen =
        g_language == UiLanguage::English && !text.en.empty() ? text.en : text.zh;
    return QString::fromStdString(chosen);
}
