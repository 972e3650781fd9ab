// The mode-instability page: notices, outputs, plots, busy indicator and
// picture export, driven through the widgets' object names.
#include "threashold.h"

#include <qcustomplot.h>
#include <QApplication>
#include <QDir>
#include <QDoubleValidator>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace {

// Closes the next modal notice and records "title|text". Polls, because the
// notice appears only after the half-second pre-roll.
class NoticeCatcher : public QObject
{
public:
    NoticeCatcher()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                captured = box->windowTitle() + QLatin1Char('|') + box->text();
                box->accept();
                m_timer.stop();
            }
        });
        m_timer.start();
    }
    QString captured;

private:
    QTimer m_timer;
};

} // namespace

class TstThreashold : public QObject
{
    Q_OBJECT

private:
    QLineEdit *field(threashold &page, const char *name)
    {
        auto *f = page.findChild<QLineEdit *>(QString::fromLatin1(name));
        if (!f)
            qFatal("no field %s", name);
        return f;
    }
    QCustomPlot *plot(threashold &page, const char *name)
    {
        return page.findChild<QCustomPlot *>(QString::fromLatin1(name));
    }
    QPushButton *button(threashold &page)
    {
        return page.findChild<QPushButton *>(QStringLiteral("pushButton_14"));
    }
    // Runs one calculation; returns the notice it showed ("" for none).
    QString calculate(threashold &page, qint64 *elapsedMs = nullptr)
    {
        NoticeCatcher catcher;
        QElapsedTimer t;
        t.start();
        page.calresThreashold();
        if (elapsedMs)
            *elapsedMs = t.elapsed();
        return catcher.captured;
    }

private slots:
    void formHasCaptionsAndDefaults()
    {
        threashold page;
        QCOMPARE(page.windowTitle(), QStringLiteral("threashold"));
        QCOMPARE(field(page, "m_alineEdit_6")->text(), QStringLiteral("15"));
        QCOMPARE(field(page, "m_blineEdit_16")->text(), QStringLiteral("1.21e-5"));
        QCOMPARE(field(page, "m_blineEdit_18")->text(), QStringLiteral("1.67e6"));
        QCOMPARE(button(page)->text(), QStringLiteral("计算"));
        QVERIFY(field(page, "m_blineEdit_19")->isReadOnly());
        QVERIFY(field(page, "m_blineEdit_20")->isReadOnly());
        QVERIFY(field(page, "m_blineEdit_19")->text().isEmpty());
        QVERIFY(!field(page, "m_alineEdit_6")->isReadOnly());
        QVERIFY(field(page, "m_alineEdit_6")->validator());
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("tiplabel"))->text(),
                 QStringLiteral("请稍候…"));
        QVERIFY(page.findChild<QLabel *>(QStringLiteral("tiplabel"))->isHidden());
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("giflabel"))->size(), QSize(31, 31));
        QVERIFY(!page.calculationStarted());
    }

    // Every input: its caption label, caption text and default; the two rich
    // captions are checked for the text they render.
    void everyInputHasItsCaptionDefaultAndValidator()
    {
        threashold page;
        struct Input {
            const char *field, *label, *caption, *defaultText;
            bool rich;
        };
        const Input inputs[] = {
            {"m_alineEdit_6", "alabel_8", "纤芯半径a[μm]", "15", false},
            {"m_alphalineEdit_5", "alphalabel_6", "信号光波长[nm]", "1064", false},
            {"m_alphalineEdit_6", "absorb_sectionlabel_5", "泵浦波长[nm]", "975", true},
            {"m_blineEdit_9", "blabel_7", "泵浦包层半径b[μm]", "200", false},
            {"m_blineEdit_10", "blabel_8", "掺杂区域半径[μm]", "15", false},
            {"m_blineEdit_12", "alphalabel_8", "数值孔径", "0.06", false},
            {"m_pinitlineEdit_2", "absorb_sectionlabel_6", "初始信号光功率P[W]", "10", true},
            {"m_blineEdit_11", "alphalabel_7", "纤芯折射率", "1.45", false},
            {"m_blineEdit_13", "alphalabel_9", "初始高阶模比例", "0.01", false},
            {"m_blineEdit_14", "alphalabel_10", "相对强度噪声", "1e-13", false},
            {"m_blineEdit_15", "alphalabel_11", "对流换热系数", "1000", false},
            {"m_blineEdit_16", "alphalabel_12", "热光系数", "1.21e-5", false},
            {"m_blineEdit_17", "alphalabel_13", "热导率", "1.4", false},
            {"m_blineEdit_18", "alphalabel_14", "密度与热容乘积", "1.67e6", false},
        };
        for (const Input &in : inputs) {
            QLineEdit *edit = field(page, in.field);
            QCOMPARE(edit->text(), QString::fromUtf8(in.defaultText));
            QVERIFY2(!edit->isReadOnly(), in.field);
            auto *caption = page.findChild<QLabel *>(QString::fromLatin1(in.label));
            QVERIFY2(caption, in.label);
            const QString expected = QString::fromUtf8(in.caption);
            if (in.rich) {
                QVERIFY2(Qt::mightBeRichText(caption->text()), in.label);
                QTextDocument doc;
                doc.setHtml(caption->text());
                QCOMPARE(doc.toPlainText(), expected);
            } else {
                QCOMPARE(caption->text(), expected);
            }
        }
        // One validator (bottom 0, top 1e100, 4 decimals) on thirteen inputs
        // and, without effect, on the two read-only outputs; the core index
        // takes six decimals like every refractive index.
        const auto *index =
            qobject_cast<const QDoubleValidator *>(field(page, "m_blineEdit_11")->validator());
        QVERIFY(index);
        QCOMPARE(index->bottom(), 0.0);
        QCOMPARE(index->top(), 1e100);
        QCOMPARE(index->decimals(), 6);
        const QValidator *shared = field(page, "m_alineEdit_6")->validator();
        for (const char *name :
             {"m_alineEdit_6", "m_alphalineEdit_5", "m_alphalineEdit_6", "m_blineEdit_9",
              "m_blineEdit_10", "m_blineEdit_12", "m_pinitlineEdit_2", "m_blineEdit_13",
              "m_blineEdit_14", "m_blineEdit_15", "m_blineEdit_16", "m_blineEdit_17",
              "m_blineEdit_18", "m_blineEdit_19", "m_blineEdit_20"}) {
            const auto *v = qobject_cast<const QDoubleValidator *>(field(page, name)->validator());
            QVERIFY2(v, name);
            QCOMPARE(v, shared);
            QCOMPARE(v->bottom(), 0.0);
            QCOMPARE(v->top(), 1e100);
            QCOMPARE(v->decimals(), 4);
        }
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("alphalabel_15"))->text(),
                 QStringLiteral("非线性耦合系数极大值"));
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("alphalabel_16"))->text(),
                 QStringLiteral("模式不稳定阈值功率"));
        auto *tabs = page.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("均匀双包层光纤"));
        QTextDocument title;
        title.setHtml(page.findChild<QLabel *>(QStringLiteral("label"))->text());
        QCOMPARE(title.toPlainText(), QStringLiteral("模式不稳定效应--均匀双包层光纤"));
    }

    void defaultsGiveThePublishedResults()
    {
        threashold page;
        qint64 ms = 0;
        QCOMPARE(calculate(page, &ms), QString());
        QVERIFY2(ms >= threashold::kPreRollMs, qPrintable(QString::number(ms)));
        QCOMPARE(field(page, "m_blineEdit_19")->text(), QStringLiteral("0.1433"));
        QCOMPARE(field(page, "m_blineEdit_20")->text(), QStringLiteral("179"));
        QCOMPARE(button(page)->text(), QStringLiteral("计算"));
        QVERIFY(button(page)->isEnabled());
        QVERIFY(page.findChild<QLabel *>(QStringLiteral("tiplabel"))->isHidden());
        QVERIFY(page.findChild<QLabel *>(QStringLiteral("giflabel"))->isHidden());
        QVERIFY(page.calculationStarted());

        QCustomPlot *p1 = plot(page, "CurvePlot1");
        QCOMPARE(p1->graphCount(), 1);
        QCOMPARE(p1->graph(0)->dataCount(), 101);
        QCOMPARE(p1->xAxis->label(), QStringLiteral("频移[kHz]"));
        QCOMPARE(p1->yAxis->label(), QStringLiteral("χ[W^-1]"));
        // f* = 3.3 kHz: x from 3 - 4 f* = -10.2 to 0; y up to 1.05 chi_max + 0.01
        QVERIFY(qAbs(p1->xAxis->range().lower - (-10.2)) < 1e-9);
        QCOMPARE(p1->xAxis->range().upper, 0.0);
        QCOMPARE(p1->yAxis->range().lower, 0.0);
        QVERIFY(qAbs(p1->yAxis->range().upper - 0.1605) < 5e-5);

        QCustomPlot *p2 = plot(page, "CurvePlot2");
        QCOMPARE(p2->graph(0)->dataCount(), 130); // 50 .. 179 W
        QCOMPARE(p2->xAxis->label(), QStringLiteral("信号光功率[W]"));
        QCOMPARE(p2->yAxis->label(), QStringLiteral("高阶模占功比"));
        QCOMPARE(p2->xAxis->range().lower, 50.0);
        QCOMPARE(p2->xAxis->range().upper, 199.0);
        QCOMPARE(p2->yAxis->range().lower, 0.0);
        QVERIFY(qAbs(p2->yAxis->range().upper - 0.06) < 1e-12);
    }

    void busyIndicatorDuringThePreRoll()
    {
        threashold page;
        page.show();
        QString seen;
        bool enabled = true;
        bool movieRunning = false;
        QTimer::singleShot(150, &page, [&] {
            seen = button(page)->text();
            enabled = button(page)->isEnabled();
            auto *gif = page.findChild<QLabel *>(QStringLiteral("giflabel"));
            movieRunning = gif->movie() && gif->movie()->state() == QMovie::Running;
            QVERIFY(page.findChild<QLabel *>(QStringLiteral("tiplabel"))->isVisible());
            // A second click (or call) during the pre-roll starts nothing.
            page.calresThreashold();
        });
        QCOMPARE(calculate(page), QString());
        QCOMPARE(seen, QStringLiteral("计算中…"));
        QVERIFY(!enabled);
        QVERIFY(movieRunning); // img/loading.gif lies beside the test
        QCOMPARE(button(page)->text(), QStringLiteral("计算"));
        QCOMPARE(field(page, "m_blineEdit_20")->text(), QStringLiteral("179"));
    }

    void missingAnimationLeavesTheLabelEmpty()
    {
        // Move the animation away for this test only (it is copied beside
        // the test binary on every build).
        const QString gif =
            QCoreApplication::applicationDirPath() + QStringLiteral("/img/loading.gif");
        const QString moved = gif + QStringLiteral(".moved");
        if (!QFile::exists(gif))
            QSKIP("img/loading.gif is not beside the test");
        QVERIFY(QFile::rename(gif, moved));
        struct Restore {
            QString from, to;
            ~Restore() { QFile::rename(from, to); }
        } restore{moved, gif};
        if (QFile::exists(QDir::current().filePath(QStringLiteral("img/loading.gif"))))
            QSKIP("another copy of img/loading.gif is reachable");

        threashold page;
        page.show();
        bool labelEmpty = false;
        QTimer::singleShot(150, &page, [&] {
            auto *gif = page.findChild<QLabel *>(QStringLiteral("giflabel"));
            labelEmpty =
                !gif->movie() && gif->pixmap(Qt::ReturnByValue).isNull() && gif->text().isEmpty();
        });
        QCOMPARE(calculate(page), QString());
        QVERIFY(labelEmpty);
        QCOMPARE(field(page, "m_blineEdit_20")->text(), QStringLiteral("179"));
    }

    // A page deleted while its pre-roll lets events through: the calculation
    // stops there and does not go on to compute into the deleted page.
    void pageDeletedDuringThePreRollEndsTheCalculation()
    {
        auto *page = new threashold;
        QPointer<threashold> watch(page);
        QTimer::singleShot(100, [page] { delete page; });
        page->calresThreashold();
        QVERIFY(watch.isNull());
    }

    void emptyFieldGivesTheNoticeAndKeepsOutputs()
    {
        threashold page;
        QCOMPARE(calculate(page), QString());
        field(page, "m_blineEdit_12")->clear(); // NA
        qint64 ms = 0;
        QCOMPARE(calculate(page, &ms), QStringLiteral("提示|请确保输入参数不为空"));
        QVERIFY2(ms >= threashold::kPreRollMs, qPrintable(QString::number(ms)));
        QCOMPARE(field(page, "m_blineEdit_19")->text(), QStringLiteral("0.1433"));
        QCOMPARE(field(page, "m_blineEdit_20")->text(), QStringLiteral("179"));
        QCOMPARE(button(page)->text(), QStringLiteral("计算"));
        QVERIFY(button(page)->isEnabled());
    }

    void blankFieldIsNotEmpty()
    {
        // A field of blanks is not empty: it reads as 0 (NA 0 -> not multimode).
        threashold page;
        field(page, "m_blineEdit_12")->setText(QStringLiteral(" "));
        QCOMPARE(calculate(page), QStringLiteral("提示|模式不稳定计算对象应是多模光纤"));
    }

    void singleModeFiberGivesTheMultimodeNotice()
    {
        threashold page;
        field(page, "m_alineEdit_6")->setText(QStringLiteral("3"));
        QCOMPARE(calculate(page), QStringLiteral("提示|模式不稳定计算对象应是多模光纤"));
        QVERIFY(field(page, "m_blineEdit_19")->text().isEmpty());
        QVERIFY(field(page, "m_blineEdit_20")->text().isEmpty());
        QCOMPARE(plot(page, "CurvePlot1")->graphCount(), 0);
        QVERIFY(page.calculationStarted()); // set even when the run ends at a notice
    }

    void zeroConductivityGivesTheDivisionNotice()
    {
        threashold page;
        field(page, "m_blineEdit_17")->setText(QStringLiteral("0"));
        QCOMPARE(calculate(page), QStringLiteral("提示|除数为0"));
        QCOMPARE(button(page)->text(), QStringLiteral("计算"));
        QVERIFY(field(page, "m_blineEdit_19")->text().isEmpty());
    }

    void zeroInitialFractionHasNoThresholdBelowTheScansEnd()
    {
        // The scan reaches 5000 W without the 5 % crossing: that end is not
        // a threshold, and the page says so instead of showing it as one.
        threashold page;
        field(page, "m_blineEdit_13")->setText(QStringLiteral("0"));
        QVERIFY(calculate(page).contains(
            QStringLiteral("在功率扫描终点 5000 W 以下没有模式不稳定阈值")));
        QVERIFY(field(page, "m_blineEdit_20")->text().isEmpty());
    }

    void pictureExportWritesTwoJpegs()
    {
        threashold page;
        QCOMPARE(calculate(page), QString());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString prefix = dir.path() + QLatin1Char('/');
        QVERIFY(page.PowThreadPicExport(prefix));
        for (const QString &name :
             {QStringLiteral("非线性耦合系数.jpg"), QStringLiteral("模式不稳定阈值.jpg")}) {
            const QString path = prefix + name;
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QByteArray head = file.read(3);
            QCOMPARE(head, QByteArray("\xFF\xD8\xFF", 3)); // JPEG start-of-image marker
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), QByteArray("jpeg"));
            QCOMPARE(reader.size(), QSize(500, 300));
        }
        // Only the two pictures, no temporary files left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void pictureExportOfEmptyPlotsAndFailures()
    {
        threashold page;
        QTemporaryDir dir;
        // Before any calculation the plots are empty but can still be saved.
        QVERIFY(page.PowThreadPicExport(dir.path() + QLatin1Char('/')));
        // A folder that does not exist: reported as a failure.
        QVERIFY(!page.PowThreadPicExport(dir.path() + QStringLiteral("/missing/")));
        QVERIFY(!QFile::exists(dir.path() + QStringLiteral("/missing")));
    }
};

QTEST_MAIN(TstThreashold)
#include "tst_threashold.moc"
