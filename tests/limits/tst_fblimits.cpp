// The power-limit page in the main window: its toolbar and 查看 entry and
// index, a preset evaluated as one design and scanned in the worker thread,
// refusals before any work, cancel and defaults. With VELMORA_SCREENSHOTS set
// it writes pictures of the page after a scan, in Chinese and English.

#include "../foundation/noticecatcher.h"

#include "fblimits.h"
#include "fbmainwindow.h"
#include "uilanguageswitch.h"

#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

namespace {
// Bound for a scan that takes a fraction of a second: it only keeps a broken
// build from hanging the suite.
constexpr int kScanWaitMs = 120000;
} // namespace

class TestFblimits : public QObject
{
    Q_OBJECT

private:
    FBMainWindow *window = nullptr;
    fblimits *page = nullptr;

    QLineEdit *field(const QString &key) { return page->findChild<QLineEdit *>("m_" + key); }
    void scanAndWait()
    {
        QSignalSpy done(page, &fblimits::calculationFinished);
        page->calculateMap();
        QVERIFY(done.count() == 1 || done.wait(kScanWaitMs));
    }
    void choosePreset(const char *id)
    {
        const int index = page->form().presetCombo->findData(QString::fromLatin1(id));
        QVERIFY(index > 0);
        page->form().presetCombo->setCurrentIndex(index);
        page->applyPreset(index);
    }
    void saveScreenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("VELMORA_SCREENSHOTS");
        if (dir.isEmpty())
            return;
        QVERIFY(window->grab().save(dir + "/" + name));
    }

private slots:
    void initTestCase()
    {
        window = new FBMainWindow;
        window->resize(1000, 700);
        QAction *action = window->findChild<QAction *>(QStringLiteral("actionFblimits"));
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("功率极限"));
        QVERIFY(!action->icon().isNull());
        auto *menu = window->findChild<QMenu *>(QStringLiteral("menuFile"));
        // The tenth page, right after the amplifier.
        QCOMPARE(menu->actions().indexOf(action), 9);
        action->trigger();
        QCOMPARE(window->currentPageIndex(), 9);
        page = window->findChild<fblimits *>();
        QVERIFY(page);
        window->show();
    }

    void cleanupTestCase() { delete window; }

    void presetDesignShowsEveryLimitAndTheBindingOne()
    {
        choosePreset("dawson_broadband");
        QVERIFY(!page->form().limits.at("use_mi")->isChecked());
        field("core_diameter_um")->setText("89.24");
        field("length_m")->setText("40.29");
        page->calculateDesign();
        const double pMax = field("p_max_w")->text().toDouble();
        QVERIFY(std::abs(pMax - 35770) < 0.01 * 35770);
        QVERIFY(!field("binding_limit")->text().isEmpty());
        QVERIFY(field("p_mi_w")->text().isEmpty()); // not counted
        QVERIFY(field("core_temp_k")->text().toDouble() > 300);
        // The window's 清空 empties the result fields through the descriptions.
        window->findChild<QAction *>(QStringLiteral("actionClear"))->trigger();
        QVERIFY(field("p_max_w")->text().isEmpty());
        QCOMPARE(field("core_diameter_um")->text(), QStringLiteral("89.24"));
    }

    void scanDrawsTheMapsAndTheBestDesign()
    {
        choosePreset("dawson_broadband");
        field("d_count")->setText("40");
        field("l_count")->setText("40");
        scanAndWait();
        QVERIFY(page->mapShown());
        QCOMPARE(page->form().progressBar->value(), 100);
        const double best = page->findChild<QLineEdit *>("m_map.p_max_w")->text().toDouble();
        QVERIFY(std::abs(best - 36e3) < 0.05 * 36e3);
        QCOMPARE(page->form().powerMapPlot->plottableCount() >= 1, true);
        QVERIFY(qobject_cast<QCPColorMap *>(page->form().powerMapPlot->plottable(0)));
        QVERIFY(page->form().bindingMapPlot->legend->itemCount() >= 2);
        QVERIFY(page->form().curvesPlot->graphCount() >= 5);
        QCOMPARE(page->tabPictures(0).pictures.size(), std::size_t(3));
        saveScreenshot("fblimits-dawson-map.png");
        page->form().plotTabs->setCurrentIndex(1);
        saveScreenshot("fblimits-binding.png");
        page->form().plotTabs->setCurrentIndex(2);
        saveScreenshot("fblimits-curves.png");
        page->calculateDesign(); // the design tab filled too (scan results kept)
        QVERIFY(!page->findChild<QLineEdit *>("m_map.p_max_w")->text().isEmpty());
        QVERIFY(applyUiLanguage(UiLanguage::English));
        page->form().plotTabs->setCurrentIndex(1);
        saveScreenshot("fblimits-binding-en.png");
        page->form().plotTabs->setCurrentIndex(3);
        saveScreenshot("fblimits-design-en.png");
        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
    }

    void badInputIsRefusedBeforeAnyWork()
    {
        field("d_min_um")->setText("200");
        const QString notice = captureNotice([this] { page->calculateMap(); });
        QVERIFY(!notice.isEmpty());
        QVERIFY(!page->isRunning());
        field("d_min_um")->setText("10");
        page->findChild<QComboBox *>("m_clad_mode")->setCurrentIndex(1);
        field("clad_diameter_um")->setText("20");
        QVERIFY(!captureNotice([this] { page->calculateDesign(); }).isEmpty());
    }

    void restoreDefaultsBringsBackEveryInput()
    {
        page->restoreDefaults();
        QCOMPARE(field("core_diameter_um")->text(), QStringLiteral("40"));
        QCOMPARE(page->form().presetCombo->currentIndex(), 0);
        QVERIFY(page->form().limits.at("use_mi")->isChecked());
        QVERIFY(field("p_max_w")->text().isEmpty());
    }

    void cancelStopsTheScan()
    {
        page->restoreDefaults(); // MI counted: the slow scan
        QSignalSpy done(page, &fblimits::calculationFinished);
        page->calculateMap();
        QVERIFY(page->isRunning());
        page->cancelCalculation();
        QVERIFY(done.count() == 1 || done.wait(kScanWaitMs));
        QVERIFY(!page->isRunning());
        QVERIFY(!page->mapShown());
    }
};

QTEST_MAIN(TestFblimits)
#include "tst_fblimits.moc"
