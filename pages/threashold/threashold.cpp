#include "threashold.h"

#include "calc/tmicalc.h"
#include "calcbinding.h"
#include "inputreader.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "plotpicture.h"
#include "textfit.h"
#include "threasholdform.h"

#include <qcustomplot.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDoubleValidator>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <exception>
#include <thread>

using namespace velmora::calc;

namespace {
// The tab's calculation; stateless, shared by every page instance.
const TmiThresholdCalculator kThreshold;

// The model takes a few hundred milliseconds: it runs on a worker thread
// while this thread's event loop keeps the busy animation moving and the
// window responsive. Returns once the worker is done. evaluate() reports bad
// input as a refusal; anything it throws all the same becomes one too.
Result evaluateOffThread(const Calculator &calculator, const Inputs &inputs)
{
    Result result;
    QEventLoop loop;
    std::thread worker([&] {
        try {
            result = calculator.evaluate(inputs);
        } catch (const std::exception &e) {
            result = refusal({e.what(), e.what()});
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    return result;
}
} // namespace

threashold::threashold(QWidget *parent) : QWidget(parent), ui(new Ui::threashold)
{
    ui->setupUi(this);
    fitTextsToWidgets(this); // English captions wider than the form was laid out for
    ui->tiplabel->hide();

    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *input :
         {ui->m_alineEdit_6, ui->m_alphalineEdit_5, ui->m_alphalineEdit_6, ui->m_blineEdit_9,
          ui->m_blineEdit_10, ui->m_blineEdit_12, ui->m_pinitlineEdit_2, ui->m_blineEdit_13,
          ui->m_blineEdit_14, ui->m_blineEdit_15, ui->m_blineEdit_16, ui->m_blineEdit_17,
          ui->m_blineEdit_18})
        input->setValidator(validator);
    ui->m_blineEdit_11->setValidator(createIndexValidator(this)); // core index: six decimals
    // The two outputs carry the validator too; read-only and written by the
    // program only, they are never checked against it.
    for (QLineEdit *output : {ui->m_blineEdit_19, ui->m_blineEdit_20}) {
        output->setValidator(validator);
        setupOutputField(output);
    }

    connect(ui->pushButton_14, &QAbstractButton::clicked, this, &threashold::calresThreashold);
}

threashold::~threashold()
{
    delete ui;
}

void threashold::calresThreashold()
{
    // The button is disabled while a calculation runs; this also stops a
    // direct call from nesting one calculation inside another's pre-roll.
    if (m_running)
        return;
    m_running = true;
    m_calculationStarted = true;

    QPointer<threashold> self(this);
    showBusy();
    waitPreRoll();
    if (!self) // the page went away while the event loop ran
        return;
    runCalculation();
    if (!self)
        return;
    hideBusy();
    m_running = false;
}

void threashold::showBusy()
{
    ui->tiplabel->show();
    ui->giflabel->show();
    if (!m_movie) {
        m_movie =
            new QMovie(findRuntimeFile(QStringLiteral("img/loading.gif")), QByteArray(), this);
        m_movie->setCacheMode(QMovie::CacheAll);
    }
    if (m_movie->isValid()) {
        ui->giflabel->setMovie(m_movie);
        m_movie->start();
    } else {
        ui->giflabel->clear(); // no animation file: an empty label, the calculation still runs
    }
    ui->pushButton_14->setText(tr("计算中…"));
    ui->pushButton_14->setEnabled(false);
}

void threashold::hideBusy()
{
    ui->pushButton_14->setText(tr("计算"));
    ui->pushButton_14->setEnabled(true);
    ui->tiplabel->hide();
    ui->giflabel->hide();
    if (m_movie)
        m_movie->stop();
}

// Lets the event loop run until the busy timer reads kPreRollMs, so that the
// label, the animation and the new button text are seen before the model
// runs. Waits in an event loop rather than spinning.
void threashold::waitPreRoll()
{
    // The page may be deleted by an event handled here; stop waiting then,
    // before the timer member is read again.
    QPointer<threashold> self(this);
    m_busyTimer.start();
    QCoreApplication::processEvents();
    while (self && m_busyTimer.elapsed() < kPreRollMs) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(kPreRollMs - m_busyTimer.elapsed()));
        loop.exec();
    }
}

// Reads the fields by the calculator's description, evaluates, writes the
// two results and draws the curves; a refusal only shows its notice.
void threashold::runCalculation()
{
    QPointer<threashold> self(this);
    const Result result = evaluateOffThread(kThreshold, readInputs(this, kThreshold.description()));
    if (!self) // the page went away while the model ran
        return;
    if (result.refused) {
        showNotices(this, result);
        return;
    }
    writeOutputs(this, kThreshold.description(), result);
    drawCoupling(result);
    drawModeContent(result);
    labelPlots();
}

