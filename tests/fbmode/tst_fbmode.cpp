// The fiber-mode page driven through its widgets: defaults, the NA links and
// checks, the mode table and its map, the beam-quality tab and the bend-loss
// tab. Reference values are either stated physics (M² tables, V number) or
// evaluated independently here from the solver's mode set.

#include "fbmode.h"
#include "fbmodeform.h"
#include "modesolver.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = 3.141592653589793;
// Axis and range values in um come from a/1e-6 and may be off by an ulp.
constexpr double kCoordAbs = 1e-9;
// g4 output text carries four significant digits.
constexpr double kG4Rel = 5e-4;

// Runs `action` and returns "title|text" of the notice it showed (empty when
// none). The pending timer is flushed so that it cannot close a later box.
QString noticeOf(const std::function<void()> &action)
{
    QString captured;
    QTimer::singleShot(0, [&captured] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            captured = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    action();
    QCoreApplication::processEvents();
    return captured;
}

QString notice(const char *text)
{
    return QStringLiteral("提示|") + QString::fromUtf8(text);
}

// Number of connections to an axis' rangeChanged(QCPRange). QObject::receivers
// is protected; a pointer to it named through a derived class is not.
struct ReceiverCount : QObject {
    static int rangeLinks(const QCPAxis *axis)
    {
        int (QObject::*receivers)(const char *) const = &ReceiverCount::receivers;
        return (axis->*receivers)(SIGNAL(rangeChanged(QCPRange)));
    }
};

// Redraws must not connect the top/right axes to the bottom/left ones again:
// one link per axis pair however often the plot was drawn, and it still works.
void expectSingleRangeLinks(QCustomPlot *plot)
{
    QCOMPARE(ReceiverCount::rangeLinks(plot->xAxis), 1);
    QCOMPARE(ReceiverCount::rangeLinks(plot->yAxis), 1);
    plot->xAxis->setRange(-3, 5);
    QCOMPARE(plot->xAxis2->range(), QCPRange(-3, 5));
}

} // namespace

class TestFbmode : public QObject
{
    Q_OBJECT

private:
    fbmode *page = nullptr;

