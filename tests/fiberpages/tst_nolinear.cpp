// The nonlinear-effects page as a user sees it: default inputs give the
// published example results, the fiber-type switch clears and restores the
// phase outputs, and the validators accept exactly what they should.

#include "nolinear.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QValidator>
#include <QtTest>

class TestNolinear : public QObject
{
    Q_OBJECT

private:
    QLineEdit *field(nolinear &page, const char *name)
    {
        auto *edit = page.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit)
            qFatal("no field %s", name);
        return edit;
    }
    QString text(nolinear &page, const char *name) { return field(page, name)->text(); }
    void click(nolinear &page, const char *name)
    {
        auto *button = page.findChild<QAbstractButton *>(QLatin1String(name));
        QVERIFY2(button, name);
        button->click();
    }

private slots:
    void opensOnSbsTabWithTitles();
    void outputsStartEmptyAndReadOnly();
    void sbsDefaults();
    void srsDefaults();
    void phaseDefaultsTransmissionFiber();
    void phaseDefaultsGainFiber();
    void fwmDefaults();
    void switchingFiberTypeClearsOutputsOnly();
    void clickOnCheckedTypeStillClears();
    void disabledFieldKeepsTextAndIsIgnored();
    void validatorsAcceptExponentsRefuseMinus();
    void ramanShiftAcceptsNegativeValue();
    void emptyInputIsRefusedAndZeroComputes();
    void labelsAreNotClipped();
};

void TestNolinear::opensOnSbsTabWithTitles()
{
    nolinear page;
    QCOMPARE(page.windowTitle(), QStringLiteral("nolinear"));
    QCOMPARE(page.size(), QSize(815, 590));
    auto *tabs = page.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->count(), 4);
    const QStringList titles = {QStringLiteral("受激布里渊散射"), QStringLiteral("受激拉曼散射"),
                                QStringLiteral("非线性相移"), QStringLiteral("四波混频")};
    const QStringList names = {QStringLiteral("tab_3"), QStringLiteral("tab_2"),
                               QStringLiteral("tab"), QStringLiteral("tab_4")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(tabs->tabText(i), titles.at(i));
        QCOMPARE(tabs->widget(i)->objectName(), names.at(i));
    }
    auto *title = page.findChild<QLabel *>(QStringLiteral("label_8"));
    QVERIFY(title);
    QVERIFY(title->text().contains(QStringLiteral("非线性效应--受激拉曼散射(SRS)")));
    QVERIFY(title->text().contains(QStringLiteral("#ff5500")));
}

void TestNolinear::outputsStartEmptyAndReadOnly()
{
    nolinear page;
    for (const char *name :
         {"m_GBlineEdit", "m_SBSLineEdit", "m_LambdaBlineEdit_2", "m_SRSdLineEdit",
          "m_SRSaLineEdit", "m_SRSoLineEdit", "m_LambdaRlineEdit_2", "m_AlineEdit", "m_rLineEdit",
          "m_LefflineEdit", "m_failineEdit", "m_deltaKlineEdit"}) {
        QVERIFY2(text(page, name).isEmpty(), name);
        QVERIFY2(field(page, name)->isReadOnly(), name);
        QCOMPARE(field(page, name)->styleSheet(),
                 QStringLiteral("background-color: rgb(213, 213, 213);"));
    }
}

void TestNolinear::sbsDefaults()
{
    nolinear page;
    click(page, "pushButton_3");
    QCOMPARE(text(page, "m_GBlineEdit"), QStringLiteral("9.904e-11"));
    QCOMPARE(text(page, "m_SBSLineEdit"), QStringLiteral("7.4836"));
    QCOMPARE(text(page, "m_LambdaBlineEdit_2"), QStringLiteral("1064.0615"));
}

void TestNolinear::srsDefaults()
{
    nolinear page;
    click(page, "pushButton_4");
    QCOMPARE(text(page, "m_LambdaRlineEdit_2"), QStringLiteral("1116.26"));
    // Smith's 16 A_eff/(g_R L_eff) and the input-referenced amplifier
    // threshold, both evaluated by hand with mpmath (1713.4979 W, 354.9011 W).
    QCOMPARE(text(page, "m_SRSdLineEdit"), QStringLiteral("1713.5"));
    QCOMPARE(text(page, "m_SRSaLineEdit"), QStringLiteral("354.901"));
    QCOMPARE(text(page, "m_SRSoLineEdit"), QStringLiteral("130.578"));
}