// Axis titles of the two curves in the window's language, once drawn.
void threashold::labelPlots()
{
    if (ui->CurvePlot1->graphCount() > 0) {
        ui->CurvePlot1->xAxis->setLabel(tr("频移[kHz]"));
        ui->CurvePlot1->yAxis->setLabel(QStringLiteral("χ[W^-1]"));
        ui->CurvePlot1->replot(QCustomPlot::rpRefreshHint);
    }
    if (ui->CurvePlot2->graphCount() > 0) {
        ui->CurvePlot2->xAxis->setLabel(tr("信号光功率[W]"));
        ui->CurvePlot2->yAxis->setLabel(tr("高阶模占功比"));
        ui->CurvePlot2->replot(QCustomPlot::rpRefreshHint);
    }
}

void threashold::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslateKeepingContents(this, [this] { ui->retranslateUi(this); });
        if (m_running)
            ui->pushButton_14->setText(tr("计算中…"));
        labelPlots();
    }
    QWidget::changeEvent(event);
}

void threashold::clearResults(int /*tab: the page has one*/)
{
    for (QCustomPlot *plot : {ui->CurvePlot1, ui->CurvePlot2}) {
        if (plot->graphCount() > 0)
            plot->graph(0)->data()->clear();
        plot->replot();
    }
    m_calculationStarted = false;
}

void threashold::drawCoupling(const Result &result)
{
    const std::vector<double> &shifts = result.outputs.at("shift_khz").data;
    const std::vector<double> &coupling = result.outputs.at("chi_per_w").data;
    const double peakShift = result.outputs.at("peak_shift_khz").value;
    const double chiMax = result.outputs.at("chi_max_per_w").value;
    QCustomPlot *plot = ui->CurvePlot1;
    if (plot->graphCount() == 0)
        plot->addGraph();
    plot->graph(0)->setData(QVector<double>(shifts.begin(), shifts.end()),
                            QVector<double>(coupling.begin(), coupling.end()));
    // QCPRange orders the two ends: a negative f* gives [0, 3 + 4|f*|].
    plot->xAxis->setRange(3 - 4 * peakShift, 0);
    plot->yAxis->setRange(0, 1.05 * chiMax + 0.01);
    plot->replot(QCustomPlot::rpRefreshHint);
}

void threashold::drawModeContent(const Result &result)
{
    const std::vector<double> &powers = result.outputs.at("power_w").data;
    const std::vector<double> &content = result.outputs.at("xi").data;
    const double threshold = result.outputs.at("p_th_w").value;
    QCustomPlot *plot = ui->CurvePlot2;
    if (plot->graphCount() == 0)
        plot->addGraph();
    plot->graph(0)->setData(QVector<double>(powers.begin(), powers.end()),
                            QVector<double>(content.begin(), content.end()));
    plot->xAxis->setRange(50, threshold + 20);
    plot->yAxis->setRange(0, 0.05 + 0.01);
    plot->replot(QCustomPlot::rpRefreshHint);
}

std::vector<PagePicture> threashold::curvePictures() const
{
    constexpr int kWidth = 500, kHeight = 300;
    return {
        {pictureFileName(QT_TRANSLATE_NOOP("PictureFileName", "非线性耦合系数")),
         kWidth,
         kHeight,
         ui->CurvePlot1,
         {}},
        {pictureFileName(QT_TRANSLATE_NOOP("PictureFileName", "模式不稳定阈值")),
         kWidth,
         kHeight,
         ui->CurvePlot2,
         {}},
    };
}

TabPictures threashold::tabPictures(int /*tab: the page has one*/)
{
    TabPictures result;
    result.state =
        m_calculationStarted ? TabPictures::State::Ready : TabPictures::State::NotComputed;
    if (m_calculationStarted)
        result.pictures = curvePictures();
    return result;
}

std::vector<SheetCurve> threashold::sheetCurves(int /*tab: the page has one*/) const
{
    // The points as plotted; a plot without curve gives an empty one.
    const auto curve = [](const QCustomPlot *plot, int column, const QString &xHeader,
                          const QString &yHeader) {
        SheetCurve c{column, xHeader, yHeader, {}, {}};
        if (plot->graphCount() > 0)
            for (const QCPGraphData &point : *plot->graph(0)->data()) {
                c.x.push_back(point.key);
                c.y.push_back(point.value);
            }
        return c;
    };
    return {curve(ui->CurvePlot1, 4, QCoreApplication::translate("SheetLayout", "频移[kHz]"),
                  QCoreApplication::translate("SheetLayout", "耦合系数χ[W^-1]")),
            curve(ui->CurvePlot2, 7, QCoreApplication::translate("SheetLayout", "信号光功率[W]"),
                  QCoreApplication::translate("SheetLayout", "高阶模占功比"))};
}

bool threashold::PowThreadPicExport(QString dir)
{
    bool all = true;
    for (const PagePicture &picture : curvePictures())
        all = savePlotJpeg(picture.plot, dir + picture.fileName, picture.width, picture.height) &&
              all;
    return all;
}
