// The help window and the calculator command.
#include "shelltest.h"

#include "fbmainwindow.h"
#include "pageconventions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QWebFrame>
#include <QWebView>

namespace {

void trigger(FBMainWindow &window, const char *actionName)
{
    auto *action = window.findChild<QAction *>(QString::fromLatin1(actionName));
    QVERIFY2(action, actionName);
    action->trigger();
}

QUrl helpUrl(const char *page)
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/documentation/") + QString::fromLatin1(page));
}

int helpWindowCount()
{
    int count = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<QWebView *>(top))
            ++count;
    return count;
}

// Puts a file back where it was when the test ends, whatever the outcome.
struct MovedAside {
    QString path;
    bool moved = false;
    explicit MovedAside(const QString &file) : path(file)
    {
        moved = QFile::rename(path, path + QStringLiteral(".aside"));
    }
    ~MovedAside()
    {
        if (moved)
            QFile::rename(path + QStringLiteral(".aside"), path);
    }
};

// Restores an environment variable when the test ends.
struct EnvGuard {
    QByteArray name, value;
    bool had;
    explicit EnvGuard(const char *var)
        : name(var), value(qgetenv(var)), had(qEnvironmentVariableIsSet(var))
    {
    }
    ~EnvGuard()
    {
        if (had)
            qputenv(name.constData(), value);
        else
            qunsetenv(name.constData());
    }
};

} // namespace

class ShellHelpTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void helpWindowExistsHiddenAndWithoutParent()
    {
        FBMainWindow window;
        QWebView *help = window.helpWindow();
        QVERIFY(help);
        QVERIFY(!help->parentWidget());
        QVERIFY(!help->isVisible());
        // The product name, never the settings store's "Quolux".
        QCOMPARE(help->windowTitle(), QStringLiteral("Velmora 帮助"));
    }

    void threeCommandsShareOneWindow_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("关于我们") << QByteArray("actionAbout") << QByteArray("about.html");
        QTest::newRow("使用说明") << QByteArray("actionIntro") << QByteArray("introduction.html");
        QTest::newRow("计算模型说明") << QByteArray("actionTopic") << QByteArray("index.html");
    }

    void threeCommandsShareOneWindow()
    {
        QFETCH(QByteArray, action);
        QFETCH(QByteArray, page);
        QVERIFY2(QFileInfo::exists(helpUrl(page.constData()).toLocalFile()),
                 "the help pages are copied beside the executable");
        FBMainWindow window;
        QWebView *help = window.helpWindow();
        QSignalSpy loaded(help, &QWebView::loadFinished);

        // Another page first, so the window is reused, not replaced.
        trigger(window, action == "actionAbout" ? "actionIntro" : "actionAbout");
        QVERIFY(loaded.wait(10000));
        trigger(window, action.constData());
        QVERIFY(loaded.wait(10000));
        QVERIFY(loaded.last().at(0).toBool());

        QCOMPARE(window.helpWindow(), help);
        QCOMPARE(helpWindowCount(), 1);
        QVERIFY(help->isVisible());
        QCOMPARE(help->url(), helpUrl(page.constData()));
        // A real page, not an empty or error document.
        QVERIFY(help->page()->mainFrame()->toPlainText().size() > 200);
        QVERIFY(!help->title().isEmpty());
    }

    void helpWindowOutlivesTheMainWindow()
    {
        QWebView *help = nullptr;
        {
            FBMainWindow window;
            trigger(window, "actionAbout");
            help = window.helpWindow();
            QVERIFY(help->isVisible());
            window.close();
            QVERIFY(help->isVisible());
        }
    }

    void missingPageShowsWhichFileIsMissing()
    {
        const QString page =
            QCoreApplication::applicationDirPath() + QStringLiteral("/documentation/about.html");
        MovedAside aside(page);
        QVERIFY(aside.moved);
        if (QFileInfo::exists(findRuntimeFile(QStringLiteral("documentation/about.html"))))
            QSKIP("an installed copy of the help pages would be shown instead");

        FBMainWindow window;
        QSignalSpy loaded(window.helpWindow(), &QWebView::loadFinished);
        trigger(window, "actionAbout");
        if (loaded.isEmpty())
            QVERIFY(loaded.wait(10000));
        QVERIFY(window.helpWindow()->isVisible());
        const QString text = window.helpWindow()->page()->mainFrame()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("找不到帮助页面")), qPrintable(text));
        QVERIFY2(text.contains(page), qPrintable(text));
    }

    void calculatorWithoutAnyInstalledShowsANotice()
    {
        EnvGuard path("PATH");
        qputenv("PATH", "");
        FBMainWindow window;
        QString notice;
        captureNextNotice(&notice);
        trigger(window, "actionCalculator");
        QVERIFY(notice.startsWith(QStringLiteral("提示|")));
        QVERIFY(notice.contains(QStringLiteral("未找到可用的计算器程序")));
        QVERIFY(notice.contains(QStringLiteral("gnome-calculator")));
    }

    void calculatorStartsTheFirstOneOnPath()
    {
        // A stand-in calculator that records each start.
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        const QString marker = bin.filePath(QStringLiteral("started"));
        const QString script = bin.filePath(QStringLiteral("xcalc"));
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("#!/bin/sh\necho x >> '%1'\n").arg(marker).toLocal8Bit());
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        EnvGuard path("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());

        FBMainWindow window;
        trigger(window, "actionCalculator");
        trigger(window, "actionCalculator");
        // Each use starts another instance; no notice is shown.
        QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(marker).size(), qint64(4), 10000);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

VELMORA_SHELL_TEST_MAIN(ShellHelpTest)
#include "tst_shellhelp.moc"
