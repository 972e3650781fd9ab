// The geometric-optics page as a user meets it: defaults, the three angles,
// both notices, and the linked degree/radian fields.

#include "bscoptlaw.h"
#include "noticecatcher.h"

#include <QDoubleValidator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QtTest>

#include <cmath>
#include <memory>

class TestBscoptlaw : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formHasTheNamedWidgetsAndCaptions();
    void inputsStartWithTheDefaultsAndOutputsEmpty();
    void outputFieldsAreReadOnlyAndGrey();
    void validatorSitsOnTheThreeInputsOnly();
    void validatedFieldRefusesMinusAndFifthDecimal();

    void defaultsComputeWithoutNotice();
    void beyondTheCriticalAngleShowsTotalReflection();
    void exactlyAtTheCriticalAngleIsNotTotalReflection();
    void equalIndicesHaveNoCriticalAngle();
    void zeroRefractingIndexEndsInTotalReflection();
    void zeroIndexAtNormalIncidenceIsNoResult();
    void emptyInputIsRefusedAndInvalidTextReadsAsZero();
    void calculationReadsTheRadianFieldNotTheDegreeField();

    void degreesTypedUpdateRadians();
    void partnerEchoNeverRewritesTheTypedField();
    void radiansTypedUpdateDegrees();
    void emptiedRadianFieldIsRefilledFromDegrees();
    void settingTextDoesNotStartThePartnerSlot();

private:
    QLineEdit *field(const char *name) const;
    QLabel *label(const char *name) const;
    static QString plain(const QString &richText);
    void typeAndLeave(const char *name, const QString &text);
    QString calculate();

    std::unique_ptr<bscoptlaw> page;
};

namespace {

const char *const kOutputs[] = {"m_RadlineEdit_8",   "m_RadlineEdit_9",   "m_RadlineEdit_10",
                                "m_ThetalineEdit_4", "m_ThetalineEdit_6", "m_ThetalineEdit_5"};
const char *const kTotalReflection = "提示|此时为全反射";
const char *const kNoCriticalAngle = "提示|n1>n2时才能计算全反射角";

} // namespace

void TestBscoptlaw::init()
{
    page = std::make_unique<bscoptlaw>();
    page->resize(815, 590);
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void TestBscoptlaw::cleanup()
{
    page.reset();
}

QLineEdit *TestBscoptlaw::field(const char *name) const
{
    auto *edit = page->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!edit)
        qFatal("no QLineEdit named %s", name);
    return edit;
}

QLabel *TestBscoptlaw::label(const char *name) const
{
    auto *found = page->findChild<QLabel *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no QLabel named %s", name);
    return found;
}

QString TestBscoptlaw::plain(const QString &richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}

