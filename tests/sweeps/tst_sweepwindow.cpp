// The sweep window: what it draws and lists, that its rows are the single
// calculations, that a cancel leaves nothing half done, that the event loop
// keeps running during a sweep, and that exports are complete files.
#include "../export/readback.h"
#include "catalogue.h"
#include "fielddescriptions.h"
#include "inputreader.h"
#include "sweeprunner.h"
#include "sweepseries.h"
#include "sweepwindow.h"
#include "textformat.h"

#include <qcustomplot.h>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace velmora::calc;

namespace {

// y = 2x and z = x², refusing x > 5: expected values a reader can check.
class DoublingCalculator : public Calculator
{
public:
    DoublingCalculator()
    {
        m_description.id = "test.doubling";
        m_description.title = {"加倍", "doubling"};
        m_description.fields = {numberInput("x", "", {"自变量x", "x"}, "m", 1.0, "1", 0, 100),
                                numberInput("k", "", {"组k", "group k"}, "", 1.0, "0", 0, 100),
                                numberOutput("y", "", {"两倍y", "twice y"}, "m", 1.0, "g6"),
                                numberOutput("z", "", {"平方z", "square z"}, "m²", 1.0, "g6")};
    }
    const CalculatorDescription &description() const override { return m_description; }
    Result evaluate(const Inputs &inputs) const override
    {
        const InputReader in(m_description, inputs);
        const double x = in.number("x");
        if (x > 5)
            return refusal({"x太大", "x too large"}, "x");
        ResultBuilder out(m_description);
        out.number("y", 2 * x + in.number("k"), std::to_string(2 * x));
        out.number("z", x * x, std::to_string(x * x));
        return out.take();
    }

private:
    CalculatorDescription m_description;
};

SweepResult runDoubling(const std::vector<SweepAxis> &axes)
{
    static const DoublingCalculator calculator;
    return runSweep(calculator, axes, {});
}

SweepAxis axis(const char *key, double start, double stop, std::size_t count)
{
    SweepAxis a;
    a.key = key;
    a.start = start;
    a.stop = stop;
    a.count = count;
    return a;
}

} // namespace

class TestSweepWindow : public QObject
{
    Q_OBJECT

private slots:
    void refusedPointsAreListedNotDrawn()
    {
        const DoublingCalculator calc;
        SweepSetup setup;
        setup.sweptKey = "x";
        setup.output1 = "y";
        setup.output2 = "z";
        // x = 0, 2, 4, 6, 8: the last two are refused.
        const SweepTable table =
            tabulateSweep(calc.description(), setup, runDoubling({axis("x", 0, 8, 5)}));
        QCOMPARE(table.rows.size(), std::size_t(5));
        QCOMPARE(table.series.size(), std::size_t(2));
        QCOMPARE(table.series[0].x, (std::vector<double>{0, 2, 4}));
        QCOMPARE(table.series[0].y, (std::vector<double>{0, 4, 8}));
        QCOMPARE(table.series[1].y, (std::vector<double>{0, 4, 16}));
        QCOMPARE(table.series[1].axis, 2);
        QCOMPARE(table.rows[3].output1, std::string());
        QCOMPARE(table.rows[3].notice, std::string("x太大"));
        QVERIFY(table.rows[2].notice.empty());
    }

    void aSeriesInputGivesOneCurvePerValue()
    {
        const DoublingCalculator calc;
        SweepSetup setup;
        setup.sweptKey = "x";
        setup.output1 = "y";
        setup.groupKey = "k";
        setup.groupCount = 3;
        const SweepTable table = tabulateSweep(
            calc.description(), setup, runDoubling({axis("x", 1, 3, 3), axis("k", 0, 2, 3)}));
        QCOMPARE(table.series.size(), std::size_t(3));
        for (int k = 0; k < 3; ++k) // y = 2x + k at x = 1, 2, 3
            QCOMPARE(table.series[std::size_t(k)].y,
                     (std::vector<double>{2.0 + k, 4.0 + k, 6.0 + k}));
        QVERIFY(table.series[2].name.find("2") != std::string::npos);
    }

