#include "laserpagetest.h"
#include "laserpluse.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

// Pulsed-laser page: pulse energy (f4) and peak power (g4).
class TestLaserPluse : public QObject
{
    Q_OBJECT

private:
    void calculate(QWidget *page)
    {
        QTest::mouseClick(child<QPushButton>(page, "pushButton"), Qt::LeftButton);
    }

private slots:
    void formShowsCaptionsAndDefaults()
    {
        LaserPluse page;
        QCOMPARE(page.windowTitle(), QStringLiteral("LaserPluse"));
        QCOMPARE(child<QTabWidget>(&page, "tabWidget")->tabText(0), QStringLiteral("高斯脉冲"));
        QVERIFY(child<QLabel>(&page, "label")
                    ->text()
                    .contains(QStringLiteral("脉冲激光参数--高斯脉冲")));
        QCOMPARE(text(&page, "m_TaolineEdit"), QStringLiteral("1e-7"));
        QCOMPARE(text(&page, "m_FlineEdit"), QStringLiteral("1e5"));
        QCOMPARE(text(&page, "m_P_avelineEdit"), QStringLiteral("20"));
        QVERIFY(child<QLabel>(&page, "P_peakFormula")
                    ->text()
                    .contains(QStringLiteral("peak</span> = E/τ")));
        for (const char *name : {"m_ElineEdit", "m_P_peaklineEdit"}) {
            QVERIFY2(text(&page, name).isEmpty(), name);
            QVERIFY2(lineEdit(&page, name)->isReadOnly(), name);
        }
        for (const char *name : {"m_TaolineEdit", "m_FlineEdit", "m_P_avelineEdit"})
            QVERIFY2(lineEdit(&page, name)->validator() != nullptr, name);
    }

    void defaultsGiveEnergyAndPeakPower()
    {
        LaserPluse page;
        calculate(&page);
        QCOMPARE(text(&page, "m_ElineEdit"), QStringLiteral("0.0002"));
        QCOMPARE(text(&page, "m_P_peaklineEdit"), QStringLiteral("2000"));
    }

    void smallEnergyKeepsFourSignificantDigits()
    {
        LaserPluse page;
        setText(&page, "m_TaolineEdit", QStringLiteral("1e-9"));
        setText(&page, "m_FlineEdit", QStringLiteral("1e7"));
        setText(&page, "m_P_avelineEdit", QStringLiteral("20"));
        calculate(&page);
        QCOMPARE(text(&page, "m_ElineEdit"), QStringLiteral("2e-06")); // 20 W / 10 MHz
        QCOMPARE(text(&page, "m_P_peaklineEdit"), QStringLiteral("2000"));
        // 12.34 W at 1 MHz: 12.34 μJ, all four digits.
        setText(&page, "m_FlineEdit", QStringLiteral("1e6"));
        setText(&page, "m_P_avelineEdit", QStringLiteral("12.34"));
        calculate(&page);
        QCOMPARE(text(&page, "m_ElineEdit"), QStringLiteral("1.234e-05"));
        // 1.5 J pulses keep their four decimals.
        setText(&page, "m_FlineEdit", QStringLiteral("10"));
        setText(&page, "m_P_avelineEdit", QStringLiteral("15"));
        calculate(&page);
        QCOMPARE(text(&page, "m_ElineEdit"), QStringLiteral("1.5000"));
    }

    void largePeakPowerTurnsToExponentForm()
    {
        LaserPluse page;
        setText(&page, "m_TaolineEdit", QStringLiteral("1e-12"));
        calculate(&page);
        QCOMPARE(text(&page, "m_P_peaklineEdit"), QStringLiteral("2e+08"));
    }

    void emptyRateIsRefusedAndZeroRateOrWidthHasNoFiniteResult()
    {
        LaserPluse page;
        setText(&page, "m_FlineEdit", QString());
        QCOMPARE(captureNotice([&] { calculate(&page); }),
                 QStringLiteral("提示|请确保输入参数不为空"));
        QVERIFY(text(&page, "m_ElineEdit").isEmpty()); // nothing computed from an empty rate
        // A zero rate or width is no pulse: a notice instead of "inf".
        setText(&page, "m_FlineEdit", QStringLiteral("0"));
        QVERIFY(captureNotice([&] {
                    calculate(&page);
                }).contains(QStringLiteral("“脉冲能量E”不是有限值")));
        QVERIFY(text(&page, "m_ElineEdit").isEmpty());
        QVERIFY(text(&page, "m_P_peaklineEdit").isEmpty());
        setText(&page, "m_FlineEdit", QStringLiteral("1e5"));
        setText(&page, "m_TaolineEdit", QStringLiteral("0"));
        QVERIFY(captureNotice([&] {
                    calculate(&page);
                }).contains(QStringLiteral("“峰值功率P_peak”不是有限值")));
        QVERIFY(text(&page, "m_P_peaklineEdit").isEmpty());
    }

    void inputsRefuseMinusAndAFifthDecimal()
    {
        LaserPluse page;
        QLineEdit *field = lineEdit(&page, "m_P_avelineEdit");
        field->clear();
        QTest::keyClicks(field, QStringLiteral("-0.12345"));
        QCOMPARE(field->text(), QStringLiteral("0.1234"));
    }
};

QTEST_MAIN(TestLaserPluse)
#include "tst_laserpluse.moc"
