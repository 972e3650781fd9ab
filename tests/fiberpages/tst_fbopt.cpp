// The fiber-parameters page as a user sees it: default results, the notices
// and their texts, the NA / core-index link, and the end-face mode list with
// its reflectivity.

#include "fbopt.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QValidator>
#include <QtTest>

#include <cmath>

namespace {

// Accepts the next modal notice and records "title|text".
QString captured;
void expectNotice()
{
    captured.clear();
    QTimer::singleShot(0, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            captured = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
}

} // namespace

class TestFbopt : public QObject
{
    Q_OBJECT

private:
    QLineEdit *field(fbopt &page, const char *name)
    {
        auto *edit = page.findChild<QLineEdit *>(QLatin1String(name));
        if (!edit)
            qFatal("no field %s", name);
        return edit;
    }
    QString text(fbopt &page, const char *name) { return field(page, name)->text(); }
    void setText(fbopt &page, const char *name, const QString &value)
    {
        field(page, name)->setText(value);
    }
    void click(fbopt &page, const char *name)
    {
        auto *button = page.findChild<QPushButton *>(QLatin1String(name));
        QVERIFY2(button, name);
        button->click();
    }
    // Leaving a field with Return: what a user does after typing.
    void finishEditing(fbopt &page, const char *name)
    {
        QTest::keyClick(field(page, name), Qt::Key_Return);
    }
    QComboBox *modes(fbopt &page)
    {
        return page.findChild<QComboBox *>(QStringLiteral("mdcomboBox"));
    }
    QStringList endFaceOutputs(fbopt &page)
    {
        QStringList values;
        for (const char *name : {"m_nefflineEdit", "m_rlineEdit", "m_RlineEdit"})
            values << text(page, name);
        for (int i = 0; i < modes(page)->count(); ++i)
            values << modes(page)->itemText(i);
        return values;
    }

private slots:
    void layoutTitlesAndDefaults();
    void dopingDefaults();
    void dopingRefusesEmptyInput();
    void lossDefaults();
    void lossNoticeWhenOutputNotBelowInput();
    void lossNoticeWhenInputPowerZero();
    void fillFactorDefaults();
    void validatorsOnFirstThreeTabsOnly();
    void editingCoreIndexWritesNA();
    void emptiedCoreIndexIsRefilledFromNA();
    void echoNeverRewritesTheTypedCoreIndex();
    void editingNAWritesCoreIndex();
    void emptiedNAIsRefilledFromCoreIndex();
    void largeNAShowsNoticeAndKeepsCoreIndex();
    void endFaceDefaultsFillModeList();
    void endFaceZeroAngleIsFresnelForEveryMode();
    void endFaceDefaultsAtFiveDegrees();
    void selectingAnotherModeRecomputesWithoutSearch();
    void modeLabelsCountRadialOrderBeyondNine();
    void endFaceNoticesLeaveOutputsUnchanged_data();
    void endFaceNoticesLeaveOutputsUnchanged();
    void noGuidedModeLeavesOutputsEmpty();
    void labelsAreNotClipped();
    void incompleteModeListIsSaid();
};

void TestFbopt::layoutTitlesAndDefaults()
{
    fbopt page;
    QCOMPARE(page.windowTitle(), QStringLiteral("fbopt"));
    auto *tabs = page.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList titles = {QStringLiteral("掺杂浓度"), QStringLiteral("本征损耗"),
                                QStringLiteral("填充因子"), QStringLiteral("光纤端面反射率")};
    QCOMPARE(tabs->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        QCOMPARE(tabs->tabText(i), titles.at(i));
    QVERIFY(page.findChild<QLabel *>(QStringLiteral("label_4"))
                ->text()
                .contains(QStringLiteral("光纤参数--端面反射率")));
    QCOMPARE(text(page, "m_absorb_sectionlineEdit"), QStringLiteral("2.42e-24"));
    QCOMPARE(text(page, "m_NALineEdit"), QStringLiteral("0.0590"));
    QCOMPARE(text(page, "m_N1lineEdit"), QStringLiteral("1.4512"));
    QCOMPARE(text(page, "m_thetalineEdit"), QStringLiteral("5"));
    QCOMPARE(modes(page)->count(), 0);
    for (const char *name :
         {"m_NlabelLineEdit", "m_Alpha_totallineEdit", "m_Alpha_averagelineEdit",
          "m_GammalabelLineEdit", "m_nefflineEdit", "m_rlineEdit", "m_RlineEdit"}) {
        QVERIFY2(text(page, name).isEmpty(), name);
        QVERIFY2(field(page, name)->isReadOnly(), name);
    }
    QVERIFY(!field(page, "m_NALineEdit")->isReadOnly());
    QVERIFY(field(page, "m_NALineEdit")->styleSheet().isEmpty());
}

void TestFbopt::dopingDefaults()
{
    fbopt page;
    click(page, "pushButton_4");
    QCOMPARE(text(page, "m_NlabelLineEdit"), QStringLiteral("5.95e+25"));
}

void TestFbopt::dopingRefusesEmptyInput()
{
    fbopt page;
    setText(page, "m_absorb_sectionlineEdit", QString());
    expectNotice();
    click(page, "pushButton_4");
    QCOMPARE(captured, QStringLiteral("提示|请确保输入参数不为空"));
    QVERIFY(text(page, "m_NlabelLineEdit").isEmpty());
}

void TestFbopt::lossDefaults()
{
    fbopt page;
    click(page, "pushButton_2");
    QCOMPARE(text(page, "m_Alpha_totallineEdit"), QStringLiteral("3.01"));
    QCOMPARE(text(page, "m_Alpha_averagelineEdit"), QStringLiteral("0.301"));
}

void TestFbopt::lossNoticeWhenOutputNotBelowInput()
{
    fbopt page;
    click(page, "pushButton_2");
    setText(page, "m_P_out_lineEdit", QStringLiteral("10"));
    expectNotice();
    click(page, "pushButton_2");
    QCOMPARE(captured, QStringLiteral("提示|输出功率必须小于输入功率"));
    QVERIFY(text(page, "m_Alpha_totallineEdit").isEmpty());
    QVERIFY(text(page, "m_Alpha_averagelineEdit").isEmpty());
}

void TestFbopt::lossNoticeWhenInputPowerZero()
{
    fbopt page;
    setText(page, "m_P_in_lineEdit", QStringLiteral("0"));
    expectNotice();
    click(page, "pushButton_2");
    QCOMPARE(captured, QStringLiteral("提示|输出功率必须小于输入功率"));
    QVERIFY(text(page, "m_Alpha_totallineEdit").isEmpty());
}

void TestFbopt::fillFactorDefaults()
{
    fbopt page;
    click(page, "pushButton_3");
    QCOMPARE(text(page, "m_GammalabelLineEdit"), QStringLiteral("0.0064"));
}

void TestFbopt::validatorsOnFirstThreeTabsOnly()
{
    fbopt page;
    for (const char *name :
         {"m_P_in_lineEdit", "m_P_out_lineEdit", "m_L_flineEdit", "m_alineEdit", "m_blineEdit",
          "m_alineEdit_2", "m_blineEdit_2", "m_alphalineEdit", "m_absorb_sectionlineEdit"}) {
        const QValidator *validator = field(page, name)->validator();
        QVERIFY2(validator, name);
        QString input = QStringLiteral("2.42e-24");
        int pos = 0;
        QCOMPARE(validator->validate(input, pos), QValidator::Acceptable);
        input = QStringLiteral("-1");
        QCOMPARE(validator->validate(input, pos), QValidator::Invalid);
    }
    for (const char *name : {"m_LambdalineEdit", "m_A_lineEdit", "m_N1lineEdit", "m_N2lineEdit",
                             "m_NALineEdit", "m_thetalineEdit"})
        QVERIFY2(!field(page, name)->validator(), name);
}

void TestFbopt::editingCoreIndexWritesNA()
{
    fbopt page;
    field(page, "m_N1lineEdit")->clear();
    QTest::keyClicks(field(page, "m_N1lineEdit"), QStringLiteral("1.4512"));
    finishEditing(page, "m_N1lineEdit");
    QCOMPARE(text(page, "m_NALineEdit"), QStringLiteral("0.059004"));
}

void TestFbopt::emptiedCoreIndexIsRefilledFromNA()
{
    fbopt page;
    field(page, "m_N1lineEdit")->clear();
    finishEditing(page, "m_N1lineEdit");
    // n1 = sqrt(0.059² + 1.45²), shown with six significant digits, and NA
    // rewritten from that value.
    QCOMPARE(text(page, "m_N1lineEdit"), QStringLiteral("1.4512"));
    QCOMPARE(text(page, "m_NALineEdit"), QStringLiteral("0.059000"));
}

// Focus passing through the NA after its echo is no edit: the typed n1
// stays as typed (the echo would write it back as "1.451200").
void TestFbopt::echoNeverRewritesTheTypedCoreIndex()
{
    fbopt page;
    field(page, "m_N1lineEdit")->clear();
    QTest::keyClicks(field(page, "m_N1lineEdit"), QStringLiteral("1.4512"));
    finishEditing(page, "m_N1lineEdit");
    emit field(page, "m_NALineEdit")->editingFinished();
    QCOMPARE(text(page, "m_N1lineEdit"), QStringLiteral("1.4512"));
}

void TestFbopt::editingNAWritesCoreIndex()
{
    fbopt page;
    field(page, "m_NALineEdit")->clear();
    QTest::keyClicks(field(page, "m_NALineEdit"), QStringLiteral("0.1"));
    finishEditing(page, "m_NALineEdit");
    // sqrt(0.01 + 2.1025) = 1.453444...
    QCOMPARE(text(page, "m_N1lineEdit"), QStringLiteral("1.453444"));
}

void TestFbopt::emptiedNAIsRefilledFromCoreIndex()
{
    fbopt page;
    field(page, "m_NALineEdit")->clear();
    finishEditing(page, "m_NALineEdit");
    // NA = sqrt(1.4512² − 1.45²) = 0.05900373... (six significant digits).
    QCOMPARE(text(page, "m_NALineEdit"), QStringLiteral("0.0590037"));
    QCOMPARE(text(page, "m_N1lineEdit"), QStringLiteral("1.451200"));
}

void TestFbopt::largeNAShowsNoticeAndKeepsCoreIndex()
{
    fbopt page;
    field(page, "m_NALineEdit")->clear();
    QTest::keyClicks(field(page, "m_NALineEdit"), QStringLiteral("0.6"));
    expectNotice();
    finishEditing(page, "m_NALineEdit");
    QCOMPARE(captured, QStringLiteral("提示|数值孔径不超过0.5"));
    QCOMPARE(text(page, "m_N1lineEdit"), QStringLiteral("1.4512"));
}

void TestFbopt::endFaceDefaultsFillModeList()
{
    fbopt page;
    click(page, "pushButton_5");
    QComboBox *box = modes(page);
    QVERIFY(box->count() > 0);
    QCOMPARE(box->itemText(0), QStringLiteral("01"));
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(static_cast<int>(page.modeIndices().size()), box->count());
    // LP01 is the mode with the highest index: between n2 and n1, above all others.
    const double neff = text(page, "m_nefflineEdit").toDouble();
    QVERIFY(neff > 1.45 && neff < 1.4512);
    QCOMPARE(text(page, "m_nefflineEdit"), QString::number(page.modeIndices().front(), 'f', 4));
    for (double other : page.modeIndices())
        QVERIFY(other <= page.modeIndices().front());
    // An angled face reflects less back into the core than a flat one.
    const double r = text(page, "m_rlineEdit").toDouble();
    QVERIFY(r >= 0.0 && r < 0.184);
    QVERIFY(!text(page, "m_RlineEdit").isEmpty());
}

void TestFbopt::endFaceZeroAngleIsFresnelForEveryMode()
{
    fbopt page;
    setText(page, "m_thetalineEdit", QStringLiteral("0"));
    click(page, "pushButton_5");
    QComboBox *box = modes(page);
    QVERIFY(box->count() > 1);
    // (1.4512 − 1)/(1.4512 + 1) = 0.18407, squared 0.03388.
    for (int i = 0; i < box->count(); ++i) {
        box->setCurrentIndex(i);
        QCOMPARE(text(page, "m_rlineEdit"), QStringLiteral("0.184"));
        QCOMPARE(text(page, "m_RlineEdit"), QStringLiteral("0.0339"));
    }
}

// The default fiber (V = 3.43) guides LP01 and LP11 only. The expected texts
// come from a separate mpmath model of the 1000-sample search and the two
// radial sums, with each mode's full-precision index and its own order
// (J1/K1 for LP11): at 5° the tilted reflection barely couples back.
void TestFbopt::endFaceDefaultsAtFiveDegrees()
{
    fbopt page;
    click(page, "pushButton_5");
    QComboBox *box = modes(page);
    QCOMPARE(box->count(), 2);
    QCOMPARE(box->itemText(0), QStringLiteral("01"));
    QCOMPARE(box->itemText(1), QStringLiteral("11"));
    QCOMPARE(text(page, "m_nefflineEdit"), QStringLiteral("1.4509"));
    QCOMPARE(text(page, "m_rlineEdit"), QStringLiteral("5.79e-05"));
    QCOMPARE(text(page, "m_RlineEdit"), QStringLiteral("3.36e-09"));
    box->setCurrentIndex(1);
    QCOMPARE(text(page, "m_nefflineEdit"), QStringLiteral("1.4504"));
    QCOMPARE(text(page, "m_rlineEdit"), QStringLiteral("0.000197"));
    QCOMPARE(text(page, "m_RlineEdit"), QStringLiteral("3.88e-08"));
}

void TestFbopt::selectingAnotherModeRecomputesWithoutSearch()
{
    fbopt page;
    click(page, "pushButton_5");
    QComboBox *box = modes(page);
    QVERIFY(box->count() > 1);
    const QString firstNeff = text(page, "m_nefflineEdit");
    const QString firstR = text(page, "m_rlineEdit");
    // Changing the fiber without Calculate: the list stays, the reflectivity
    // of the selected mode uses the new field values.
    setText(page, "m_A_lineEdit", QStringLiteral("20"));
    box->setCurrentIndex(1);
    QCOMPARE(box->count(), static_cast<int>(page.modeIndices().size()));
    QCOMPARE(text(page, "m_nefflineEdit"), QString::number(page.modeIndices().at(1), 'f', 4));
    QVERIFY(text(page, "m_nefflineEdit") != firstNeff);
    box->setCurrentIndex(0);
    QCOMPARE(text(page, "m_nefflineEdit"), firstNeff);
    QVERIFY(!text(page, "m_rlineEdit").isEmpty());
    QVERIFY(text(page, "m_rlineEdit") != firstR); // a = 20 μm now
}

void TestFbopt::modeLabelsCountRadialOrderBeyondNine()
{
    fbopt page;
    setText(page, "m_A_lineEdit", QStringLiteral("200"));
    click(page, "pushButton_5");
    QComboBox *box = modes(page);
    const int first = box->findText(QStringLiteral("11"));
    QVERIFY(first > 0);
    for (int m = 1; m <= 10; ++m)
        QCOMPARE(box->itemText(first + m - 1), QStringLiteral("1%1").arg(m));
    QCOMPARE(box->itemText(first - 1).left(1), QStringLiteral("0"));
    QCOMPARE(box->count(), static_cast<int>(page.modeIndices().size()));
    box->setCurrentIndex(box->count() - 1);
    QCOMPARE(text(page, "m_nefflineEdit"), QString::number(page.modeIndices().back(), 'f', 4));
}

void TestFbopt::endFaceNoticesLeaveOutputsUnchanged_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("notice");
    QTest::newRow("core radius 300 um") << "m_A_lineEdit"
                                        << "300"
                                        << "提示|纤芯半径不超过250微米";
    QTest::newRow("cladding above core") << "m_N2lineEdit"
                                         << "1.46"
                                         << "提示|纤芯折射率应大于包层折射率";
    QTest::newRow("empty wavelength") << "m_LambdalineEdit"
                                      << ""
                                      << "提示|请确保输入参数不为空";
}

void TestFbopt::endFaceNoticesLeaveOutputsUnchanged()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, value);
    QFETCH(QString, notice);
    fbopt page;
    click(page, "pushButton_5");
    const QStringList before = endFaceOutputs(page);
    QVERIFY(!before.at(1).isEmpty());

    if (fieldName == QLatin1String("m_N2lineEdit"))
        setText(page, "m_N1lineEdit", QStringLiteral("1.45"));
    setText(page, fieldName.toLatin1().constData(), value);
    expectNotice();
    click(page, "pushButton_5");
    QCOMPARE(captured, notice);
    QCOMPARE(endFaceOutputs(page), before);
}