    void aCurveOutputIsReadAtTheChosenAbscissa()
    {
        CalculatorDescription description;
        description.fields = {numberOutput("w", "", {"w", "w"}, "nm", 1e-9, "g6"),
                              numberOutput("g", "", {"g", "g"}, "dB", 1.0, "g6")};
        description.fields[0].kind = description.fields[1].kind = ValueKind::Curve;
        Result r;
        r.outputs["w"].data = {1000, 1010, 1020};
        r.outputs["w"].shape = {3};
        r.outputs["g"].data = {0, 10, 30};
        r.outputs["g"].shape = {3};
        QCOMPARE(sweepOutputValue(description, "g", 1015, r), 20.0);
        QVERIFY(std::isnan(sweepOutputValue(description, "g", 990, r)));
    }

    // The window's rows are what single calculations of the catalogue give.
    void rowsEqualSingleRuns()
    {
        const auto &all = catalogue().all();
        QVERIFY(!all.empty());
        const Calculator &calc = *all.front();
        SweepWindow window(nullptr, calc.description().id);
        auto *swept = window.findChild<QComboBox *>(QStringLiteral("sweptCombo"));
        QVERIFY(swept && swept->count() > 0);
        const std::string key = swept->currentData().toString().toStdString();
        const double start =
            QString::fromStdString(calc.description().field(key)->defaultText).toDouble();
        window.findChild<QLineEdit *>(QStringLiteral("startEdit"))->setText(QString::number(start));
        window.findChild<QLineEdit *>(QStringLiteral("stopEdit"))
            ->setText(QString::number(start * 1.5));
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(5);
        QSignalSpy finished(window.runner(), &SweepRunner::finished);
        window.startSweep();
        QVERIFY(finished.wait(20000));

        const SweepSetup setup = window.setup();
        auto *points = window.findChild<QTableWidget *>(QStringLiteral("pointsTable"));
        QCOMPARE(points->rowCount(), 5);
        const SweepAxis a = axis(key.c_str(), start, start * 1.5, 5);
        const std::vector<double> xs = a.values();
        for (int row = 0; row < 5; ++row) {
            Assignments single = setup.fixed;
            single.emplace_back(key, exactText(xs[std::size_t(row)]));
            const Result r = calc.evaluate(applyAssignments(calc, single));
            const auto out = r.outputs.find(setup.output1);
            const QString expected = r.refused || out == r.outputs.end()
                                         ? QString()
                                         : QString::fromStdString(out->second.text);
            QCOMPARE(points->item(row, 1)->text(), expected);
        }
    }

    void cancelLeavesNoPartialResult()
    {
        const Calculator &calc = *catalogue().all().front();
        SweepWindow window(nullptr, calc.description().id);
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(100000);
        QSignalSpy cancelled(window.runner(), &SweepRunner::cancelled);
        QSignalSpy finished(window.runner(), &SweepRunner::finished);
        window.startSweep();
        window.cancelSweep();
        QVERIFY(cancelled.wait(20000));
        QCOMPARE(finished.count(), 0);
        QVERIFY(window.runner()->result().points.empty());
        QCOMPARE(window.findChild<QTableWidget *>(QStringLiteral("pointsTable"))->rowCount(), 0);
        QVERIFY(window.findChild<QPushButton *>(QStringLiteral("runButton"))->isEnabled());
    }

    // The sweep runs off the GUI thread: a timer on the GUI thread keeps
    // firing while a long sweep of the mode-instability model runs, so ticks
    // are counted before the runner reports the end. (A sweep run on the GUI
    // thread would finish before the first tick.) No wall-clock bound: on a
    // loaded machine every thread, the GUI's included, waits its turn.
    void eventLoopKeepsRunningDuringASweep()
    {
        const Calculator *tmi = catalogue().find("tmi.threshold");
        if (!tmi)
            QSKIP("the mode-instability calculator is not in the catalogue");
        SweepWindow window(nullptr, "tmi.threshold");
        // Over the cladding radius: every point needs its own Green's-function
        // samples (a core-radius sweep reuses one set and ends in a few ms).
        auto *swept = window.findChild<QComboBox *>(QStringLiteral("sweptCombo"));
        swept->setCurrentIndex(swept->findData(QStringLiteral("b_um")));
        QVERIFY(swept->currentIndex() >= 0);
        window.findChild<QLineEdit *>(QStringLiteral("startEdit"))->setText(QStringLiteral("150"));
        window.findChild<QLineEdit *>(QStringLiteral("stopEdit"))->setText(QStringLiteral("250"));
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(40);
        QSignalSpy finished(window.runner(), &SweepRunner::finished);
        int ticks = 0;
        int ticksAtFinish = -1;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        connect(window.runner(), &SweepRunner::finished, [&] { ticksAtFinish = ticks; });
        ticker.start(10);
        window.startSweep();
        QVERIFY(finished.wait(120000));
        ticker.stop();
        QVERIFY2(ticksAtFinish > 0, qPrintable(QStringLiteral("%1 ticks").arg(ticksAtFinish)));
        QCOMPARE(window.findChild<QTableWidget *>(QStringLiteral("pointsTable"))->rowCount(), 40);
    }

