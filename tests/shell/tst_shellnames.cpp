// The names the program gives itself and Qt's own texts in Chinese.
#include "applicationsetup.h"

#include <QApplication>
#include <QSettings>
#include <QtTest>

class TestShellNames : public QObject
{
    Q_OBJECT

private slots:
    void settingsStoreKeepsItsNamesWhileUsersSeeVelmora()
    {
        setApplicationNames();
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Marlo"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quolux"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Velmora"));
        QVERIFY(QSettings().fileName().contains(QStringLiteral("Marlo/Quolux")));
    }

    void qtDialogTextsAreChinese()
    {
        // Before: Qt's English button text; after: the zh_CN catalogue's.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        QVERIFY(installQtChineseTranslations(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QStringLiteral("打开"));
    }
};

QTEST_MAIN(TestShellNames)
#include "tst_shellnames.moc"
