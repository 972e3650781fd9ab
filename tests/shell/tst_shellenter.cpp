// Enter in an input field, or on the focused "计算" button, runs that tab's
// calculation; an output field and another tab's results stay untouched.
#include "shelltest.h"

#include "fbmainwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

class TestShellEnter : public QObject
{
    Q_OBJECT

    void openNonlinear(FBMainWindow &window)
    {
        window.findChild<QAction *>(QStringLiteral("actionNonlinear"))->trigger();
    }
    QString text(FBMainWindow &window, const char *name)
    {
        return window.findChild<QLineEdit *>(QLatin1String(name))->text();
    }

private slots:
    void init() { QSettings().clear(); }

    void enterInAFieldCalculatesItsTab()
    {
        FBMainWindow window;
        window.show();
        openNonlinear(window);
        auto *length = window.findChild<QLineEdit *>(QStringLiteral("m_LlineEdit"));
        QVERIFY(text(window, "m_GBlineEdit").isEmpty());
        QTest::keyClick(length, Qt::Key_Return);
        QCoreApplication::processEvents(); // the click is queued behind editingFinished
        QCOMPARE(text(window, "m_GBlineEdit"), QStringLiteral("9.904e-11"));
        QVERIFY(text(window, "m_SRSdLineEdit").isEmpty()); // the SRS tab is not run
    }

    void enterOnTheFocusedButtonCalculates()
    {
        FBMainWindow window;
        window.show();
        openNonlinear(window);
        window.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
        auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton_4"));
        QVERIFY(button->autoDefault());
        QTest::keyClick(button, Qt::Key_Return);
        QVERIFY(!text(window, "m_SRSdLineEdit").isEmpty());
    }
};

VELMORA_SHELL_TEST_MAIN(TestShellEnter)
#include "tst_shellenter.moc"