    void exportsAreCompleteFilesAndFailuresKeepNothing()
    {
        const Calculator &calc = *catalogue().all().front();
        SweepWindow window(nullptr, calc.description().id);
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(4);
        QSignalSpy finished(window.runner(), &SweepRunner::finished);
        window.startSweep();
        QVERIFY(finished.wait(20000));

        QTemporaryDir dir;
        QString error;
        const QString csv = dir.filePath(QStringLiteral("t.csv"));
        QVERIFY2(window.saveTable(csv, &error), qPrintable(error));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        // The calculator, the fixed inputs with units, a blank line, the
        // header and the 4 points, numbers as the sweep computed them.
        QVERIFY(lines[0].startsWith(QStringLiteral("计算,") +
                                    QString::fromStdString(calc.description().id)));
        QVERIFY(lines[1].startsWith(QStringLiteral("固定参数")));
        int header = 0;
        while (header < lines.size() && !lines[header].remove(QLatin1Char(',')).isEmpty())
            ++header;
        ++header; // after the blank row
        QVERIFY(header > 2);
        QCOMPARE(lines.size() - header - 1, 5); // header + 4 points, then the final line end
        const double x1 = window.runner()->result().points[1].sweptValues[0];
        QVERIFY(lines[header + 2].startsWith(QString::number(x1, 'g', 17).toDouble() == x1
                                                 ? QString::number(x1, 'g', 15)
                                                 : QString::number(x1, 'g', 17)));
        const QList<QPair<QString, QByteArray>> pictures = {
            {QStringLiteral("p.png"), QByteArray("\x89PNG")},
            {QStringLiteral("p.jpg"), QByteArray("\xff\xd8")},
            {QStringLiteral("p.pdf"), QByteArray("%PDF")},
            {QStringLiteral("p.svg"), QByteArray("<?xml")}};
        for (const auto &picture : pictures) {
            const QString path = dir.filePath(picture.first);
            QVERIFY2(window.savePlot(path, &error), qPrintable(error));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(f.read(picture.second.size()) == picture.second, qPrintable(path));
        }
        const QString missing = dir.filePath(QStringLiteral("no/such/dir/p.png"));
        QVERIFY(!window.savePlot(missing, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!window.saveTable(dir.filePath(QStringLiteral("t.txt")), &error));
        // In Excel the numbers are numbers, the notes and captions text.
        const QString xlsx = dir.filePath(QStringLiteral("t.xlsx"));
        QVERIFY2(window.saveTable(xlsx, &error), qPrintable(error));
        const readback::XlsxFile book = readback::readXlsx(xlsx);
        QVERIFY2(book.ok, qPrintable(book.error));
        QCOMPARE(book.types.value({header + 3, 1}), QStringLiteral("n"));
        QCOMPARE(book.values.value({header + 3, 1}).toDouble(), x1);
        QCOMPARE(book.types.value({1, 1}), QStringLiteral("s"));
        // A name typed without extension takes the chosen filter's.
        QCOMPARE(SweepWindow::withFilterSuffix(QStringLiteral("/d/sweep1"),
                                               QStringLiteral("Excel (*.xlsx)")),
                 QStringLiteral("/d/sweep1.xlsx"));
        QCOMPARE(SweepWindow::withFilterSuffix(QStringLiteral("/d/s.csv"),
                                               QStringLiteral("Excel (*.xlsx)")),
                 QStringLiteral("/d/s.csv"));
    }

    // The form and the results stay honest: the swept input is not listed
    // as fixed, the log axis follows its box at once, an edited setup greys
    // the results with a note, and a cancelled sweep says it was cancelled.
    void theFormShowsWhatTheResultsBelongTo()
    {
        SweepWindow window(nullptr, "optics.refraction");
        auto *swept = window.findChild<QComboBox *>(QStringLiteral("sweptCombo"));
        auto *fixed = window.findChild<QTableWidget *>(QStringLiteral("fixedTable"));
        for (int row = 0; row < fixed->rowCount(); ++row)
            QCOMPARE(fixed->isRowHidden(row),
                     fixed->item(row, 0)->data(Qt::UserRole) == swept->currentData());
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(5);
        QSignalSpy finished(window.runner(), &SweepRunner::finished);
        window.startSweep();
        QVERIFY(finished.wait(20000));
        auto *plot = window.findChild<QCustomPlot *>(QStringLiteral("sweepPlot"));
        window.findChild<QCheckBox *>(QStringLiteral("logYCheck"))->setChecked(true);
        QCOMPARE(plot->yAxis->scaleType(), QCPAxis::stLogarithmic);
        auto *note = window.findChild<QLabel *>(QStringLiteral("sweepStaleNote"));
        QVERIFY(note->isHidden());
        window.findChild<QLineEdit *>(QStringLiteral("stopEdit"))->setText(QStringLiteral("7"));
        QVERIFY(!note->isHidden());
        QVERIFY(plot->graphicsEffect());
    }

    void aCancelledSweepSaysSo()
    {
        if (!catalogue().find("tmi.threshold"))
            QSKIP("the mode-instability calculator is not in the catalogue");
        SweepWindow window(nullptr, "tmi.threshold");
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(3);
        QSignalSpy finished(window.runner(), &SweepRunner::finished);
        window.startSweep();
        QVERIFY(finished.wait(60000));
        // Over the cladding radius every point takes its time: cancelled
        // long before the end.
        auto *swept = window.findChild<QComboBox *>(QStringLiteral("sweptCombo"));
        swept->setCurrentIndex(swept->findData(QStringLiteral("b_um")));
        window.findChild<QLineEdit *>(QStringLiteral("startEdit"))->setText(QStringLiteral("150"));
        window.findChild<QLineEdit *>(QStringLiteral("stopEdit"))->setText(QStringLiteral("250"));
        window.findChild<QSpinBox *>(QStringLiteral("countSpin"))->setValue(400);
        QSignalSpy cancelled(window.runner(), &SweepRunner::cancelled);
        window.startSweep();
        window.cancelSweep();
        QVERIFY(cancelled.wait(60000));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("cursorLabel"))->text(),
                 QStringLiteral("扫描已取消；图表是上一次扫描的结果"));
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("sweepStaleNote"))->isHidden());
        QCOMPARE(window.findChild<QTableWidget *>(QStringLiteral("pointsTable"))->rowCount(), 3);
    }

    // The bend-loss series over the guided-mode list: one curve per mode the
    // fiber guides, named by the mode.
    void modeSeriesAreTheGuidedModesByName()
    {
        const Calculator *bend = catalogue().find("modes.bend_loss");
        QVERIFY(bend);
        SweepSetup setup;
        setup.calculatorId = "modes.bend_loss";
        setup.sweptKey = "bend_radius_m";
        setup.output1 = "alpha";
        setup.groupKey = "mode";
        setup.groupCount = 7;
        SweepAxis radius = axis("bend_radius_m", 0.05, 0.1, 2);
        SweepAxis mode = axis("mode", 0, 6, 7);
        const SweepResult result = runSweep(*bend, {radius, mode}, {});
        const Result single = bend->evaluate(withDefaults(bend->description(), {}));
        const std::size_t guided = single.outputs.at("m").data.size();
        QVERIFY(guided >= 1 && guided < 7);
        const SweepTable table = tabulateSweep(bend->description(), setup, result);
        QCOMPARE(table.series.size(), guided);
        QVERIFY(table.series[0].name.find("(LP01)") != std::string::npos);
        QCOMPARE(table.rows.size(), 2 * guided);
    }
};

QTEST_MAIN(TestSweepWindow)
#include "tst_sweepwindow.moc"