// Replaces the text by typing, then presses Return (which, for an acceptable
// text, emits editingFinished like leaving the field does).
void TestBscoptlaw::typeAndLeave(const char *name, const QString &text)
{
    QLineEdit *edit = field(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString TestBscoptlaw::calculate()
{
    auto *button = page->findChild<QPushButton *>(QStringLiteral("pushButton"));
    return captureNotice([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

void TestBscoptlaw::formHasTheNamedWidgetsAndCaptions()
{
    QCOMPARE(page->windowTitle(), QStringLiteral("bscoptlaw"));
    auto *tabs = page->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("反射折射"));
    QCOMPARE(tabs->font().pointSize(), 12);

    QLabel *title = label("label");
    QCOMPARE(plain(title->text()), QStringLiteral("几何光学参数--反射折射"));
    QVERIFY(title->text().contains(QLatin1String("#ff5500")));
    QCOMPARE(title->font().pointSize(), 14);

    const auto groupTitle = [this](const char *name) {
        auto *box = page->findChild<QGroupBox *>(QString::fromLatin1(name));
        return box ? box->title() : QString();
    };
    QCOMPARE(groupTitle("groupBox"), QStringLiteral("输入项"));
    QCOMPARE(groupTitle("groupBox_2"), QStringLiteral("输出项"));
    auto *button = page->findChild<QPushButton *>(QStringLiteral("pushButton"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("计算"));

    const QList<QPair<const char *, QString>> captions = {
        {"RfrLabel1", QStringLiteral("折射率n1")},
        {"RfrLabel2", QStringLiteral("折射率n2")},
        {"ThetaLabel1", QStringLiteral("入射角θ1")},
        {"RadLabel", QStringLiteral("[rad]")},
        {"ThetaLabel1_4", QStringLiteral("角度值[°]")},
        {"ThetaLabel1_5", QStringLiteral("弧度值[rad]")},
        {"ThetaLabel2", QStringLiteral("折射角θ2")},
        {"BRSTAng", QStringLiteral("布儒斯特角θb")},
        {"CrtAng", QStringLiteral("全反射临界角θc")},
        {"Theta2Formula", QStringLiteral("θ2 = asin(n1*sinθ1/n2)")},
        {"ThetabFormula", QStringLiteral("θb = atan(n2/n1)")},
        {"ThetacFormula", QStringLiteral("θc = asin(n2/n1) (n1>n2)")},
    };
    for (const auto &caption : captions)
        QCOMPARE(plain(label(caption.first)->text()), caption.second);

    // Subscripts are rich-text spans, not Unicode subscript digits.
    QVERIFY(label("RfrLabel1")->text().contains(QLatin1String("vertical-align:sub;")));
    QVERIFY(label("ThetacFormula")->text().contains(QLatin1String("font-weight:400;")));
    for (const char *formula : {"Theta2Formula", "ThetabFormula", "ThetacFormula"}) {
        QCOMPARE(label(formula)->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(label(formula)->font().pointSize(), 12);
    }
    QCOMPARE(field("m_RfrlineEdit_1")->font().pointSize(), 11);
}

void TestBscoptlaw::inputsStartWithTheDefaultsAndOutputsEmpty()
{
    QCOMPARE(field("m_RfrlineEdit_1")->text(), QStringLiteral("1.45"));
    QCOMPARE(field("m_RfrlineEdit_2")->text(), QStringLiteral("1"));
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("30"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("0.5236"));
    for (const char *name : kOutputs)
        QVERIFY2(field(name)->text().isEmpty(), name);
}

void TestBscoptlaw::outputFieldsAreReadOnlyAndGrey()
{
    for (const char *name : kOutputs) {
        QVERIFY2(field(name)->isReadOnly(), name);
        QCOMPARE(field(name)->styleSheet(),
                 QStringLiteral("background-color: rgb(213, 213, 213);"));
    }
    for (const char *name :
         {"m_RfrlineEdit_1", "m_RfrlineEdit_2", "m_ThetalineEdit_3", "m_RadianlineEdit"}) {
        QVERIFY2(!field(name)->isReadOnly(), name);
        QVERIFY2(field(name)->styleSheet().isEmpty(), name);
    }
}

void TestBscoptlaw::validatorSitsOnTheThreeInputsOnly()
{
    const QValidator *shared = field("m_RfrlineEdit_1")->validator();
    auto *validator = qobject_cast<const QDoubleValidator *>(shared);
    QVERIFY(validator);
    QCOMPARE(validator->bottom(), 0.0);
    QCOMPARE(validator->top(), 1e100);
    QCOMPARE(validator->decimals(), 6); // refractive indices: six decimals
    QCOMPARE(field("m_RfrlineEdit_2")->validator(), shared);
    auto *angle = qobject_cast<const QDoubleValidator *>(field("m_ThetalineEdit_3")->validator());
    QVERIFY(angle);
    QCOMPARE(angle->decimals(), 4);
    QCOMPARE(angle->bottom(), 0.0);
    QVERIFY(!field("m_RadianlineEdit")->validator());
    for (const char *name : kOutputs)
        QVERIFY2(!field(name)->validator(), name);
}

void TestBscoptlaw::validatedFieldRefusesMinusAndFifthDecimal()
{
    QLineEdit *n1 = field("m_RfrlineEdit_1");
    n1->clear();
    QTest::keyClicks(n1, QStringLiteral("-1.5"));
    QCOMPARE(n1->text(), QStringLiteral("1.5"));
    // Refractive indices take six decimals (1.450001), the angle four.
    n1->clear();
    QTest::keyClicks(n1, QStringLiteral("1.4500012"));
    QCOMPARE(n1->text(), QStringLiteral("1.450001"));
    QLineEdit *degrees = field("m_ThetalineEdit_3");
    degrees->clear();
    QTest::keyClicks(degrees, QStringLiteral("0.12345"));
    QCOMPARE(degrees->text(), QStringLiteral("0.1234"));
    n1->clear();
    QTest::keyClicks(n1, QStringLiteral("1e-7"));
    QCOMPARE(n1->text(), QStringLiteral("1e-7"));
}

void TestBscoptlaw::defaultsComputeWithoutNotice()
{
    QCOMPARE(calculate(), QString());
    // Reference digits: an independent evaluation of the same formulas
    // (n1 1.45, n2 1, theta1 0.5236 rad).
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QStringLiteral("0.8110"));
    QCOMPARE(field("m_RadlineEdit_8")->text(), QStringLiteral("46.4690"));
    QCOMPARE(field("m_ThetalineEdit_6")->text(), QStringLiteral("0.6037"));
    QCOMPARE(field("m_RadlineEdit_9")->text(), QStringLiteral("34.5923"));
    QCOMPARE(field("m_ThetalineEdit_5")->text(), QStringLiteral("0.7610"));
    QCOMPARE(field("m_RadlineEdit_10")->text(), QStringLiteral("43.6028"));
}

void TestBscoptlaw::beyondTheCriticalAngleShowsTotalReflection()
{
    calculate(); // fills the refraction fields first
    field("m_RadianlineEdit")->setText(QStringLiteral("1"));
    QString refractionWhileShown = QStringLiteral("unset");
    const QString notice = captureNotice(
        [this] {
            QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pushButton")),
                              Qt::LeftButton);
        },
        [this, &refractionWhileShown] {
            refractionWhileShown =
                field("m_ThetalineEdit_4")->text() + field("m_RadlineEdit_8")->text();
        });
    QCOMPARE(notice, QString::fromUtf8(kTotalReflection));
    // The fields were already cleared when the notice appeared.
    QCOMPARE(refractionWhileShown, QString());
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QString());
    QCOMPARE(field("m_RadlineEdit_8")->text(), QString());
    QCOMPARE(field("m_ThetalineEdit_6")->text(), QStringLiteral("0.6037"));
    QCOMPARE(field("m_RadlineEdit_9")->text(), QStringLiteral("34.5923"));
    QCOMPARE(field("m_ThetalineEdit_5")->text(), QStringLiteral("0.7610"));
    QCOMPARE(field("m_RadlineEdit_10")->text(), QStringLiteral("43.6028"));
}

void TestBscoptlaw::exactlyAtTheCriticalAngleIsNotTotalReflection()
{
    // An index pair for which sin(theta_c) * n1 / n2 rounds to just above 1:
    // the ray must still come out at 90 degrees, not as NaN.
    for (const auto &pair : {qMakePair(1.45, 1.0), qMakePair(2.1912, 1.5568)}) {
        field("m_RfrlineEdit_1")->setText(QString::number(pair.first));
        field("m_RfrlineEdit_2")->setText(QString::number(pair.second));
        const double critical = std::asin(pair.second / pair.first);
        // 17 significant digits read back as the very same double.
        field("m_RadianlineEdit")->setText(QString::number(critical, 'g', 17));
        QCOMPARE(calculate(), QString());
        QCOMPARE(field("m_ThetalineEdit_4")->text(), QStringLiteral("1.5708"));
        QCOMPARE(field("m_RadlineEdit_8")->text(), QStringLiteral("90.0000"));
    }
}

void TestBscoptlaw::equalIndicesHaveNoCriticalAngle()
{
    calculate(); // the critical-angle fields hold values before
    QVERIFY(!field("m_ThetalineEdit_5")->text().isEmpty());
    field("m_RfrlineEdit_2")->setText(QStringLiteral("1.45"));
    QCOMPARE(calculate(), QString::fromUtf8(kNoCriticalAngle));
    // theta2 = theta1 = 0.5236 rad = 30.00007 degrees.
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QStringLiteral("0.5236"));
    QCOMPARE(field("m_RadlineEdit_8")->text(), QStringLiteral("30.0001"));
    QCOMPARE(field("m_ThetalineEdit_6")->text(), QStringLiteral("0.7854"));
    QCOMPARE(field("m_RadlineEdit_9")->text(), QStringLiteral("45"));
    QCOMPARE(field("m_ThetalineEdit_5")->text(), QString());
    QCOMPARE(field("m_RadlineEdit_10")->text(), QString());
}

void TestBscoptlaw::zeroRefractingIndexEndsInTotalReflection()
{
    field("m_RfrlineEdit_2")->setText(QStringLiteral("0"));
    QCOMPARE(calculate(), QString::fromUtf8(kTotalReflection));
    QCOMPARE(field("m_ThetalineEdit_5")->text(), QStringLiteral("0.0000"));
    QCOMPARE(field("m_RadlineEdit_10")->text(), QStringLiteral("0.0000"));
    QCOMPARE(field("m_ThetalineEdit_6")->text(), QStringLiteral("0"));
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QString());
}

void TestBscoptlaw::zeroIndexAtNormalIncidenceIsNoResult()
{
    field("m_RfrlineEdit_2")->setText(QStringLiteral("0"));
    field("m_RadianlineEdit")->setText(QStringLiteral("0"));
    QVERIFY(calculate().contains(QStringLiteral("不是有限值")));
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QString());
    QCOMPARE(field("m_RadlineEdit_8")->text(), QString());
}