    template <typename T> T *widget(const char *name)
    {
        T *found = page->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("widget %s not found", name);
        return found;
    }
    QLineEdit *field(const char *name) { return widget<QLineEdit>(name); }
    void click(const char *button) { widget<QPushButton>(button)->click(); }
    // Types into a field and presses Return, which finishes editing.
    void retype(const char *name, const QString &text)
    {
        QLineEdit *edit = field(name);
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QCPColorMap *modeColorMap()
    {
        QCustomPlot *plot = page->modeMapPlot();
        return plot ? qobject_cast<QCPColorMap *>(plot->plottable(0)) : nullptr;
    }

private slots:
    void init()
    {
        page = new fbmode;
        page->resize(815, 590);
    }
    void cleanup()
    {
        delete page;
        page = nullptr;
    }

    void formStartsWithDefaultsAndNothingComputed()
    {
        QCOMPARE(page->windowTitle(), QStringLiteral("fbmode"));
        auto *tabs = widget<QTabWidget>("tabWidget");
        // The three seeded tabs, then the exact-mode tab (tst_exactmodestab).
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(0), QStringLiteral("模式分布"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("光束质量因子"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("弯曲损耗"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("精确模式特性"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(field("m_N1LineEdit_2")->text(), QStringLiteral("1.4512"));
        QCOMPARE(field("m_N2LineEdit_2")->text(), QStringLiteral("1.45"));
        QCOMPARE(field("m_ALineEdit_2")->text(), QStringLiteral("20"));
        QCOMPARE(field("m_lambdaLineEdit_2")->text(), QStringLiteral("1080"));
        QCOMPARE(field("m_NALineEdit_2")->text(), QStringLiteral("0.0590"));
        QCOMPARE(field("m_AlineEdit_2")->text(), QStringLiteral("10"));
        QCOMPARE(field("m_RlineEdit_2")->text(), QStringLiteral("0.05"));
        QVERIFY(field("m_VLineEdit_2")->text().isEmpty());
        QVERIFY(field("m_VLineEdit_2")->isReadOnly());
        QCOMPARE(widget<QTableWidget>("tableWidget")->rowCount(), 0);
        QCOMPARE(widget<QComboBox>("mdcomboBox_2")->count(), 0);
        QCOMPARE(widget<QComboBox>("mdcomboBox_3")->count(), 0);
        QVERIFY(widget<QRadioButton>("radioButton")->isChecked());
        QVERIFY(!widget<QCheckBox>("R_checkBox")->isChecked());
        QVERIFY(!page->mapComputed());
        QVERIFY(!page->beamComputed());
        QVERIFY(page->modeMapPlot() == nullptr);
        QVERIFY(!widget<QLabel>("SRS_dLabel_6")->isHidden());
        QVERIFY(widget<QLabel>("SRS_dLabel_7")->isHidden());
        QVERIFY(
            widget<QLabel>("n1Label_2")->text().contains(QStringLiteral("vertical-align:sub;")));

        // Weights: P01 = P02 = 1, everything else 0; only order 0 and "E" validated.
        QCOMPARE(field("m_p01LineEdit_2")->text(), QStringLiteral("1"));
        QCOMPARE(field("m_p02LineEdit_2")->text(), QStringLiteral("1"));
        QCOMPARE(field("m_p03LineEdit_2")->text(), QStringLiteral("0"));
        QCOMPARE(field("m_p44LineEdit_2")->text(), QStringLiteral("0"));
        QCOMPARE(field("m_p44LineEdit_3")->text(), QStringLiteral("0"));
        QVERIFY(field("m_p23LineEdit_2")->validator() != nullptr);
        QVERIFY(field("m_p23LineEdit_3")->validator() == nullptr);
        QVERIFY(widget<QLabel>("P44Label_2") != nullptr);
        QVERIFY(widget<QLabel>("P11label_3") != nullptr);
    }

    void validatorsAllowFourOrSixDecimals()
    {
        QLineEdit *a = field("m_ALineEdit_2");
        a->clear();
        QTest::keyClicks(a, QStringLiteral("0.12345"));
        QCOMPARE(a->text(), QStringLiteral("0.1234"));
        QLineEdit *na = field("m_NALineEdit_2");
        na->clear();
        QTest::keyClicks(na, QStringLiteral("0.1234567"));
        QCOMPARE(na->text(), QStringLiteral("0.123456"));
        QLineEdit *n2 = field("m_N2lineEdit_2");
        n2->clear();
        QTest::keyClicks(n2, QStringLiteral("-1.4500001"));
        QCOMPARE(n2->text(), QStringLiteral("1.450000"));
    }

    void defaultCalculationListsSevenModesAndDrawsLp01()
    {
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), QString());
        QVERIFY(page->mapComputed());
        QCOMPARE(field("m_NALineEdit_2")->text(), QStringLiteral("0.059"));
        QCOMPARE(field("m_VLineEdit_2")->text(), QStringLiteral("6.8650"));
        QCOMPARE(field("m_NnumLineEdit_2")->text(), QStringLiteral("7"));

        auto *table = widget<QTableWidget>("tableWidget");
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("β"));
        const char *labels[7] = {"01", "02", "11", "12", "21", "31", "41"};
        const ModeSet modes = solveModes(20e-6, 1080e-9, 1.4512, 1.45);
        const double k0 = kTwoPi / 1080e-9;
        for (int row = 0; row < 7; ++row) {
            const QString label = table->item(row, 0)->text() + table->item(row, 1)->text();
            QCOMPARE(label, QString::fromLatin1(labels[row]));
            const int m = labels[row][0] - '0';
            const int n = labels[row][1] - '0';
            const double neff = modes.neffLists[m][n - 1];
            QCOMPARE(table->item(row, 3)->text(), QString::number(neff, 'g', 8));
            QCOMPARE(table->item(row, 2)->text(), QString::number(neff * k0, 'g', 6));
        }
        QCOMPARE(table->selectedItems().first()->row(), 0);
        auto *state = widget<QComboBox>("mdcomboBox_3");
        QCOMPARE(state->count(), 1);
        QCOMPARE(state->currentText(), QStringLiteral("NA"));

        // LP01 intensity: 501 x 501 cells over +-2a, peak normalised to 1.
        QCPColorMap *map = modeColorMap();
        QVERIFY(map);
        QCOMPARE(map->data()->keySize(), 501);
        QCOMPARE(map->data()->valueSize(), 501);
        QVERIFY(std::abs(map->data()->keyRange().lower + 40.0) < kCoordAbs);
        QVERIFY(std::abs(map->data()->keyRange().upper - 40.0) < kCoordAbs);
        QVERIFY(std::abs(map->data()->valueRange().lower + 40.0) < kCoordAbs);
        QVERIFY(std::abs(map->data()->valueRange().upper - 40.0) < kCoordAbs);
        QVERIFY(std::abs(map->dataRange().upper - 1.0) < 1e-9);
        QVERIFY(map->dataRange().lower >= 0.0);
        // The fundamental mode peaks on the axis.
        QVERIFY(std::abs(map->data()->cell(250, 250) - 1.0) < 1e-9);
        QCOMPARE(page->modeMapPlot()->xAxis->label(), QStringLiteral("X position(μm)"));
        QCOMPARE(page->modeMapPlot()->yAxis->label(), QStringLiteral("Y position(μm)"));
        auto ticker = page->modeMapPlot()->xAxis->ticker().dynamicCast<QCPAxisTickerFixed>();
        QVERIFY(ticker);
        QVERIFY(std::abs(ticker->tickStep() - 20.0) < kCoordAbs);

        // Copies for the picture export; the counts include the empty order 5.
        QCOMPARE(page->lastMaxOrder(), 4);
        QCOMPARE(page->lastModeCounts(), (std::vector<int>{2, 2, 1, 1, 1, 0}));
        QCOMPARE(page->lastNeffLists()[0].size(), std::size_t(2));
    }

    void distantNaIsReplacedByTheComputedOne()
    {
        // Without a guided mode to show, the calculation's own rewrite is what
        // stays in the field: the computed NA with four decimals.
        field("m_ALineEdit_2")->setText(QStringLiteral("0.1"));
        field("m_NALineEdit_2")->setText(QStringLiteral("0.2"));
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), notice("没有传导模，请重新输入"));
        QCOMPARE(field("m_NALineEdit_2")->text(), QStringLiteral("0.0590"));
        const double na = std::sqrt(1.4512 * 1.4512 - 1.45 * 1.45);
        QCOMPARE(field("m_VLineEdit_2")->text(),
                 QString::number(na * (kTwoPi / 1080e-9) * 0.1e-6, 'f', 4));

        // With modes, showing the first one reconciles again: 0.0590 now agrees
        // with n1 and n2 and is kept, rewritten g6.
        field("m_ALineEdit_2")->setText(QStringLiteral("20"));
        field("m_NALineEdit_2")->setText(QStringLiteral("0.2"));
        click("pushButton_12");
        QCOMPARE(field("m_NALineEdit_2")->text(), QStringLiteral("0.059"));
        QCOMPARE(field("m_VLineEdit_2")->text(),
                 QString::number(na * (kTwoPi / 1080e-9) * 20e-6, 'f', 4));
    }

