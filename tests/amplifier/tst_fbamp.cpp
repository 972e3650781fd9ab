// The fiber-amplifier page in the main window: its toolbar and 查看 entry and
// index, a preset solved in the worker thread, refusals before any work,
// cancel, clear, defaults and both exports.

#include "../foundation/noticecatcher.h"

#include "catalogue.h"
#include "exportformats.h"
#include "fbamp.h"
#include "fbampplots.h"
#include "fbmainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Generous bound for a solve that takes milliseconds: it only keeps a broken
// build from hanging the suite; nothing about speed is asserted here.
constexpr int kSolveWaitMs = 60000;
} // namespace

class TestFbamp : public QObject
{
    Q_OBJECT

private:
    FBMainWindow *window = nullptr;
    fbamp *page = nullptr;

    QLineEdit *output(const char *name) { return page->findChild<QLineEdit *>(name); }
    void calculateAndWait()
    {
        QSignalSpy done(page, &fbamp::calculationFinished);
        page->calresFbamp();
        QVERIFY(done.count() == 1 || done.wait(kSolveWaitMs));
    }

private slots:
    void initTestCase()
    {
        window = new FBMainWindow;
        QAction *action = window->findChild<QAction *>(QStringLiteral("actionFbamp"));
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("光纤放大器"));
        QVERIFY(!action->icon().isNull());
        auto *menu = window->findChild<QMenu *>(QStringLiteral("menuFile"));
        QVERIFY(menu->actions().contains(action));
        // The eight pages keep their places; this one comes ninth.
        QCOMPARE(menu->actions().indexOf(action), 8);
        action->trigger();
        QCOMPARE(window->currentPageIndex(), int(FBMainWindow::FbampPage));
        QCOMPARE(int(FBMainWindow::FbampPage), 8);
        page = window->fbampPagePtr();
        QVERIFY(page);
    }
    void cleanupTestCase() { delete window; }

    void doubleCladPresetIsSolvedInTheWorker()
    {
        page->form().presetCombo->setCurrentIndex(1);
        page->applyPreset(1);
        calculateAndWait();
        QVERIFY(page->resultShown());
        QCOMPARE(output("m_SigOutlineEdit")->text().left(5), QStringLiteral("19.84"));
        QVERIFY(!output("m_ResiduallineEdit")->text().isEmpty());
        QCOMPARE(page->form().progressBar->value(), 100);
        QVERIFY(page->form().calculateButton->isEnabled());
        QVERIFY(!page->form().cancelButton->isEnabled());
    }

    void emptyOrNegativeInputIsRefusedBeforeAnyWork()
    {
        QLineEdit *length = page->form().inputs.at("length_m");
        length->clear();
        const QString notice = captureNotice([this] { page->calresFbamp(); });
        QCOMPARE(notice, QStringLiteral("提示|请确保输入参数不为空"));
        QVERIFY(!page->isRunning());
        QVERIFY(output("m_SigOutlineEdit")->text().isEmpty());
        length->setText(QStringLiteral("-3"));
        QVERIFY(
            captureNotice([this] { page->calresFbamp(); }).contains(QStringLiteral("光纤长度")));
        QVERIFY(!page->isRunning());
    }

    void cancelStopsTheSolveWithoutResults()
    {
        page->restoreDefaults();
        page->form().inputs.at("length_m")->setText(QStringLiteral("5"));
        page->form().inputs.at("pump_fwd_w")->setText(QStringLiteral("1"));
        page->form().inputs.at("signal_w")->setText(QStringLiteral("1e-6"));
        QSignalSpy done(page, &fbamp::calculationFinished);
        page->calresFbamp();
        page->cancelCalculation();
        QVERIFY(done.count() == 1 || done.wait(kSolveWaitMs));
        // The flag is read after every sweep pair, so the solve normally stops
        // at the first; a solve that finished before the click shows its result.
        if (!page->resultShown()) {
            QCOMPARE(page->form().statusLabel->text(), QStringLiteral("计算已取消"));
            QVERIFY(output("m_SigOutlineEdit")->text().isEmpty());
        }
        QVERIFY(page->form().calculateButton->isEnabled());
    }

    void clearAndDefaultsWorkThroughTheShell()
    {
        page->restoreDefaults();
        calculateAndWait();
        QVERIFY(!output("m_GainlineEdit")->text().isEmpty());
        window->findChild<QAction *>(QStringLiteral("actionClear"))->trigger();
        QVERIFY(output("m_GainlineEdit")->text().isEmpty());
        page->form().inputs.at("a_um")->setText(QStringLiteral("7"));
        window->findChild<QAction *>(QStringLiteral("actionDefaultPar"))->trigger();
        QCOMPARE(page->form().inputs.at("a_um")->text(), QStringLiteral("3"));
    }

    void sheetAndPicturesAreExported()
    {
        page->restoreDefaults();
        calculateAndWait();
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("amp.csv"));
        QCOMPARE(exportSheet(page, 0, sheet).status, SheetExportResult::Written);
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("信号输出功率[W]")));
        QVERIFY(text.contains(output("m_SigOutlineEdit")->text()));
        const PictureExportResult pictures = exportPictures(page, 0, dir.path() + QLatin1Char('/'));
        QCOMPARE(pictures.status, PictureExportResult::Saved);
        QCOMPARE(pictures.written.size(), 4);
        for (const QString &path : pictures.written)
            QVERIFY(QFile::exists(path));
    }

    // Results belong to their inputs: an edit after the calculation greys
    // them with a note, the sheet writes the inputs that produced them, and
    // typing the value back or calculating again makes them current.
    void anEditedInputMarksTheResultsAndTheSheetKeepsTheirInputs()
    {
        page->restoreDefaults();
        calculateAndWait();
        auto *note = page->findChild<QLabel *>(QStringLiteral("fbampStaleNote"));
        QVERIFY(note->isHidden());
        QVERIFY(!output("m_SigOutlineEdit")->graphicsEffect());
        QLineEdit *length = page->form().inputs.at("length_m");
        length->setText(QStringLiteral("7.5"));
        QVERIFY(!note->isHidden());
        QVERIFY(output("m_SigOutlineEdit")->graphicsEffect());
        QVERIFY(page->form().powerPlot->graphicsEffect());
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("amp.csv"));
        QCOMPARE(exportSheet(page, 0, sheet).status, SheetExportResult::Written);
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("光纤长度[m],2.5")));
        QVERIFY(!text.contains(QStringLiteral("光纤长度[m],7.5")));
        length->setText(QStringLiteral("2.5")); // back as calculated
        QVERIFY(note->isHidden());
        length->setText(QStringLiteral("7.5"));
        calculateAndWait();
        QVERIFY(note->isHidden());
        QVERIFY(!output("m_SigOutlineEdit")->graphicsEffect());
    }

    // The spectrum is a spectral density: its height does not depend on the
    // number of bins (per-bin powers drop 3 dB per doubling of the bins).
    void theAseSpectrumIsADensityIndependentOfTheBins()
    {
        const velmora::calc::Calculator *amp = velmora::calc::catalogue().find("amp.steady_state");
        auto peak = [amp](const char *bins) {
            velmora::calc::Inputs in = velmora::calc::withDefaults(amp->description(), {});
            in["ase_bins"] = bins;
            const velmora::calc::Result r = amp->evaluate(in);
            const std::vector<double> d = spectralDensityDbmPerNm(r.outputs.at("ase_nm").data,
                                                                  r.outputs.at("ase_bwd_dbm").data);
            return *std::max_element(d.begin(), d.end());
        };
        QVERIFY(std::abs(peak("40") - peak("160")) < 0.3);
        // By hand: 0 dBm in 0.5 nm bins is 3.0103 dBm/nm.
        const std::vector<double> d = spectralDensityDbmPerNm({1000, 1000.5, 1001}, {0, 0, 0});
        for (double v : d)
            QVERIFY(std::abs(v - 3.0103) < 1e-4);
    }

    // The spectrum marks the signal, the legends stand beside the axes, and
    // the sheet carries the z-profiles and spectra beside the scalars.
    void theSpectrumMarksTheSignalAndTheSheetHasTheProfiles()
    {
        page->restoreDefaults();
        calculateAndWait();
        QCustomPlot *spectrum = page->form().spectrumPlot;
        QCOMPARE(spectrum->graphCount(), 3);
        QCOMPARE(spectrum->graph(2)->name(), QStringLiteral("信号 1035 nm"));
        QCOMPARE(spectrum->legend->layout(), spectrum->plotLayout());
        QCOMPARE(spectrum->yAxis->label(), QStringLiteral("谱密度 (dBm/nm)"));
        QTemporaryDir dir;
        const QString sheet = dir.filePath(QStringLiteral("amp.csv"));
        QCOMPARE(exportSheet(page, 0, sheet).status, SheetExportResult::Written);
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("z[m],信号[W]")));
        QVERIFY(text.contains(QStringLiteral("前向ASE谱[dBm/nm]")));
        QVERIFY(text.count(QStringLiteral("\n")) > 100); // a row per z step
    }

    // The preset box names the preset the inputs equal, 自定义 otherwise.
    void thePresetBoxSaysCustomOnceAnInputDiffers()
    {
        page->form().presetCombo->setCurrentIndex(1);
        page->applyPreset(1);
        QCOMPARE(page->form().presetCombo->currentIndex(), 1);
        page->form().inputs.at("signal_w")->setText(QStringLiteral("0.5"));
        QCOMPARE(page->form().presetCombo->currentText(), QStringLiteral("自定义"));
        page->form().inputs.at("signal_w")->setText(QStringLiteral("0.4"));
        QCOMPARE(page->form().presetCombo->currentIndex(), 1);
    }

    // The README's picture: VELMORA_SCREENSHOTS=<folder> writes it.
    void screenshotForTheReadme()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set VELMORA_SCREENSHOTS to a folder to write the README picture");
        page->form().presetCombo->setCurrentIndex(1);
        page->applyPreset(1);
        calculateAndWait();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->grab().save(folder + QStringLiteral("/fbamp-double-clad.png")));
    }
};

QTEST_MAIN(TestFbamp)
#include "tst_fbamp.moc"