void TestNolinear::phaseDefaultsTransmissionFiber()
{
    nolinear page;
    QVERIFY(page.findChild<QRadioButton *>(QStringLiteral("radioButton"))->isChecked());
    click(page, "pushButton");
    QCOMPARE(text(page, "m_AlineEdit"), QStringLiteral("7.854e-11"));
    QCOMPARE(text(page, "m_rLineEdit"), QStringLiteral("0.00203"));
    QCOMPARE(text(page, "m_LefflineEdit"), QStringLiteral("4.758"));
    QCOMPARE(text(page, "m_failineEdit"), QStringLiteral("965.9"));
}

void TestNolinear::phaseDefaultsGainFiber()
{
    nolinear page;
    click(page, "radioButton_2");
    click(page, "pushButton");
    QCOMPARE(text(page, "m_AlineEdit"), QStringLiteral("7.854e-11"));
    QCOMPARE(text(page, "m_rLineEdit"), QStringLiteral("0.00203"));
    QCOMPARE(text(page, "m_LefflineEdit"), QStringLiteral("1.101e+04"));
    QCOMPARE(text(page, "m_failineEdit"), QStringLiteral("2.236e+06"));
}

void TestNolinear::fwmDefaults()
{
    nolinear page;
    click(page, "pushButton_2");
    QCOMPARE(text(page, "m_deltaKlineEdit"), QStringLiteral("-2.35e+05"));
}

void TestNolinear::switchingFiberTypeClearsOutputsOnly()
{
    nolinear page;
    page.show();
    auto *transmission = page.findChild<QLabel *>(QStringLiteral("LeffFormula"));
    auto *gain = page.findChild<QLabel *>(QStringLiteral("LeffFormula_2"));
    QVERIFY(!transmission->isHidden());
    QVERIFY(gain->isHidden());

    click(page, "pushButton");
    const QStringList outputs = {QStringLiteral("m_AlineEdit"), QStringLiteral("m_rLineEdit"),
                                 QStringLiteral("m_LefflineEdit"), QStringLiteral("m_failineEdit")};
    QStringList before;
    for (const QString &name : outputs)
        before << text(page, name.toLatin1().constData());

    click(page, "radioButton_2");
    for (const QString &name : outputs)
        QVERIFY(text(page, name.toLatin1().constData()).isEmpty());
    QVERIFY(transmission->isHidden());
    QVERIFY(!gain->isHidden());
    QCOMPARE(text(page, "m_alphaLineEdit"), QStringLiteral("0.02"));
    QCOMPARE(text(page, "m_gLineEdit"), QStringLiteral("2"));

    click(page, "radioButton");
    for (const QString &name : outputs)
        QVERIFY(text(page, name.toLatin1().constData()).isEmpty());
    click(page, "pushButton");
    QStringList after;
    for (const QString &name : outputs)
        after << text(page, name.toLatin1().constData());
    QCOMPARE(after, before);
}

void TestNolinear::clickOnCheckedTypeStillClears()
{
    nolinear page;
    click(page, "pushButton");
    QVERIFY(!text(page, "m_failineEdit").isEmpty());
    click(page, "radioButton"); // already checked
    QVERIFY(text(page, "m_failineEdit").isEmpty());
    QVERIFY(text(page, "m_AlineEdit").isEmpty());
}

void TestNolinear::disabledFieldKeepsTextAndIsIgnored()
{
    nolinear page;
    // Transmission mode: g is disabled, keeps its text, and does not matter.
    QVERIFY(!field(page, "m_gLineEdit")->isEnabled());
    QVERIFY(!page.findChild<QLabel *>(QStringLiteral("gLabel"))->isEnabled());
    QVERIFY(field(page, "m_alphaLineEdit")->isEnabled());
    field(page, "m_gLineEdit")->setText(QStringLiteral("7"));
    click(page, "pushButton");
    QCOMPARE(text(page, "m_LefflineEdit"), QStringLiteral("4.758"));
    QCOMPARE(text(page, "m_gLineEdit"), QStringLiteral("7"));

    // Gain mode: α is disabled and ignored.
    field(page, "m_gLineEdit")->setText(QStringLiteral("2"));
    click(page, "radioButton_2");
    QVERIFY(!field(page, "m_alphaLineEdit")->isEnabled());
    QVERIFY(!page.findChild<QLabel *>(QStringLiteral("alpLabel"))->isEnabled());
    field(page, "m_alphaLineEdit")->setText(QStringLiteral("9"));
    click(page, "pushButton");
    QCOMPARE(text(page, "m_LefflineEdit"), QStringLiteral("1.101e+04"));
    QCOMPARE(text(page, "m_alphaLineEdit"), QStringLiteral("9"));
}