    void naAboveHalfIsRefusedByTheLinkAndTheCalculation()
    {
        QString shown = noticeOf([this] { retype("m_NALineEdit_2", QStringLiteral("0.6")); });
        QCOMPARE(shown, notice("数值孔径不超过0.5"));
        QCOMPARE(field("m_N1LineEdit_2")->text(), QStringLiteral("1.4512"));

        shown = noticeOf([this] { click("pushButton_12"); });
        QCOMPARE(shown, notice("数值孔径不超过0.5"));
        QVERIFY(field("m_VLineEdit_2")->text().isEmpty());
        QVERIFY(page->mapComputed()); // set before the checks
    }

    void naLinkWritesN1AndN1LinkWritesNa()
    {
        retype("m_NALineEdit_2", QStringLiteral("0.1"));
        QCOMPARE(field("m_N1LineEdit_2")->text(),
                 QString::asprintf("%f", std::sqrt(0.01 + 1.45 * 1.45)));
        retype("m_N1LineEdit_2", QStringLiteral("1.46"));
        QCOMPARE(field("m_NALineEdit_2")->text(),
                 QString::asprintf("%f", std::sqrt(1.46 * 1.46 - 1.45 * 1.45)));
        // An emptied NA is refilled from n1 before the check (the validated
        // field does not finish editing while empty, so the slot is called).
        field("m_NALineEdit_3")->clear();
        page->changen1_2();
        QCOMPARE(field("m_NALineEdit_3")->text(),
                 QString::number(std::sqrt(1.4512 * 1.4512 - 1.45 * 1.45), 'g', 6));
    }

