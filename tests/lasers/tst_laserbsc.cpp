#include "laserbsc.h"
#include "laserpagetest.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

// Continuous-wave laser page: displayed digits of the defaults, the linked
// Δν/Δλ pair and its formats, and the edge cases of empty fields.
class TestLaserbsc : public QObject
{
    Q_OBJECT

private:
    void calculate(QWidget *page)
    {
        QTest::mouseClick(child<QPushButton>(page, "m_btn_Cal4"), Qt::LeftButton);
    }

private slots:
    void formShowsCaptionsDefaultsAndEmptyOutputs()
    {
        Laserbsc page;
        QCOMPARE(page.windowTitle(), QStringLiteral("Laserbsc"));
        QCOMPARE(page.size(), QSize(815, 590));
        auto *tabs = child<QTabWidget>(&page, "tabWidget");
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("频率与相干性"));
        QVERIFY(child<QLabel>(&page, "label")
                    ->text()
                    .contains(QStringLiteral("连续激光参数--频率与相干性")));
        QVERIFY(child<QLabel>(&page, "label")->text().contains(QStringLiteral("#ff5500")));
        QCOMPARE(child<QPushButton>(&page, "m_btn_Cal4")->text(), QStringLiteral("计算"));
        QCOMPARE(text(&page, "m_LasLamlineEdit"), QStringLiteral("1064"));
        QCOMPARE(text(&page, "m_delta_niulineEdit"), QStringLiteral("5e9"));
        QCOMPARE(text(&page, "m_delta_lambdalineEdit"), QStringLiteral("0.0189"));
        QVERIFY(child<QLabel>(&page, "tao_cFormula")
                    ->text()
                    .contains(QStringLiteral("vertical-align:sub;")));
        QCOMPARE(child<QLabel>(&page, "niuFormula")->font().family(),
                 QStringLiteral("Times New Roman"));
        for (const char *name : {"m_niulineEdit", "m_tao_clineEdit", "m_L_clineEdit"}) {
            QVERIFY2(text(&page, name).isEmpty(), name);
            QVERIFY2(lineEdit(&page, name)->isReadOnly(), name);
            QCOMPARE(lineEdit(&page, name)->styleSheet(),
                     QStringLiteral("background-color: rgb(213, 213, 213);"));
        }
        // The linked pair is editable and unstyled.
        for (const char *name : {"m_delta_niulineEdit", "m_delta_lambdalineEdit"}) {
            QVERIFY2(!lineEdit(&page, name)->isReadOnly(), name);
            QVERIFY2(lineEdit(&page, name)->validator() == nullptr, name);
            QVERIFY2(lineEdit(&page, name)->styleSheet().isEmpty(), name);
        }
    }

    void defaultsGiveFrequencyCoherenceTimeAndLength()
    {
        Laserbsc page;
        calculate(&page);
        QCOMPARE(text(&page, "m_niulineEdit"), QStringLiteral("2.82e+14"));
        QCOMPARE(text(&page, "m_tao_clineEdit"), QStringLiteral("2e-10"));
        QCOMPARE(text(&page, "m_L_clineEdit"), QStringLiteral("0.06"));
    }

    void editingDeltaNuWritesDeltaLambdaWithFourDecimals()
    {
        Laserbsc page;
        setText(&page, "m_delta_lambdalineEdit", QString());
        setText(&page, "m_delta_niulineEdit", QStringLiteral("5e9"));
        finishEditing(&page, "m_delta_niulineEdit");
        QCOMPARE(text(&page, "m_delta_lambdalineEdit"), QStringLiteral("0.0189"));
    }

    void editingDeltaLambdaWritesDeltaNuWithTwoDigits()
    {
        Laserbsc page;
        setText(&page, "m_delta_niulineEdit", QString());
        setText(&page, "m_delta_lambdalineEdit", QStringLiteral("0.0189"));
        finishEditing(&page, "m_delta_lambdalineEdit");
        QCOMPARE(text(&page, "m_delta_niulineEdit"), QStringLiteral("5e+09"));
    }

    void roundedDeltaNuIsWhatCalculateUses()
    {
        // Δλ = 0.004657 nm at 1064 nm is Δν = 1.23408e9 Hz, shown as 1.2e+09;
        // Calculate then works from 1.2e9: τ_c = 8.333e-10 s, L_C = 0.25 m.
        Laserbsc page;
        setText(&page, "m_delta_lambdalineEdit", QStringLiteral("0.004657"));
        finishEditing(&page, "m_delta_lambdalineEdit");
        QCOMPARE(text(&page, "m_delta_niulineEdit"), QStringLiteral("1.2e+09"));
        calculate(&page);
        QCOMPARE(text(&page, "m_tao_clineEdit"), QStringLiteral("8.333e-10"));
        QCOMPARE(text(&page, "m_L_clineEdit"), QStringLiteral("0.25"));
    }

    void writingAFieldDoesNotStartThePartner()
    {
        Laserbsc page;
        setText(&page, "m_delta_niulineEdit", QStringLiteral("1e10"));
        QCOMPARE(text(&page, "m_delta_lambdalineEdit"), QStringLiteral("0.0189"));
        setText(&page, "m_delta_lambdalineEdit", QStringLiteral("1"));
        QCOMPARE(text(&page, "m_delta_niulineEdit"), QStringLiteral("1e10"));
    }

    void changingTheWavelengthUpdatesNeitherLinkedField()
    {
        Laserbsc page;
        setText(&page, "m_LasLamlineEdit", QStringLiteral("532"));
        finishEditing(&page, "m_LasLamlineEdit");
        QCOMPARE(text(&page, "m_delta_niulineEdit"), QStringLiteral("5e9"));
        QCOMPARE(text(&page, "m_delta_lambdalineEdit"), QStringLiteral("0.0189"));
    }

    void emptyLinkedFieldGivesZeroInThePartner()
    {
        Laserbsc page;
        setText(&page, "m_delta_niulineEdit", QString());
        finishEditing(&page, "m_delta_niulineEdit");
        QCOMPARE(text(&page, "m_delta_lambdalineEdit"), QStringLiteral("0.0000"));
        setText(&page, "m_delta_lambdalineEdit", QString());
        finishEditing(&page, "m_delta_lambdalineEdit");
        QCOMPARE(text(&page, "m_delta_niulineEdit"), QStringLiteral("0"));
    }

    void emptyWavelengthIsRefusedAndUnreadableWidthShowsInfinity()
    {
        Laserbsc page;
        setText(&page, "m_LasLamlineEdit", QString());
        QCOMPARE(captureNotice([&] { calculate(&page); }),
                 QStringLiteral("提示|请确保输入参数不为空"));
        QVERIFY(text(&page, "m_niulineEdit").isEmpty());
        // A zero wavelength is outside the accepted range: refused naming it.
        setText(&page, "m_LasLamlineEdit", QStringLiteral("0"));
        QCOMPARE(captureNotice([&] { calculate(&page); }),
                 QStringLiteral("提示|激光波长λ应在100到100000 nm之间"));
        QVERIFY(text(&page, "m_niulineEdit").isEmpty());
        // An unreadable width reads as Δν = 0 (single frequency): the
        // coherence would be infinite, which is said instead of shown.
        setText(&page, "m_LasLamlineEdit", QStringLiteral("1064"));
        setText(&page, "m_delta_niulineEdit", QStringLiteral("abc"));
        QVERIFY(captureNotice([&] { calculate(&page); }).contains(QStringLiteral("不是有限值")));
        QVERIFY(text(&page, "m_tao_clineEdit").isEmpty());
        QVERIFY(text(&page, "m_L_clineEdit").isEmpty());
    }

    void calculateReadsDeltaNuNotDeltaLambda()
    {
        Laserbsc page;
        setText(&page, "m_delta_lambdalineEdit", QStringLiteral("5"));
        setText(&page, "m_delta_niulineEdit", QStringLiteral(" 1e9 "));
        calculate(&page);
        QCOMPARE(text(&page, "m_tao_clineEdit"), QStringLiteral("1e-09"));
        QCOMPARE(text(&page, "m_L_clineEdit"), QStringLiteral("0.3"));
    }

    void wavelengthFieldRefusesMinusAndAFifthDecimal()
    {
        Laserbsc page;
        QLineEdit *field = lineEdit(&page, "m_LasLamlineEdit");
        field->clear();
        QTest::keyClicks(field, QStringLiteral("-1064.12345"));
        QCOMPARE(field->text(), QStringLiteral("1064.1234"));
        field->clear();
        QTest::keyClicks(field, QStringLiteral("1e-7"));
        QCOMPARE(field->text(), QStringLiteral("1e-7"));
    }
};

QTEST_MAIN(TestLaserbsc)
#include "tst_laserbsc.moc"