void TestNolinear::validatorsAcceptExponentsRefuseMinus()
{
    nolinear page;
    for (const char *name :
         {"m_TbLineEdit", "m_GRLineEdit", "m_DeltaBlineEdit_2", "m_n3lineEdit"}) {
        const QValidator *validator = field(page, name)->validator();
        QVERIFY2(validator, name);
        QString input = QStringLiteral("1e-8");
        int pos = 0;
        QCOMPARE(validator->validate(input, pos), QValidator::Acceptable);
        input = QStringLiteral("5e-14");
        QCOMPARE(validator->validate(input, pos), QValidator::Acceptable);
        input = QStringLiteral("-1");
        QCOMPARE(validator->validate(input, pos), QValidator::Invalid);
    }
    // Typing a minus sign into a validated field leaves it unchanged.
    QLineEdit *lambda = field(page, "m_LamdaPlineEdit_4");
    lambda->clear();
    QTest::keyClicks(lambda, QStringLiteral("-5"));
    QCOMPARE(lambda->text(), QStringLiteral("5"));
}

void TestNolinear::ramanShiftAcceptsNegativeValue()
{
    nolinear page;
    QLineEdit *shift = field(page, "m_DeltaRlineEdit_2");
    QVERIFY(!shift->validator());
    shift->clear();
    QTest::keyClicks(shift, QStringLiteral("-1.32e13"));
    QCOMPARE(shift->text(), QStringLiteral("-1.32e13"));
    click(page, "pushButton_4");
    const double lambdaS = text(page, "m_LambdaRlineEdit_2").toDouble();
    // Anti-Stokes side: 1/(1/1064 nm + 1.32e13/3e8) in nm.
    QVERIFY(lambdaS < 1064.0);
    QVERIFY(qAbs(lambdaS - 1.0 / (1.0 / 1064e-9 + 1.32e13 / 3e8) * 1e9) < 0.01);
}

void TestNolinear::emptyInputIsRefusedAndZeroComputes()
{
    nolinear page;
    // An empty field is refused before anything is computed.
    field(page, "m_LamdaPlineEdit_3")->clear();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    click(page, "pushButton_3");
    QCOMPARE(shown, QStringLiteral("请确保输入参数不为空"));
    QVERIFY(text(page, "m_GBlineEdit").isEmpty());
    // A zero wavelength would make the Brillouin gain infinite: it is outside
    // the accepted wavelengths and refused with one notice naming the field.
    field(page, "m_LamdaPlineEdit_3")->setText(QStringLiteral("0"));
    shown.clear();
    int notices = 0;
    QTimer::singleShot(0, [&shown, &notices] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            ++notices;
            box->accept();
        }
    });
    click(page, "pushButton_3");
    QCOMPARE(notices, 1);
    QCOMPARE(shown, QStringLiteral("泵浦光波长λ_p应在100到100000 nm之间"));
    QVERIFY(text(page, "m_GBlineEdit").isEmpty());
    QVERIFY(text(page, "m_SBSLineEdit").isEmpty());
    // α = 0 on a transmission fiber: a lossless fiber counts its whole length.
    field(page, "m_alphaLineEdit")->setText(QStringLiteral("0"));
    click(page, "pushButton");
    QCOMPARE(text(page, "m_LefflineEdit"), field(page, "m_LLineEdit")->text());
}

// Every caption and formula must fit its label at the page's fonts; the long
// SRS threshold formulas are the tightest.
void TestNolinear::labelsAreNotClipped()
{
    nolinear page;
    page.show();
    const auto labels = page.findChildren<QLabel *>();
    QVERIFY(labels.size() > 40);
    QStringList clipped;
    for (const QLabel *label : labels) {
        const QSize hint = label->sizeHint();
        if (hint.width() > label->width() || hint.height() > label->height())
            clipped << QStringLiteral("%1 needs %2x%3, has %4x%5")
                           .arg(label->objectName())
                           .arg(hint.width())
                           .arg(hint.height())
                           .arg(label->width())
                           .arg(label->height());
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestNolinear)
#include "tst_nolinear.moc"