    // Focus passing through the NA after its echo is no edit: the n1 the user
    // typed stays as typed (the echo would write it back as "1.460000").
    void echoNeverRewritesTheTypedField()
    {
        retype("m_N1LineEdit_2", QStringLiteral("1.46"));
        emit field("m_NALineEdit_2")->editingFinished();
        QCOMPARE(field("m_N1LineEdit_2")->text(), QStringLiteral("1.46"));
        retype("m_N1lineEdit_2", QStringLiteral("1.46"));
        emit field("m_NALineEdit_3")->editingFinished();
        QCOMPARE(field("m_N1lineEdit_2")->text(), QStringLiteral("1.46"));
    }

    void bendTabLinksFollowTheirOwnFields()
    {
        // n1 and NA of "弯曲损耗" are linked to each other, not to "模式分布".
        retype("m_N1lineEdit_2", QStringLiteral("1.46"));
        QCOMPARE(field("m_NALineEdit_3")->text(),
                 QString::asprintf("%f", std::sqrt(1.46 * 1.46 - 1.45 * 1.45)));
        QCOMPARE(field("m_NALineEdit_2")->text(), QStringLiteral("0.0590"));
        retype("m_NALineEdit_3", QStringLiteral("0.2"));
        QCOMPARE(field("m_N1lineEdit_2")->text(),
                 QString::asprintf("%f", std::sqrt(0.04 + 1.45 * 1.45)));
        QCOMPARE(field("m_N1LineEdit_2")->text(), QStringLiteral("1.4512"));
        const QString shown = noticeOf([this] { retype("m_NALineEdit_3", QStringLiteral("0.6")); });
        QCOMPARE(shown, notice("数值孔径不超过0.5"));
        QCOMPARE(field("m_N1lineEdit_2")->text(),
                 QString::asprintf("%f", std::sqrt(0.04 + 1.45 * 1.45)));
    }

