// The geometric-optics, continuous-wave and pulsed-laser pages against their
// calculators, with the same seeded random inputs (valid and refused).
#include "LaserPluse/calc/pulsecalc.h"
#include "Laserbsc/calc/coherencecalc.h"
#include "bscoptlaw.h"
#include "bscoptlaw/calc/refractioncalc.h"
#include "laserbsc.h"
#include "laserpluse.h"
#include "pagecalcharness.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

using namespace pagecalc;

namespace {
constexpr int kCases = 48;
constexpr quint32 kSeed = 20261207;
} // namespace

class TestSimplePagesCalc : public QObject
{
    Q_OBJECT

private slots:
    void refractionPageMatchesCalculator()
    {
        bscoptlaw page;
        const RefractionCalculator calculator;
        QStringList d = comparePageWithCalculator(&page, calculator, "pushButton", kCases, kSeed);
        d += comparePageLinks(&page, calculator, kCases, kSeed + 1);
        QVERIFY2(d.isEmpty(), qPrintable(d.join(QLatin1Char('\n'))));
    }

    void coherencePageMatchesCalculator()
    {
        Laserbsc page;
        const CoherenceCalculator calculator;
        QStringList d = comparePageWithCalculator(&page, calculator, "m_btn_Cal4", kCases, kSeed);
        d += comparePageLinks(&page, calculator, kCases, kSeed + 1);
        QVERIFY2(d.isEmpty(), qPrintable(d.join(QLatin1Char('\n'))));
    }

    void pulsePageMatchesCalculator()
    {
        LaserPluse page;
        const PulseCalculator calculator;
        const QStringList d =
            comparePageWithCalculator(&page, calculator, "pushButton", kCases, kSeed);
        QVERIFY2(d.isEmpty(), qPrintable(d.join(QLatin1Char('\n'))));
    }

    // With the defaults, velmora-cli prints exactly what the page shows.
    void cliDefaultsPrintThePageTexts()
    {
        bscoptlaw optics;
        Laserbsc cw;
        LaserPluse pulse;
        const RefractionCalculator refraction;
        const CoherenceCalculator coherence;
        const PulseCalculator pulses;
        const struct {
            QWidget *page;
            const char *button;
            const Calculator &calculator;
        } tabs[] = {{&optics, "pushButton", refraction},
                    {&cw, "m_btn_Cal4", coherence},
                    {&pulse, "pushButton", pulses}};
        for (const auto &tab : tabs) {
            const CalculatorDescription &description = tab.calculator.description();
            QProcess cli;
            cli.start(QStringLiteral(VELMORA_CLI_PATH),
                      {QStringLiteral("run"), QString::fromStdString(description.id),
                       QStringLiteral("--format"), QStringLiteral("json")});
            QVERIFY(cli.waitForFinished(30000));
            QCOMPARE(cli.exitCode(), 0);
            const QJsonObject outputs = QJsonDocument::fromJson(cli.readAllStandardOutput())
                                            .object()
                                            .value("outputs")
                                            .toObject();
            tab.page->findChild<QAbstractButton *>(QLatin1String(tab.button))->click();
            int compared = 0;
            for (const FieldDescription &f : description.fields)
                if (f.role == FieldRole::Output) {
                    const QString key = QString::fromStdString(f.key);
                    QCOMPARE(outputs.value(key).toObject().value("text").toString(),
                             tab.page->findChild<QLineEdit *>(QString::fromStdString(f.objectName))
                                 ->text());
                    ++compared;
                }
            QCOMPARE(compared, outputs.size());
        }
    }

    // The random texts must reach both notices of the refraction tab, or the
    // comparison above proves less than it claims.
    void randomCasesReachBothRefractionNotices()
    {
        const RefractionCalculator calculator;
        QRandomGenerator rng(kSeed);
        QSet<QString> seen;
        for (int c = 0; c < kCases; ++c) {
            Inputs in;
            for (const FieldDescription &f : calculator.description().fields)
                if (f.role != FieldRole::Output)
                    in[f.key] = randomText(f, rng);
            seen << joinNotices(calculator.evaluate(in));
        }
        QVERIFY(seen.contains(QStringLiteral("此时为全反射")));
        QVERIFY(seen.contains(QStringLiteral("n1>n2时才能计算全反射角")));
        QVERIFY(seen.contains(QString()));
    }
};

QTEST_MAIN(TestSimplePagesCalc)
#include "tst_simplepages_calc.moc"