void TestBscoptlaw::emptyInputIsRefusedAndInvalidTextReadsAsZero()
{
    // An empty field is refused before anything is computed (an empty n2 used
    // to read as 0 and report total reflection); the results stay as they were.
    QCOMPARE(calculate(), QString());
    const QString refraction = field("m_ThetalineEdit_4")->text();
    for (const char *name : {"m_RfrlineEdit_1", "m_RfrlineEdit_2", "m_RadianlineEdit"}) {
        const QString typed = field(name)->text();
        field(name)->clear();
        QCOMPARE(calculate(), QStringLiteral("提示|请确保输入参数不为空"));
        QCOMPARE(field("m_ThetalineEdit_4")->text(), refraction);
        field(name)->setText(typed);
    }

    // Letters in the (unvalidated) radian field read as 0; spaces around a
    // number are ignored.
    field("m_RfrlineEdit_1")->setText(QStringLiteral("1.45"));
    field("m_RadianlineEdit")->setText(QStringLiteral("abc"));
    QCOMPARE(calculate(), QString());
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QStringLiteral("0.0000"));
    field("m_RadianlineEdit")->setText(QStringLiteral("  1  "));
    QCOMPARE(calculate(), QString::fromUtf8(kTotalReflection));
}

void TestBscoptlaw::calculationReadsTheRadianFieldNotTheDegreeField()
{
    field("m_ThetalineEdit_3")->setText(QStringLiteral("80")); // no editingFinished
    QCOMPARE(calculate(), QString());
    QCOMPARE(field("m_ThetalineEdit_4")->text(), QStringLiteral("0.8110"));
}

