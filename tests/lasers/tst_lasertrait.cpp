#include "laserpagetest.h"
#include "lasertrait.h"

#include <qcustomplot.h>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cmath>

namespace {

const char *const kDataFile = "Data/YDF吸收发射参数.csv";

// The gain is evaluated in a rearranged order inside the page; the textbook
// form used here agrees to a few ulps of the largest term.
constexpr double kGainRel = 1e-12;

struct Sample {
    double wavelength, absorption, emission;
};

// Independent reading of a well-formed three-column table.
QVector<Sample> readTable(const QString &path)
{
    QVector<Sample> samples;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return samples;
    while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split(',');
        if (parts.size() == 3)
            samples.append({parts[0].toDouble(), parts[1].toDouble(), parts[2].toDouble()});
    }
    return samples;
}

double textbookGain(double n, double sa, double se)
{
    return 4.343 * 4.3e25 * 0.8 * 6 * (n * se - (1 - n) * sa);
}

QVector<double> plottedValues(QCustomPlot *plot)
{
    QVector<double> values;
    for (auto it = plot->graph(0)->data()->constBegin(); it != plot->graph(0)->data()->constEnd();
         ++it)
        values.append(it->value);
    return values;
}

// Runs the test body with the working directory switched to `dir`, so that
// the page finds the table placed there first.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString &dir) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(dir);
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(contents), qint64(contents.size()));
}

} // namespace

