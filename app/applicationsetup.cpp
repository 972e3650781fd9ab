#include "applicationsetup.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void setApplicationNames()
{
    // The settings store's names, kept for compatibility with existing stores.
    QCoreApplication::setOrganizationName(QStringLiteral("Marlo"));
    QCoreApplication::setApplicationName(QStringLiteral("Quolux"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Velmora"));
}

bool installQtChineseTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    if (!translator->load(chinese, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
