// The pulse page in the main window: its toolbar and 查看 entry and index,
// the default pulse propagated in the worker thread, a refusal before any
// work, cancel, clear and defaults.

#include "../foundation/noticecatcher.h"

#include "fbmainwindow.h"
#include "pulseamp.h"
#include "uilanguage.h"
#include "uilanguageswitch.h"

#include <qcustomplot.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Generous bound for a run of milliseconds: it only keeps a broken build
// from hanging the suite.
constexpr int kRunWaitMs = 60000;
} // namespace

class TestPulseamp : public QObject
{
    Q_OBJECT

private:
    FBMainWindow *window = nullptr;
    pulseamp *page = nullptr;

    QLineEdit *edit(const char *name) { return page->findChild<QLineEdit *>(name); }
    void calculateAndWait()
    {
        QSignalSpy done(page, &pulseamp::calculationFinished);
        const QString notice = captureNotice([this] { page->calculate(); });
        QVERIFY2(notice.isEmpty(), qPrintable(notice));
        QVERIFY(done.count() == 1 || done.wait(kRunWaitMs));
    }

private slots:
    void initTestCase()
    {
        window = new FBMainWindow;
        QAction *action = window->findChild<QAction *>(QStringLiteral("actionPulseamp"));
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("脉冲放大"));
        QVERIFY(!action->icon().isNull());
        auto *menu = window->findChild<QMenu *>(QStringLiteral("menuFile"));
        QVERIFY(menu->actions().contains(action));
        action->trigger();
        QCOMPARE(window->currentPageIndex(), 10);
        page = window->findChild<pulseamp *>();
        QVERIFY(page);
    }
    void cleanupTestCase() { delete window; }

    void defaultPulseIsPropagatedAndPlotted()
    {
        calculateAndWait();
        QVERIFY(page->resultShown());
        // 2 kW × 2 × 200 fs.
        QCOMPARE(edit("m_energy_in_jlineEdit")->text(), QStringLiteral("8e-10"));
        const double out = edit("m_energy_out_jlineEdit")->text().toDouble();
        QVERIFY(std::abs(out - 8e-10) < 1e-12); // lossless: only the Raman red shift takes energy
        QVERIFY(!edit("m_b_integral_radlineEdit")->text().isEmpty());
        QCOMPARE(page->findChild<QProgressBar *>(QStringLiteral("m_progressBar"))->value(), 100);
        QCOMPARE(page->findChild<QCustomPlot *>(QStringLiteral("m_TimePlot"))->graphCount(), 2);
        QCOMPARE(page->findChild<QCustomPlot *>(QStringLiteral("m_SpectrumPlot"))->graphCount(), 2);
        const TabPictures pictures = page->tabPictures(0);
        QCOMPARE(pictures.pictures.size(), std::size_t(2));
        // A look at the page as a user sees it, in both languages.
        const QString shot = qEnvironmentVariable("VELMORA_PULSE_SHOT");
        if (!shot.isEmpty()) {
            window->resize(1400, 900);
            window->grab().save(shot + QStringLiteral("_zh.png"));
            applyUiLanguage(UiLanguage::English);
            window->grab().save(shot + QStringLiteral("_en.png"));
            applyUiLanguage(UiLanguage::Chinese);
        }
    }

    void oddPointsAreRefusedBeforeAnyWork()
    {
        edit("m_pointslineEdit")->setText(QStringLiteral("1001"));
        const QString notice = captureNotice([this] { page->calculate(); });
        QVERIFY2(notice.contains(QStringLiteral("采样点数")), qPrintable(notice));
        QVERIFY(!page->isRunning());
        QVERIFY(edit("m_energy_out_jlineEdit")->text().isEmpty());
    }

    void cancelStopsTheRun()
    {
        page->restoreDefaults();
        QCOMPARE(edit("m_pointslineEdit")->text(), QStringLiteral("2048"));
        edit("m_length_mlineEdit")->setText(QStringLiteral("1000"));
        QSignalSpy done(page, &pulseamp::calculationFinished);
        const QString notice = captureNotice([this] { page->calculate(); });
        QVERIFY2(notice.isEmpty(), qPrintable(notice));
        QVERIFY(page->isRunning());
        page->cancelCalculation();
        QVERIFY(done.count() == 1 || done.wait(kRunWaitMs));
        QVERIFY(!page->isRunning());
        QVERIFY(!page->resultShown());
    }

    void clearKeepsInputsAndDefaultsRestoreThem()
    {
        page->restoreDefaults();
        page->findChild<QCheckBox *>(QStringLiteral("m_shockcheckBox"))->setChecked(false);
        calculateAndWait();
        QVERIFY(page->resultShown());
        page->clearResults();
        QVERIFY(edit("m_energy_out_jlineEdit")->text().isEmpty());
        QVERIFY(!page->findChild<QCheckBox *>(QStringLiteral("m_shockcheckBox"))->isChecked());
        page->restoreDefaults();
        QVERIFY(page->findChild<QCheckBox *>(QStringLiteral("m_shockcheckBox"))->isChecked());
    }
};

QTEST_MAIN(TestPulseamp)
#include "tst_pulseamp.moc"