// Laser-parameters page: the three small calculations with their notices,
// and the gain spectrum with its plot, display modes and export operations.
class TestLaserTrait : public QObject
{
    Q_OBJECT

private:
    static void click(QWidget *page, const char *button)
    {
        QTest::mouseClick(child<QPushButton>(page, button), Qt::LeftButton);
    }
    static QCustomPlot *plot(QWidget *page) { return child<QCustomPlot>(page, "GcustomPlot"); }

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(kDataFile), "tests run in bin/ beside Data/"); }

    // ---- Form ---------------------------------------------------------------

    void fourTabsInOrderWithTheFirstCurrent()
    {
        LaserTrait page;
        QCOMPARE(page.windowTitle(), QStringLiteral("LaserTrait"));
        auto *tabs = child<QTabWidget>(&page, "tabWidget");
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(0), QStringLiteral("纵模间隔"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("光光效率"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("量子亏损"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("小信号增益"));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(child<QLabel>(&page, "label_4")
                    ->text()
                    .contains(QStringLiteral("激光器参数--小信号增益")));
        QCOMPARE(child<QLabel>(&page, "GYDFlabel")
                     ->text()
                     .contains(QStringLiteral("YDF小信号增益系数G")),
                 true);
        QVERIFY(child<QLabel>(&page, "Nlabel")
                    ->text()
                    .contains(QStringLiteral("vertical-align:super;")));
    }

    void defaultsAndValidators()
    {
        LaserTrait page;
        const QList<QPair<const char *, const char *>> defaults = {
            {"m_RefnlineEdit", "1.45"},    {"m_L_lineEdit", "10"},
            {"m_P_pumplineEdit", "100"},   {"m_P_residuallineEdit", "5"},
            {"m_P_outlineEdit", "75"},     {"m_P_inlineEdit", "3"},
            {"m_lambda_1lineEdit", "976"}, {"m_lambda_2lineEdit", "1064"},
            {"m_NlineEdit", "4.3e25"},     {"m_GammalineEdit", "0.8"},
            {"m_nlineEdit", "0.1"},        {"m_LlineEdit", "6"}};
        for (const auto &entry : defaults) {
            QCOMPARE(text(&page, entry.first), QString::fromLatin1(entry.second));
            QVERIFY2(lineEdit(&page, entry.first)->validator() != nullptr, entry.first);
        }
        for (const char *name : {"m_Delta_niulineEdit", "m_efficiency_olineEdit",
                                 "m_efficiency_alineEdit", "m_QDlineEdit", "m_QRlineEdit"}) {
            QVERIFY2(text(&page, name).isEmpty(), name);
            QVERIFY2(lineEdit(&page, name)->isReadOnly(), name);
        }
        QVERIFY(child<QRadioButton>(&page, "radioButton")->isChecked());
        QVERIFY(!child<QRadioButton>(&page, "radioButton_2")->isChecked());
        QVERIFY(!page.gainComputed());
    }

    void slotsInTheirDeclaredOrder()
    {
        const QMetaObject *meta = &LaserTrait::staticMetaObject;
        QStringList slotNames;
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
            if (meta->method(i).methodType() == QMetaMethod::Slot)
                slotNames << QString::fromLatin1(meta->method(i).name());
        QCOMPARE(slotNames,
                 QStringList({"calresLasertrait1", "calresLasertrait2", "calresLasertrait3",
                              "changeRdbtn_mG", "changeRdbtn_mg", "calresLasertrait4"}));
    }

    // ---- Tabs 0 to 2 ------------------------------------------------------------

    void modeSpacingDefaults()
    {
        LaserTrait page;
        click(&page, "pushButton");
        QCOMPARE(text(&page, "m_Delta_niulineEdit"), QStringLiteral("1.03e+07"));
        setText(&page, "m_L_lineEdit", QString());
        QCOMPARE(captureNotice([&] { click(&page, "pushButton"); }),
                 QStringLiteral("提示|请确保输入参数不为空"));
        // A zero cavity would give an infinite spacing: outside the accepted
        // lengths, refused naming the field, and no "inf" shown.
        setText(&page, "m_L_lineEdit", QStringLiteral("0"));
        QCOMPARE(captureNotice([&] { click(&page, "pushButton"); }),
                 QStringLiteral("提示|腔长L应在1e-06到1e+06 m之间"));
        QVERIFY(text(&page, "m_Delta_niulineEdit") != QStringLiteral("inf"));
    }

    void efficiencyDefaults()
    {
        LaserTrait page;
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_2"); }), QString());
        QCOMPARE(text(&page, "m_efficiency_olineEdit"), QStringLiteral("0.7895"));
        QCOMPARE(text(&page, "m_efficiency_alineEdit"), QStringLiteral("0.7579"));
    }

    void efficiencyAboveOneEmptiesBothAndNotifies()
    {
        LaserTrait page;
        click(&page, "pushButton_2");
        setText(&page, "m_P_outlineEdit", QStringLiteral("120"));
        // 117 W gained from 95 W absorbed: the notice names energy conservation.
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_2"); }),
                 QStringLiteral("提示|输出与输入功率之差不能超过吸收的泵浦功率(Ppump-Pres)"));
        QVERIFY(text(&page, "m_efficiency_olineEdit").isEmpty());
        QVERIFY(text(&page, "m_efficiency_alineEdit").isEmpty());
    }

    void seedNotBelowOutputEmptiesBothAndNotifies()
    {
        LaserTrait page;
        click(&page, "pushButton_2");
        setText(&page, "m_P_inlineEdit", QStringLiteral("75"));
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_2"); }),
                 QStringLiteral("提示|输出功率应大于输入功率"));
        QVERIFY(text(&page, "m_efficiency_olineEdit").isEmpty());
        QVERIFY(text(&page, "m_efficiency_alineEdit").isEmpty());
    }

    void strongSeedAmplifierGetsItsEfficiency()
    {
        LaserTrait page;
        setText(&page, "m_P_pumplineEdit", QStringLiteral("50"));
        setText(&page, "m_P_residuallineEdit", QStringLiteral("2"));
        setText(&page, "m_P_outlineEdit", QStringLiteral("140"));
        setText(&page, "m_P_inlineEdit", QStringLiteral("100"));
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_2"); }), QString());
        QCOMPARE(text(&page, "m_efficiency_alineEdit"), QStringLiteral("0.8333")); // 40/48
        QVERIFY(text(&page, "m_efficiency_olineEdit").isEmpty()); // 140/48 > 1: no laser
    }

    void quantumDefectDefaults()
    {
        LaserTrait page;
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_3"); }), QString());
        QCOMPARE(text(&page, "m_QDlineEdit"), QStringLiteral("0.0827"));
        QCOMPARE(text(&page, "m_QRlineEdit"), QStringLiteral("0.9173"));
    }

    void equalWavelengthsEmptyBothAndNotify()
    {
        LaserTrait page;
        click(&page, "pushButton_3");
        setText(&page, "m_lambda_2lineEdit", QStringLiteral("976"));
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_3"); }),
                 QStringLiteral("提示|λ2应大于λ1"));
        QVERIFY(text(&page, "m_QDlineEdit").isEmpty());
        QVERIFY(text(&page, "m_QRlineEdit").isEmpty());
    }

    // ---- Tab 3: gain spectrum -------------------------------------------------

    void linearModeBeforeACalculationDrawsNothing()
    {
        LaserTrait page;
        QTest::mouseClick(child<QRadioButton>(&page, "radioButton_2"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(&page, "radioButton_2")->isChecked());
        QCOMPARE(plot(&page)->graphCount(), 0);
        QVERIFY(plot(&page)->yAxis->label().isEmpty());
        QVERIFY(!page.gainComputed());
    }

    void calculateDrawsTheDbSpectrumOfTheShippedTable()
    {
        const QVector<Sample> table = readTable(QString::fromUtf8(kDataFile));
        QCOMPARE(table.size(), 351);

        LaserTrait page;
        QCOMPARE(captureNotice([&] { click(&page, "pushButton_4"); }), QString());
        QVERIFY(page.gainComputed());
        QCustomPlot *p = plot(&page);
        QCOMPARE(p->graphCount(), 1);
        QCOMPARE(p->xAxis->label(), QStringLiteral("波长λ(nm)"));
        QCOMPARE(p->yAxis->label(), QStringLiteral("小信号增益系数G(dB)"));
        QCOMPARE(p->xAxis->range().lower, 1000.0);
        QCOMPARE(p->xAxis->range().upper, 1150.0);

        const QVector<double> values = plottedValues(p);
        QCOMPARE(values.size(), table.size());
        double lowest = HUGE_VAL, highest = -HUGE_VAL;
        for (int i = 0; i < table.size(); ++i) {
            const double expected = textbookGain(0.1, table[i].absorption, table[i].emission);
            QVERIFY2(std::abs(values[i] - expected) <= std::abs(expected) * kGainRel,
                     qPrintable(QString::number(table[i].wavelength)));
            // The axis is scaled by the shown 1000-1150 nm only (not by the
            // -2000 dB absorption peak at 976 nm).
            if (table[i].wavelength >= 1000 && table[i].wavelength <= 1150) {
                lowest = std::min(lowest, expected);
                highest = std::max(highest, expected);
            }
        }
        QVERIFY(lowest > -100); // the shown curve is not flattened by the absorption peak
        QVERIFY(std::abs(p->yAxis->range().lower - lowest) <= std::abs(lowest) * kGainRel);
        QVERIFY(std::abs(p->yAxis->range().upper - highest) <= std::abs(highest) * kGainRel);
    }

    void radioButtonsSwitchBetweenDbAndLinearAfterACalculation()
    {
        LaserTrait page;
        click(&page, "pushButton_4");
        const QVector<double> db = plottedValues(plot(&page));

        QTest::mouseClick(child<QRadioButton>(&page, "radioButton_2"), Qt::LeftButton);
        QCOMPARE(plot(&page)->yAxis->label(), QStringLiteral("小信号增益系数g"));
        QCOMPARE(plot(&page)->xAxis->range().lower, 1000.0);
        const QVector<double> linear = plottedValues(plot(&page));
        QCOMPARE(linear.size(), db.size());
        const QVector<Sample> table = readTable(QString::fromUtf8(kDataFile));
        QCOMPARE(table.size(), db.size());
        double highest = 0;
        for (int i = 0; i < db.size(); ++i) {
            const double expected = std::pow(10.0, db[i] / 10);
            QVERIFY(std::abs(linear[i] - expected) <= expected * 1e-15);
            if (table[i].wavelength >= 1000 && table[i].wavelength <= 1150)
                highest = std::max(highest, expected);
        }
        QCOMPARE(plot(&page)->yAxis->range().upper, highest);

        QTest::mouseClick(child<QRadioButton>(&page, "radioButton"), Qt::LeftButton);
        QCOMPARE(plot(&page)->yAxis->label(), QStringLiteral("小信号增益系数G(dB)"));
        QCOMPARE(plottedValues(plot(&page)), db);
    }

    void displayModeSurvivesACalculation()
    {
        LaserTrait page;
        QTest::mouseClick(child<QRadioButton>(&page, "radioButton_2"), Qt::LeftButton);
        click(&page, "pushButton_4");
        QCOMPARE(plot(&page)->yAxis->label(), QStringLiteral("小信号增益系数g"));
        QCOMPARE(plot(&page)->graphCount(), 1);
        click(&page, "pushButton_4");
        QCOMPARE(plot(&page)->graphCount(), 1);
    }

    void noInversionIsPureAbsorption()
    {
        const QVector<Sample> table = readTable(QString::fromUtf8(kDataFile));
        LaserTrait page;
        setText(&page, "m_nlineEdit", QStringLiteral("0"));
        click(&page, "pushButton_4");
        const QVector<double> values = plottedValues(plot(&page));
        QCOMPARE(values.size(), table.size());
        for (int i = 0; i < table.size(); ++i) {
            const double expected = -4.343 * 4.3e25 * 0.8 * 6 * table[i].absorption;
            QVERIFY(values[i] < 0);
            QVERIFY(std::abs(values[i] - expected) <= std::abs(expected) * kGainRel);
        }
    }

    void handMadeTableInTheWorkingDirectoryComesFirst()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Data")));
        // Header (a zero sample), short lines, blank lines, CRLF line ends.
        writeFile(dir.filePath(QString::fromUtf8(kDataFile)),
                  "nm,sigma_a,sigma_e\r\n1000,1e-25,4e-25\r\n\r\njunk\r\n1010,2e-25\r\n"
                  "1020,5e-26,5e-25\r\n1030,4e-26,6e-25");
        WorkingDirectory cwd(dir.path());
        LaserTrait page;
        QVERIFY(page.calculateGain());
        QCustomPlot *p = plot(&page);
        // QCustomPlot keeps its data sorted by key: 0 (header), 1000, 1020, 1030.
        QCOMPARE(p->graph(0)->dataCount(), 4);
        const QVector<double> values = plottedValues(p);
        QVERIFY(std::isnan(values[0])); // 0/0 for the zero sample
        QVERIFY(std::abs(values[1] - textbookGain(0.1, 1e-25, 4e-25)) <=
                1e-12 * std::abs(values[1]));
        QVERIFY(std::abs(values[3] - textbookGain(0.1, 4e-26, 6e-25)) <=
                1e-12 * std::abs(values[3]));
        // The NaN sample does not spoil the axis range.
        QVERIFY(std::isfinite(p->yAxis->range().lower));
        QCOMPARE(p->yAxis->range().lower, std::min({values[1], values[2], values[3]}));
        QCOMPARE(p->yAxis->range().upper, std::max({values[1], values[2], values[3]}));
    }

    void unreadableTableNotifiesWithItsNameAndLeavesThePlotBlank()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // A folder where the table should be: found, but it cannot be read.
        QVERIFY(QDir(dir.path()).mkpath(QString::fromUtf8(kDataFile)));
        LaserTrait page;
        click(&page, "pushButton_4"); // first a good calculation from bin/Data
        QVERIFY(page.gainComputed());

        WorkingDirectory cwd(dir.path());
        const QString notice = captureNotice([&] { click(&page, "pushButton_4"); });
        QVERIFY2(notice.startsWith(QStringLiteral("提示|")), qPrintable(notice));
        QVERIFY2(notice.contains(QStringLiteral("YDF吸收发射参数.csv")), qPrintable(notice));
        QVERIFY2(notice.contains(dir.path()), qPrintable(notice));
        QVERIFY(!page.gainComputed());
        QCOMPARE(plot(&page)->graph(0)->dataCount(), 0);
        QVERIFY(!page.writeGainTable(dir.filePath(QStringLiteral("gain.csv"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("gain.csv"))));
        // The operation itself shows nothing.
        QCOMPARE(captureNotice([&] { QVERIFY(!page.calculateGain()); }), QString());
    }

    // ---- Export operations ----------------------------------------------------

    void gainTableIsWrittenAndReadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gain.csv"));
        const QVector<Sample> table = readTable(QString::fromUtf8(kDataFile));
        LaserTrait page;
        QVERIFY(!page.writeGainTable(path)); // nothing computed yet
        QVERIFY(!QFile::exists(path));
        QVERIFY(page.calculateGain());
        QVERIFY(page.writeGainTable(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QVERIFY(contents.endsWith('\n'));
        QVERIFY(!contents.contains('\r'));
        const QList<QByteArray> lines = contents.left(contents.size() - 1).split('\n');
        QCOMPARE(lines.size(), table.size());
        for (int i = 0; i < table.size(); ++i) {
            const QList<QByteArray> fields = lines[i].split(',');
            QCOMPARE(fields.size(), 3);
            const double gain = textbookGain(0.1, table[i].absorption, table[i].emission);
            QCOMPARE(fields[0].toDouble(), table[i].wavelength);
            // Six significant digits.
            QVERIFY2(std::abs(fields[1].toDouble() - gain) <= std::abs(gain) * 5e-6,
                     lines[i].constData());
            QVERIFY2(std::abs(fields[2].toDouble() - std::pow(10.0, gain / 10)) <=
                         std::pow(10.0, gain / 10) * 5e-6,
                     lines[i].constData());
            QVERIFY(fields[1].size() <= 13); // e.g. "-1774.85" or "-1.23457e-05"
        }
        QCOMPARE(
            lines[0],
            QByteArray("850,") +
                QByteArray::number(textbookGain(0.1, table[0].absorption, table[0].emission), 'g',
                                   6) +
                ',' +
                QByteArray::number(
                    std::pow(10.0, textbookGain(0.1, table[0].absorption, table[0].emission) / 10),
                    'g', 6));
    }

    void longerExistingTableIsReplacedWithoutATail()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gain.csv"));
        writeFile(path, QByteArray(100000, 'x'));
        LaserTrait page;
        QVERIFY(page.calculateGain());
        QVERIFY(page.writeGainTable(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QVERIFY(!contents.contains('x'));
        QCOMPARE(contents.count('\n'), 351);
        QVERIFY(contents.size() < 100000);
    }

    void gainTableIntoAMissingFolderFails()
    {
        LaserTrait page;
        QVERIFY(page.calculateGain());
        QVERIFY(!page.writeGainTable(QStringLiteral("/nonexistent-folder/gain.csv")));
    }

    void gainPictureIsARealJpegOf600By300()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("小信号增益.jpg"));
        writeFile(path, QByteArray("old picture"));
        LaserTrait page;
        QVERIFY(page.calculateGain());
        QVERIFY(page.saveGainPicture(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(3), QByteArray("\xFF\xD8\xFF", 3)); // JPEG start-of-image marker
        file.close();
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(600, 300));
        // Only the picture is left in the folder: the render file is gone.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"小信号增益.jpg"}));
    }

    void gainPictureIntoAMissingFolderFails()
    {
        LaserTrait page;
        QVERIFY(page.calculateGain());
        QVERIFY(!page.saveGainPicture(QStringLiteral("/nonexistent-folder/小信号增益.jpg")));
    }
};

QTEST_MAIN(TestLaserTrait)
#include "tst_lasertrait.moc"
