// Window colour, colour dialog, "恢复默认设置" and "窗口置顶" against an
// isolated settings store.
#include "shelltest.h"

#include "fbmainwindow.h"

#include <QAction>
#include <QColorDialog>
#include <QFont>
#include <QPoint>

#include <memory>

namespace {

QAction *action(const FBMainWindow &window, const char *name)
{
    auto *found = window.findChild<QAction *>(QString::fromLatin1(name));
    if (!found)
        qFatal("action %s missing", name);
    return found;
}

QVariant stored(const char *key)
{
    QSettings settings;
    return settings.value(QString::fromLatin1(key));
}

void storeWindowColor(int red, int green, int blue)
{
    QSettings settings;
    settings.setValue(QStringLiteral("red/window"), red);
    settings.setValue(QStringLiteral("green/window"), green);
    settings.setValue(QStringLiteral("blue/window"), blue);
}

} // namespace

class ShellSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    void firstStartUsesTheWindowDefaults()
    {
        FBMainWindow window;
        QCOMPARE(window.pos(), QPoint(350, 200));
        QCOMPARE(windowColorOf(&window), QColor(85, 170, 255));
        QVERIFY(action(window, "actionTopHint")->isCheckable());
        QVERIFY(!action(window, "actionTopHint")->isChecked());
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
        // Reading defaults writes nothing.
        QVERIFY(QSettings().allKeys().isEmpty());
    }

    void storedPositionAndColourAreRestored()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("pos"), QPoint(12, 34));
        }
        storeWindowColor(1, 2, 3);
        FBMainWindow window;
        QCOMPARE(window.pos(), QPoint(12, 34));
        QCOMPARE(windowColorOf(&window), QColor(1, 2, 3));
    }

    void colourDialogOpensWithTheDialogDefaults()
    {
        FBMainWindow window;
        QString title;
        QColor current, background;
        bool parentIsWindow = false;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QColorDialog *>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            current = dialog->currentColor();
            background = windowColorOf(dialog);
            parentIsWindow = dialog->parentWidget() == &window;
            dialog->reject();
        });
        action(window, "actionWindows_Color")->trigger();
        QCOMPARE(title, QStringLiteral("请选择窗口背景色"));
        QCOMPARE(current, QColor(152, 204, 222));
        QCOMPARE(background, QColor(152, 204, 222));
        QVERIFY(parentIsWindow);
        // Cancelled: neither the window nor the store changed.
        QCOMPARE(windowColorOf(&window), QColor(85, 170, 255));
        QVERIFY(QSettings().allKeys().isEmpty());
        // The dialog does not pile up as a child of the window.
        QVERIFY(window.findChildren<QColorDialog *>().isEmpty());
    }

    void colourDialogStartsFromTheStoredColour()
    {
        storeWindowColor(10, 20, 30);
        FBMainWindow window;
        QColor current;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QColorDialog *>(modal);
            QVERIFY(dialog);
            current = dialog->currentColor();
            dialog->reject();
        });
        action(window, "actionWindows_Color")->trigger();
        QCOMPARE(current, QColor(10, 20, 30));
    }

    void acceptedColourIsAppliedAndPersists()
    {
        {
            FBMainWindow window;
            onNextModal([](QWidget *modal) {
                auto *dialog = qobject_cast<QColorDialog *>(modal);
                QVERIFY(dialog);
                dialog->setCurrentColor(QColor(200, 100, 50));
                dialog->accept();
            });
            action(window, "actionWindows_Color")->trigger();
            QCOMPARE(windowColorOf(&window), QColor(200, 100, 50));
            QCOMPARE(stored("red/window").toInt(), 200);
            QCOMPARE(stored("green/window").toInt(), 100);
            QCOMPARE(stored("blue/window").toInt(), 50);
        }
        FBMainWindow nextStart;
        QCOMPARE(windowColorOf(&nextStart), QColor(200, 100, 50));
    }

    void defaultSettingsRestoreTheAppearance()
    {
        storeWindowColor(1, 2, 3);
        FBMainWindow window;
        QCOMPARE(windowColorOf(&window), QColor(1, 2, 3));
        action(window, "actionDefaultSettings")->trigger();

        QCOMPARE(windowColorOf(&window), QColor(85, 170, 255));
        QCOMPARE(stored("red/window").toInt(), 85);
        QCOMPARE(stored("green/window").toInt(), 170);
        QCOMPARE(stored("blue/window").toInt(), 255);
        QCOMPARE(stored("red/textview").toInt(), 206);
        QCOMPARE(stored("green/textview").toInt(), 224);
        QCOMPARE(stored("blue/textview").toInt(), 255);
        QFont font;
        QVERIFY(font.fromString(stored("Font").toString()));
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSize(), 20);
        QVERIFY(!font.italic());
        QCOMPARE(font.weight(), int(QFont::Normal));
        // The stay-on-top entry is not written.
        QVERIFY(!QSettings().contains(QStringLiteral("TopHint")));
    }

    void defaultSettingsKeepStayOnTop()
    {
        FBMainWindow window;
        action(window, "actionTopHint")->trigger();
        action(window, "actionDefaultSettings")->trigger();
        QVERIFY(action(window, "actionTopHint")->isChecked());
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(stored("TopHint").toInt(), 1);
    }

    void stayOnTopIsStoredAndRestored()
    {
        {
            FBMainWindow window;
            action(window, "actionTopHint")->trigger();
            QVERIFY(action(window, "actionTopHint")->isChecked());
            QCOMPARE(stored("TopHint").toInt(), 1);
            QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
            // Replacing the flags hides a window; it is shown again.
            QVERIFY(window.isVisible());
            QVERIFY(window.isWindow());
        }
        {
            FBMainWindow nextStart;
            QVERIFY(action(nextStart, "actionTopHint")->isChecked());
            QVERIFY(nextStart.windowFlags() & Qt::WindowStaysOnTopHint);

            action(nextStart, "actionTopHint")->trigger();
            QVERIFY(!action(nextStart, "actionTopHint")->isChecked());
            QCOMPARE(stored("TopHint").toInt(), 0);
            QVERIFY(!(nextStart.windowFlags() & Qt::WindowStaysOnTopHint));
            QVERIFY(nextStart.isVisible());
            QVERIFY(nextStart.isWindow());
        }
        FBMainWindow third;
        QVERIFY(!action(third, "actionTopHint")->isChecked());
        QVERIFY(!(third.windowFlags() & Qt::WindowStaysOnTopHint));
    }
};

VELMORA_SHELL_TEST_MAIN(ShellSettingsTest)
#include "tst_shellsettings.moc"