void TestFbopt::noGuidedModeLeavesOutputsEmpty()
{
    fbopt page;
    click(page, "pushButton_5");
    QVERIFY(modes(page)->count() > 0);
    setText(page, "m_N1lineEdit", QStringLiteral("1.45"));
    expectNotice(); // said, not only left blank
    click(page, "pushButton_5");
    QVERIFY2(captured.contains(QStringLiteral("没有传导模")), qPrintable(captured));
    QCOMPARE(modes(page)->count(), 0);
    QVERIFY(page.modeIndices().empty());
    QVERIFY(text(page, "m_nefflineEdit").isEmpty());
    QVERIFY(text(page, "m_rlineEdit").isEmpty());
    QVERIFY(text(page, "m_RlineEdit").isEmpty());
    // A stray selection signal on the empty box reads nothing.
    page.comboChange();
    QVERIFY(text(page, "m_nefflineEdit").isEmpty());
}

void TestFbopt::labelsAreNotClipped()
{
    fbopt page;
    page.show();
    QStringList clipped;
    const auto labels = page.findChildren<QLabel *>();
    QVERIFY(labels.size() > 30);
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

QTEST_MAIN(TestFbopt)
#include "tst_fbopt.moc"

// 100 µm core, NA 0.22 at 1064 nm: the cutoffs allow 541 LP modes (mpmath's
// Bessel zeros); the page's 1000-sample grid lists 540 and says so.
void TestFbopt::incompleteModeListIsSaid()
{
    fbopt page;
    setText(page, "m_A_lineEdit", QStringLiteral("50"));
    setText(page, "m_LambdalineEdit", QStringLiteral("1064"));
    setText(page, "m_N1lineEdit", QString::number(std::sqrt(1.45 * 1.45 + 0.22 * 0.22), 'f', 6));
    expectNotice();
    click(page, "pushButton_5");
    QCOMPARE(captured, QStringLiteral("提示|模式列表不完整：截止条件允许541个LP模式，列出540个"));
    QCOMPARE(modes(page)->count(), 540);
}
