// "清空" and "恢复默认参数" clear what a tab shows, plots included.
#include "shelltest.h"

#include "fbmainwindow.h"
#include "lasertrait.h"

#include <qcustomplot.h>
#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

class TestShellClear : public QObject
{
    Q_OBJECT

    LaserTrait *gainTabWithACurve(FBMainWindow &window)
    {
        window.findChild<QAction *>(QStringLiteral("actionLasertrit"))->trigger();
        auto *page = window.findChild<LaserTrait *>();
        page->findChild<QTabWidget *>()->setCurrentIndex(3);
        page->findChild<QPushButton *>(QStringLiteral("pushButton_4"))->click();
        return page;
    }
    int plottedPoints(LaserTrait *page)
    {
        auto *plot = page->findChild<QCustomPlot *>(QStringLiteral("GcustomPlot"));
        return plot->graphCount() == 0 ? 0 : plot->graph(0)->dataCount();
    }

private slots:
    void init() { QSettings().clear(); }

    void clearEmptiesTheGainPlot_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("清空") << QStringLiteral("actionClear");
        QTest::newRow("恢复默认参数") << QStringLiteral("actionDefaultPar");
    }

    void clearEmptiesTheGainPlot()
    {
        QFETCH(QString, action);
        FBMainWindow window;
        LaserTrait *page = gainTabWithACurve(window);
        QVERIFY(page->gainComputed());
        QVERIFY(plottedPoints(page) > 0);
        window.findChild<QAction *>(action)->trigger();
        QCOMPARE(plottedPoints(page), 0);
        QVERIFY(!page->gainComputed()); // the picture export asks for a calculation
    }

    // The fiber-mode page clears its table and mode map through the same
    // clearResults(int) as every page with pictures.
    void clearEmptiesTheModeTable()
    {
        FBMainWindow window;
        window.findChild<QAction *>(QStringLiteral("actionFBmode"))->trigger();
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
        window.findChild<QPushButton *>(QStringLiteral("pushButton_12"))->click();
        QVERIFY(table->rowCount() > 0);
        window.findChild<QAction *>(QStringLiteral("actionClear"))->trigger();
        QCOMPARE(table->rowCount(), 0);
    }
};

VELMORA_SHELL_TEST_MAIN(TestShellClear)
#include "tst_shellclear.moc"
