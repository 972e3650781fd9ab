// The geometric-optics, continuous-wave and pulsed-laser pages against their
// calculators, with the same seeded random inputs (valid and refused).
#include "LaserPluse/calc/pulsecalc.h"
#include "Laserbsc/calc/coherencecalc.h"
#include "bscoptlaw.h"
#include "bscoptlaw/calc/refractioncalc.h"
#include "laserbsc.h"
#include "laserpluse.h"
#include "pagecalcharness.h"

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

    // The random texts must reach both notices of the refraction tab, or the
    // comparison above proves less than it claims.
    void randomCasesReachBothRefractionNotices()
    {
        const RefractionCalculator calculator;
        QRandomGenerator rng(kSeed);
        QSet<QString> seen;
        for (int c = 0; c < kCases; ++c) {
            Inputs in;
            for (const FieldSpec &f : calculator.spec().fields)
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
