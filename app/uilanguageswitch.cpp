#include "uilanguageswitch.h"

#include "pageconventions.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {

const char *const kLanguageKey = "language";

// The translators in use, owned by the application object.
QPointer<QTranslator> g_program;
QPointer<QTranslator> g_qt;

void removeTranslator(QPointer<QTranslator> &translator)
{
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

std::optional<UiLanguage> parseUiLanguage(const QString &code)
{
    const QString language = code.trimmed().section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("zh"))
        return UiLanguage::Chinese;
    if (language == QLatin1String("en"))
        return UiLanguage::English;
    return std::nullopt;
}

QString uiLanguageCode(UiLanguage language)
{
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("zh");
}

UiLanguage storedUiLanguage()
{
    const QString code = QSettings().value(QLatin1String(kLanguageKey)).toString();
    return parseUiLanguage(code).value_or(UiLanguage::Chinese);
}

void storeUiLanguage(UiLanguage language)
{
    QSettings().setValue(QLatin1String(kLanguageKey), uiLanguageCode(language));
}

QString englishCatalogueFile()
{
    return findRuntimeFile(QStringLiteral("translations/velmora_en.qm"));
}

bool applyUiLanguage(UiLanguage language)
{
    // Load first, so a missing catalogue changes nothing.
    auto program = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (language == UiLanguage::English && !program->load(englishCatalogueFile()))
        return false;

    // Qt's own texts (standard buttons, colour and file dialogs, context
    // menus) are English in the source; Chinese comes from Qt's catalogue
    // (Debian qttranslations5-l10n: qt_zh_CN.qm pulls in qtbase_zh_CN.qm).
    auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
    const bool haveQt =
        language == UiLanguage::Chinese &&
        qt->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"),
                 QStringLiteral("_"), QLibraryInfo::location(QLibraryInfo::TranslationsPath));

    removeTranslator(g_program);
    removeTranslator(g_qt);
    setCurrentUiLanguage(language);
    if (language == UiLanguage::English) {
        g_program = program.release();
        QCoreApplication::installTranslator(g_program);
    }
    if (haveQt) {
        g_qt = qt.release();
        QCoreApplication::installTranslator(g_qt);
    }
    // QApplication posts LanguageChange to every window; deliver it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return true;
}