void TestBscoptlaw::degreesTypedUpdateRadians()
{
    typeAndLeave("m_ThetalineEdit_3", QStringLiteral("30"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("0.523599"));
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("30"));
    typeAndLeave("m_ThetalineEdit_3", QStringLiteral("90"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("1.5708"));
}

void TestBscoptlaw::partnerEchoNeverRewritesTheTypedField()
{
    // 8° becomes 0.139626 rad; focus passing through the radian field
    // without an edit must not echo 7.99998° back into the degree field.
    typeAndLeave("m_ThetalineEdit_3", QStringLiteral("8"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("0.139626"));
    QMetaObject::invokeMethod(field("m_RadianlineEdit"), "editingFinished");
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("8"));
    // A real edit of the radian field still drives the degrees.
    typeAndLeave("m_RadianlineEdit", QStringLiteral("0.5"));
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("28.6479"));
}

void TestBscoptlaw::radiansTypedUpdateDegrees()
{
    typeAndLeave("m_RadianlineEdit", QStringLiteral("1"));
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("57.2958"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("1"));
}

void TestBscoptlaw::emptiedRadianFieldIsRefilledFromDegrees()
{
    field("m_ThetalineEdit_3")->setText(QStringLiteral("30.0000"));
    typeAndLeave("m_RadianlineEdit", QString());
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("0.523599"));
    // The degree field is rewritten in g6 form.
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("30"));
}

void TestBscoptlaw::settingTextDoesNotStartThePartnerSlot()
{
    field("m_RadianlineEdit")->setText(QStringLiteral("1"));
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("30"));
    field("m_ThetalineEdit_3")->setText(QStringLiteral("45"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("1"));
    // ...and a slot's own write does not bounce back.
    typeAndLeave("m_ThetalineEdit_3", QStringLiteral("45"));
    QCOMPARE(field("m_RadianlineEdit")->text(), QStringLiteral("0.785398"));
    QCOMPARE(field("m_ThetalineEdit_3")->text(), QStringLiteral("45"));
}

QTEST_MAIN(TestBscoptlaw)
#include "tst_bscoptlaw.moc"