    void pressingATableRowShowsThatMode()
    {
        page->show();
        click("pushButton_12");
        auto *table = widget<QTableWidget>("tableWidget");
        const QRect cell = table->visualItemRect(table->item(4, 1)); // LP21
        QTest::mousePress(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(table->selectedItems().first()->row(), 4);
        auto *state = widget<QComboBox>("mdcomboBox_3");
        QCOMPARE(state->count(), 2);
        QCOMPARE(state->itemText(0), QStringLiteral("E"));
    }

    void coreIndexBelowCladdingGivesNanNaAndIsRefused()
    {
        retype("m_N1LineEdit_2", QStringLiteral("1.44"));
        QVERIFY(field("m_NALineEdit_2")->text().endsWith(QStringLiteral("nan")));
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }),
                 notice("纤芯折射率应大于包层折射率"));
        QCOMPARE(widget<QTableWidget>("tableWidget")->rowCount(), 0);
    }

    void coreRadiusLimitOnModeTab()
    {
        field("m_ALineEdit_2")->setText(QStringLiteral("50"));
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), QString());
        QVERIFY(!field("m_NnumLineEdit_2")->text().isEmpty());

        field("m_NnumLineEdit_2")->clear();
        field("m_ALineEdit_2")->setText(QStringLiteral("50.0001"));
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), notice("纤芯半径不超过50微米"));
        QVERIFY(field("m_NnumLineEdit_2")->text().isEmpty());
    }

    void emptyInputsAreRefused()
    {
        field("m_ALineEdit_2")->clear();
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), notice("请确保输入参数不为空"));
        QVERIFY(!page->mapComputed());

        // n1 may be empty as long as the NA is given (and vice versa); n1 then
        // reads as 0, which the index check refuses.
        field("m_ALineEdit_2")->setText(QStringLiteral("20"));
        field("m_N1LineEdit_2")->clear();
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }),
                 notice("纤芯折射率应大于包层折射率"));
        field("m_NALineEdit_2")->clear();
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), notice("请确保输入参数不为空"));

        field("m_RlineEdit_2")->clear();
        QCOMPARE(noticeOf([this] { click("pushButton_11"); }), notice("请确保输入参数不为空"));
        QCOMPARE(widget<QComboBox>("mdcomboBox_2")->count(), 0);
    }

    void noGuidedModeReportsIt()
    {
        field("m_N1LineEdit_2")->setText(QStringLiteral("1.45"));
        field("m_NALineEdit_2")->setText(QStringLiteral("0"));
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), notice("没有传导模，请重新输入"));
        QCOMPARE(field("m_NnumLineEdit_2")->text(), QStringLiteral("0"));
        QCOMPARE(widget<QTableWidget>("tableWidget")->rowCount(), 0);
    }

    // A fiber without a guided mode after one with modes: the old mode's map
    // and its orientation list go with the table.
    void noGuidedModeAfterAListEmptiesTheMap()
    {
        click("pushButton_12");
        QVERIFY(modeColorMap() && modeColorMap()->visible());
        field("m_N1LineEdit_2")->setText(QStringLiteral("1.45"));
        field("m_NALineEdit_2")->setText(QStringLiteral("0"));
        QCOMPARE(noticeOf([this] { click("pushButton_12"); }), notice("没有传导模，请重新输入"));
        if (qEnvironmentVariableIsSet("VELMORA_SHOT_DIR"))
            page->grab().save(qEnvironmentVariable("VELMORA_SHOT_DIR") +
                              QStringLiteral("/fbmode-no-mode.png"));
        QVERIFY(!modeColorMap()->visible());
        QCOMPARE(widget<QComboBox>("mdcomboBox_3")->count(), 0);
    }

    // 清空 and 恢复默认参数 (the main window calls clearResults for the tab
    // shown): no table, list, map or picture of the old calculation stays.
    void clearResultsEmptiesWhatEachTabShows()
    {
        click("pushButton_12");
        click("pushButton_13");
        click("pushButton_11");
        auto *mixture = qobject_cast<QCPColorMap *>(page->mixturePlot()->plottable(0));
        QVERIFY(mixture && mixture->visible());
        QVERIFY(widget<QComboBox>("mdcomboBox_2")->count() > 0);

        page->clearResults(0);
        if (qEnvironmentVariableIsSet("VELMORA_SHOT_DIR")) // look at it as a user
            page->grab().save(qEnvironmentVariable("VELMORA_SHOT_DIR") +
                              QStringLiteral("/fbmode-cleared.png"));
        QCOMPARE(widget<QTableWidget>("tableWidget")->rowCount(), 0);
        QVERIFY(!modeColorMap()->visible());
        QVERIFY(!page->mapComputed()); // the picture export asks for a calculation
        QVERIFY(page->lastNeffLists().empty());
        page->clearResults(1);
        QVERIFY(!mixture->visible());
        QVERIFY(!page->beamComputed());
        page->clearResults(2);
        QCOMPARE(widget<QComboBox>("mdcomboBox_2")->count(), 0);

        // A new calculation shows its pictures again.
        click("pushButton_13");
        QVERIFY(mixture->visible());
    }

    void radioButtonsBeforeCalculationDrawNothing()
    {
        QCOMPARE(noticeOf([this] { widget<QRadioButton>("radioButton_3")->click(); }), QString());
        QVERIFY(page->modeMapPlot() == nullptr);
        // The chosen kind is remembered: the first calculation draws the phase.
        click("pushButton_12");
        QCPColorMap *map = modeColorMap();
        QVERIFY(map);
        QCOMPARE(map->dataRange().upper, kPi);
        QCOMPARE(map->dataRange().lower, 0.0);
    }

    void radioButtonsAfterCalculationRedrawOnOnePlot()
    {
        click("pushButton_12");
        widget<QRadioButton>("radioButton_2")->click();
        QVERIFY(std::abs(modeColorMap()->dataRange().upper - 1.0) < 1e-9);
        // LP01 has no node: its amplitude stays positive, unlike the phase map's 0..pi.
        QVERIFY(modeColorMap()->dataRange().lower > 0.0);
        widget<QRadioButton>("radioButton_3")->click();
        widget<QRadioButton>("radioButton")->click();
        QCOMPARE(ui_mapPlots(), 1);
        // One colour map; the other plottable is the (empty) graph 0.
        QCOMPARE(page->modeMapPlot()->plottableCount(), 2);
        QCOMPARE(page->modeMapPlot()->graphCount(), 1);
        expectSingleRangeLinks(page->modeMapPlot());
    }

    void coreCircleOnlyAfterCalculation()
    {
        auto *core = widget<QCheckBox>("R_checkBox");
        core->setChecked(true); // before any calculation: not recorded
        click("pushButton_12");
        QCOMPARE(page->modeMapPlot()->graphCount(), 1);

        core->setChecked(false);
        core->setChecked(true);
        QCustomPlot *plot = page->modeMapPlot();
        QCOMPARE(plot->graphCount(), 2);
        QCPGraph *circle = plot->graph(1);
        QCOMPARE(circle->dataCount(), 501);
        QCOMPARE(circle->pen().color(), QColor(Qt::red));
        QCOMPARE(circle->lineStyle(), QCPGraph::lsNone);
        bool found = false;
        const QCPRange keys = circle->getKeyRange(found);
        QVERIFY(found);
        QVERIFY(std::abs(keys.upper - 20.0) < kCoordAbs); // radius a = 20 um
        QVERIFY(std::abs(keys.lower + 20.0) < 1e-6);

        core->setChecked(false);
        QCOMPARE(plot->graphCount(), 1);
    }

    void higherOrderModeOffersBothOrientations()
    {
        click("pushButton_12");
        auto *table = widget<QTableWidget>("tableWidget");
        table->selectRow(4); // LP21
        page->PressColumn();
        auto *state = widget<QComboBox>("mdcomboBox_3");
        QCOMPARE(state->count(), 2);
        QCOMPARE(state->itemText(0), QStringLiteral("E"));
        QCOMPARE(state->itemText(1), QStringLiteral("O"));
        QCOMPARE(state->currentIndex(), 0);
        // cos(2θ): maximal on the x axis; sin(2θ): zero there, maximal on the diagonal.
        QCPColorMapData *data = modeColorMap()->data();
        const int peak = 250 + 90; // about 0.7 a off the centre, near the LP21 maximum
        QVERIFY(data->cell(peak, 250) > 0.5);
        state->setCurrentIndex(1);
        data = modeColorMap()->data();
        QVERIFY(data->cell(peak, 250) < 1e-6);
        QVERIFY(data->cell(250 + 64, 250 + 64) > 0.5);
    }

    void mapAxisRectStaysSquareOnScreenAndInPictures()
    {
        click("pushButton_12");
        QCustomPlot *plot = page->modeMapPlot();
        plot->replot();
        QCOMPARE(plot->axisRect()->width(), plot->axisRect()->height());
        QSize laidOut;
        auto probe = connect(plot, &QCustomPlot::afterLayout, plot,
                             [&laidOut, plot] { laidOut = plot->axisRect()->rect().size(); });
        plot->toPixmap(400, 335);
        disconnect(probe);
        QCOMPARE(laidOut.width(), laidOut.height());
        QVERIFY(laidOut.width() > 200);
    }

    void beamQualityDefaults()
    {
        QCOMPARE(noticeOf([this] { click("pushButton_13"); }), QString());
        QVERIFY(page->beamComputed());
        QCOMPARE(field("m_m2xLineEdit_2")->text(), QStringLiteral("2.102"));
        QCOMPARE(field("m_m2yLineEdit_2")->text(), QStringLiteral("2.102"));
        auto *map = qobject_cast<QCPColorMap *>(page->mixturePlot()->plottable(0));
        QVERIFY(map);
        QCOMPARE(map->data()->keySize(), 501);
        QCOMPARE(map->data()->keyRange(), QCPRange(-2, 2));
        QCOMPARE(map->data()->valueRange(), QCPRange(-2, 2));
        QVERIFY(std::abs(map->dataRange().upper - 1.0) < 1e-9);
        QVERIFY(!page->mixturePlot()->xAxis->ticks());
        QVERIFY(!page->mixturePlot()->yAxis->tickLabels());

        // The export's redraw reuses the same colour map.
        page->redrawMixtureMap();
        QCOMPARE(page->mixturePlot()->plottableCount(), 1);
        QCOMPARE(page->mixturePlot()->graphCount(), 0);
        click("pushButton_13");
        expectSingleRangeLinks(page->mixturePlot());
    }

    void beamQualityOfOneOrientedLp11()
    {
        field("m_p01LineEdit_2")->setText(QStringLiteral("0"));
        field("m_p02LineEdit_2")->setText(QStringLiteral("0"));
        field("m_p11LineEdit_2")->setText(QStringLiteral("1"));
        click("pushButton_13");
        QCOMPARE(field("m_m2xLineEdit_2")->text(), QStringLiteral("3.318"));
        QCOMPARE(field("m_m2yLineEdit_2")->text(), QStringLiteral("1.106"));
        field("m_p11LineEdit_2")->setText(QStringLiteral("0"));
        field("m_p11LineEdit_3")->setText(QStringLiteral("1"));
        click("pushButton_13");
        QCOMPARE(field("m_m2xLineEdit_2")->text(), QStringLiteral("1.106"));
        QCOMPARE(field("m_m2yLineEdit_2")->text(), QStringLiteral("3.318"));
    }

    void beamQualityRefusesEmptyAndAllZeroWeights()
    {
        field("m_p33LineEdit_3")->clear();
        QCOMPARE(noticeOf([this] { click("pushButton_13"); }), notice("请确保输入参数不为空"));
        QVERIFY(page->beamComputed());
        QVERIFY(field("m_m2xLineEdit_2")->text().isEmpty());

        // No power in any mode is no beam: said, not shown as M² = 0.
        field("m_p33LineEdit_3")->setText(QStringLiteral("0"));
        field("m_p01LineEdit_2")->setText(QStringLiteral("0"));
        field("m_p02LineEdit_2")->setText(QStringLiteral("0"));
        QCOMPARE(noticeOf([this] { click("pushButton_13"); }),
                 notice("至少一个模式的功率占比必须大于0"));
        QVERIFY(field("m_m2xLineEdit_2")->text().isEmpty());
    }

    void bendLossDefaultsAndFormulaLabels()
    {
        widget<QTabWidget>("tabWidget")->setCurrentIndex(2);
        click("pushButton_11");
        auto *modes = widget<QComboBox>("mdcomboBox_2");
        QCOMPARE(modes->count(), 2);
        QCOMPARE(modes->itemText(0), QStringLiteral("01"));
        QCOMPARE(modes->itemText(1), QStringLiteral("11"));
        QCOMPARE(modes->currentIndex(), 0);
        QVERIFY(!widget<QLabel>("SRS_dLabel_6")->isHidden());
        QVERIFY(widget<QLabel>("SRS_dLabel_7")->isHidden());
        QVERIFY(!field("m_BetalineEdit_2")->text().isEmpty());
        QVERIFY(!field("m_AlphalineEdit_2")->text().isEmpty());

        modes->setCurrentIndex(1);
        QVERIFY(widget<QLabel>("SRS_dLabel_6")->isHidden());
        QVERIFY(!widget<QLabel>("SRS_dLabel_7")->isHidden());
    }

    void bendLossOfLp02HasNoFactorTwo()
    {
        field("m_AlineEdit_2")->setText(QStringLiteral("20"));
        click("pushButton_11");
        auto *modes = widget<QComboBox>("mdcomboBox_2");
        QCOMPARE(modes->itemText(1), QStringLiteral("02"));
        modes->setCurrentIndex(1);

        // Marcuse's closed form evaluated here for LP02: an m = 0 mode, so
        // without the factor 2 that belongs to m >= 1 (1/e_m, e_0 = 2).
        const double a = 20e-6, lambda = 1080e-9, n1 = 1.4512, n2 = 1.45, r = 0.05;
        const double k0 = kTwoPi / lambda;
        const double beta = solveModes(a, lambda, n1, n2).neffLists[0][1] * k0;
        const double kappa2 = k0 * k0 * n1 * n1 - beta * beta;
        const double gamma = std::sqrt(beta * beta - k0 * k0 * n2 * n2);
        const double v2 = (n1 * n1 - n2 * n2) * k0 * k0 * a * a;
        const double single =
            a * kappa2 *
            std::exp(2 * a * gamma - 2.0 / 3.0 * std::pow(gamma, 3) * r / (beta * beta)) / v2 /
            std::sqrt(kPi * gamma * r);
        const double shown = field("m_AlphalineEdit_2")->text().toDouble();
        QVERIFY2(std::abs(shown / single - 1) < kG4Rel,
                 qPrintable(field("m_AlphalineEdit_2")->text()));
        QCOMPARE(field("m_BetalineEdit_2")->text(), QString::number(beta, 'g', 4));
    }

    void bendLossCoreRadiusLimit()
    {
        field("m_AlineEdit_2")->setText(QStringLiteral("250"));
        QCOMPARE(noticeOf([this] { click("pushButton_11"); }), QString());
        QVERIFY(widget<QComboBox>("mdcomboBox_2")->count() > 2);

        field("m_AlineEdit_2")->setText(QStringLiteral("250.0001"));
        const int before = widget<QComboBox>("mdcomboBox_2")->count();
        QCOMPARE(noticeOf([this] { click("pushButton_11"); }), notice("纤芯半径不超过250微米"));
        QCOMPARE(widget<QComboBox>("mdcomboBox_2")->count(), before);
    }

    void bendLossWithoutGuidedModeClearsOutputs()
    {
        click("pushButton_11");
        QVERIFY(!field("m_AlphalineEdit_2")->text().isEmpty());
        field("m_N1lineEdit_2")->setText(QStringLiteral("1.45"));
        QCOMPARE(noticeOf([this] { click("pushButton_11"); }), QString());
        QCOMPARE(widget<QComboBox>("mdcomboBox_2")->count(), 0);
        QVERIFY(field("m_BetalineEdit_2")->text().isEmpty());
        QVERIFY(field("m_AlphalineEdit_2")->text().isEmpty());
        QCOMPARE(noticeOf([this] { click("pushButton_11"); }), QString());
    }

    void exportDrawsAnyModeOnTheSamePlot()
    {
        click("pushButton_12");
        QCustomPlot *plot = page->modeMapPlot();
        page->drawMode(20e-6, 1080e-9, 1.4512, 1.45, 1, page->lastNeffLists()[1][0], 1, 2);
        QCOMPARE(page->modeMapPlot(), plot);
        QCOMPARE(modeColorMap()->dataRange().upper, kPi);
        // The export also draws the "O" orientation of order-0 modes (never
        // saved): a map without any spread, drawn without failing.
        page->drawMode(20e-6, 1080e-9, 1.4512, 1.45, 0, page->lastNeffLists()[0][0], 1, 0);
        QVERIFY(modeColorMap()->visible());
        QVERIFY(modeColorMap()->dataRange().size() > 0);
        // An orientation outside E/O leaves the plot empty instead of failing.
        page->drawMode(20e-6, 1080e-9, 1.4512, 1.45, 1, page->lastNeffLists()[1][0], 5, 0);
        QVERIFY(!modeColorMap()->visible());
        // A zero core radius gives no scale for the axes: nothing is drawn.
        page->drawMode(0, 1080e-9, 1.4512, 1.45, 0, page->lastNeffLists()[0][0], 0, 0);
        QVERIFY(!modeColorMap()->visible());
    }

private:
    int ui_mapPlots() { return page->ui->mapPlot->findChildren<QCustomPlot *>().size(); }
};

QTEST_MAIN(TestFbmode)
#include "tst_fbmode.moc"
