// The inputs a random user found to hang the program for good, typed into
// their pages: a conductivity of 1e-308 or a ρC of 6e146, an infinite radius
// ("1e309" passes the validator while typing), a wavelength of 1e-7 nm and a
// core index of 1.45e8. Each must give a notice that names the field and its
// accepted range, and compute nothing. A regression hangs the test; no time
// is measured.

#include "fbmode.h"
#include "fbopt.h"
#include "threashold.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "qcustomplot.h"

namespace {

// Closes the notice box from a repeating timer (the mode-instability page
// runs an event loop before it computes, so a single zero timer would fire
// before the box opens) and keeps "title|text".
class NoticeCatcher : public QObject
{
public:
    NoticeCatcher()
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                captured = box->windowTitle() + QLatin1Char('|') + box->text();
                box->accept();
            }
        });
        m_timer.start();
    }
    QString captured;

private:
    QTimer m_timer;
};

QLineEdit *field(QWidget &page, const char *name)
{
    auto *f = page.findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!f)
        qFatal("no field %s", name);
    return f;
}

QString press(QWidget &page, const char *button)
{
    NoticeCatcher catcher;
    page.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    QCoreApplication::processEvents();
    return catcher.captured;
}

// The notice names the field by its caption and states the range with its
// unit ("热导率应在0.001到10000 W/(m·K)之间").
void expectRangeNotice(const QString &shown, const QString &caption, const QString &range)
{
    QVERIFY2(shown.startsWith(QStringLiteral("提示|")), qPrintable(shown));
    QVERIFY2(shown.contains(caption), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("应在") + range + QStringLiteral("之间")),
             qPrintable(shown));
}

const QString k300Digits = QStringLiteral("1") + QString(300, QLatin1Char('0'));

} // namespace

class TstInputTriggers : public QObject
{
    Q_OBJECT

private slots:
    void modeInstabilityRefusesAbsurdHeatParameters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("range");
        QTest::newRow("κ 1e-308") << "m_blineEdit_17"
                                  << "1e-308" << QStringLiteral("热导率")
                                  << QStringLiteral("0.001到10000 W/(m·K)");
        QTest::newRow("ρC 6e146") << "m_blineEdit_18"
                                  << "6e146" << QStringLiteral("密度与热容乘积")
                                  << QStringLiteral("1到1e+08 J/(m³·K)");
        QTest::newRow("doped radius inf")
            << "m_blineEdit_10"
            << "1e309" << QStringLiteral("掺杂区域半径") << QStringLiteral("0.01到10000 μm");
        QTest::newRow("cladding radius inf")
            << "m_blineEdit_9" << k300Digits + k300Digits << QStringLiteral("泵浦包层半径")
            << QStringLiteral("0.01到10000 μm");
        QTest::newRow("core radius 300 digits")
            << "m_alineEdit_6" << k300Digits << QStringLiteral("纤芯半径")
            << QStringLiteral("0.01到10000 μm");
        QTest::newRow("λs 1.064e-07 nm")
            << "m_alphalineEdit_5"
            << "1.064e-07" << QStringLiteral("信号光波长") << QStringLiteral("100到100000 nm");
    }

    void modeInstabilityRefusesAbsurdHeatParameters()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, range);
        threashold page;
        field(page, name.toLatin1().constData())->setText(text);
        expectRangeNotice(press(page, "pushButton_14"), caption, range);
        QVERIFY(field(page, "m_blineEdit_19")->text().isEmpty());
        QVERIFY(field(page, "m_blineEdit_20")->text().isEmpty());
        QCOMPARE(page.findChild<QCustomPlot *>(QStringLiteral("CurvePlot1"))->graphCount(), 0);
        QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("pushButton_14"))->text(),
                 QStringLiteral("计算"));
    }

    void endFaceRefusesAVanishingWavelengthAndAHugeIndex()
    {
        fbopt page;
        auto *modes = page.findChild<QComboBox *>(QStringLiteral("mdcomboBox"));
        field(page, "m_LambdalineEdit")->setText(QStringLiteral("1.08e-08"));
        expectRangeNotice(press(page, "pushButton_5"), QStringLiteral("波长"),
                          QStringLiteral("100到100000 nm"));
        QCOMPARE(modes->count(), 0);

        field(page, "m_LambdalineEdit")->setText(QStringLiteral("1080"));
        field(page, "m_N1lineEdit")->setText(QStringLiteral("1.4512e+08"));
        expectRangeNotice(press(page, "pushButton_5"), QStringLiteral("折射率"),
                          QStringLiteral("1到5"));
        QCOMPARE(modes->count(), 0);
    }

    void bendLossRefusesAHugeIndex()
    {
        fbmode page;
        field(page, "m_N1lineEdit_2")->setText(QStringLiteral("1.4512e+08"));
        expectRangeNotice(press(page, "pushButton_11"), QStringLiteral("折射率"),
                          QStringLiteral("1到5"));
        QCOMPARE(page.findChild<QComboBox *>(QStringLiteral("mdcomboBox_2"))->count(), 0);
    }

    void modeTabRefusesAThreeHundredDigitIndexTypedWithoutReturn()
    {
        // Typed without Return, so the n1/NA link (and its NA check) never runs.
        fbmode page;
        QLineEdit *n1 = field(page, "m_N1LineEdit_2");
        n1->clear();
        QTest::keyClicks(n1, k300Digits);
        expectRangeNotice(press(page, "pushButton_12"), QStringLiteral("折射率"),
                          QStringLiteral("1到5"));
        QCOMPARE(page.findChild<QTableWidget *>(QStringLiteral("tableWidget"))->rowCount(), 0);
        QVERIFY(field(page, "m_NnumLineEdit_2")->text().isEmpty());
    }
};

QTEST_MAIN(TstInputTriggers)
#include "tst_inputtriggers.moc"
