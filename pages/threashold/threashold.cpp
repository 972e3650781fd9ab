#include "threashold.h"

#include "complexnumber.h"
#include "modeinstability.h"
#include "pageconventions.h"
#include "plotpicture.h"
#include "threasholdform.h"

#include <qcustomplot.h>
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

namespace {

const char *const kNotMultimodeMessage = "模式不稳定计算对象应是多模光纤";

} // namespace

threashold::threashold(QWidget *parent) : QWidget(parent), ui(new Ui::threashold)
{
    ui->setupUi(this);
    ui->tiplabel->hide();

    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *input :
         {ui->m_alineEdit_6, ui->m_alphalineEdit_5, ui->m_alphalineEdit_6, ui->m_blineEdit_9,
          ui->m_blineEdit_10, ui->m_blineEdit_12, ui->m_pinitlineEdit_2, ui->m_blineEdit_11,
          ui->m_blineEdit_13, ui->m_blineEdit_14, ui->m_blineEdit_15, ui->m_blineEdit_16,
          ui->m_blineEdit_17, ui->m_blineEdit_18})
        input->setValidator(validator);
    // The two outputs carry the validator too; read-only and written by the
    // program only, they are never checked against it.
    for (QLineEdit *output : {ui->m_blineEdit_19, ui->m_blineEdit_20}) {
        output->setValidator(validator);
        setupOutputField(output);
    }

    connect(ui->pushButton_14, SIGNAL(clicked()), this, SLOT(calresThreashold()));
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
    ui->pushButton_14->setText(QStringLiteral("计算中…"));
    ui->pushButton_14->setEnabled(false);
}

void threashold::hideBusy()
{
    ui->pushButton_14->setText(QStringLiteral("计算"));
    ui->pushButton_14->setEnabled(true);
    ui->tiplabel->hide();
    ui->giflabel->hide();
    if (m_movie)
        m_movie->stop();
}

// Lets the event loop run until the busy timer reads kPreRollMs, so that the
// label, the animation and the new button text are painted before the model
// blocks the thread. Waits in an event loop rather than spinning.
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

void threashold::runCalculation()
{
    const QList<const QLineEdit *> inputs = {
        ui->m_alineEdit_6,  ui->m_alphalineEdit_5, ui->m_alphalineEdit_6, ui->m_blineEdit_9,
        ui->m_blineEdit_10, ui->m_blineEdit_12,    ui->m_pinitlineEdit_2, ui->m_blineEdit_11,
        ui->m_blineEdit_13, ui->m_blineEdit_14,    ui->m_blineEdit_15,    ui->m_blineEdit_16,
        ui->m_blineEdit_17, ui->m_blineEdit_18};
    for (const QLineEdit *input : inputs) {
        if (input->text().isEmpty()) {
            showNotice(this, QString::fromUtf8(kEmptyInputMessage));
            return;
        }
    }

    ModeInstabilityInput in;
    in.coreRadius = readField(ui->m_alineEdit_6) * 1e-6;
    in.dopedRadius = readField(ui->m_blineEdit_10) * 1e-6;
    in.claddingRadius = readField(ui->m_blineEdit_9) * 1e-6;
    in.coreIndex = readField(ui->m_blineEdit_11);
    in.numericalAperture = readField(ui->m_blineEdit_12);
    in.signalWavelength = readField(ui->m_alphalineEdit_5) * 1e-9;
    in.pumpWavelength = readField(ui->m_alphalineEdit_6) * 1e-9;
    in.heatTransfer = readField(ui->m_blineEdit_15);
    in.thermoOptic = readField(ui->m_blineEdit_16);
    in.conductivity = readField(ui->m_blineEdit_17);
    in.heatCapacity = readField(ui->m_blineEdit_18);
    in.initialFraction = readField(ui->m_blineEdit_13);
    in.intensityNoise = readField(ui->m_blineEdit_14);
    in.initialPower = readField(ui->m_pinitlineEdit_2);

    ModeInstabilityResult result;
    try {
        result = computeModeInstability(in);
    } catch (const ComplexDivisionError &e) {
        // kappa = 0 or rhoC = 0: the heat equation has no finite solution.
        showNotice(this, QString::fromUtf8(e.what()));
        return;
    }
    if (result.status != ModeInstabilityStatus::Ok) {
        showNotice(this, QString::fromUtf8(kNotMultimodeMessage));
        return;
    }

    drawCoupling(result);
    ui->m_blineEdit_19->setText(formatNumber(result.chiMax, 'g', 4));
    drawModeContent(result);
    ui->m_blineEdit_20->setText(formatNumber(result.thresholdPower, 'g', 6));
}

void threashold::drawCoupling(const ModeInstabilityResult &result)
{
    QCustomPlot *plot = ui->CurvePlot1;
    if (plot->graphCount() == 0)
        plot->addGraph();
    plot->graph(0)->setData(QVector<double>(result.shifts.begin(), result.shifts.end()),
                            QVector<double>(result.coupling.begin(), result.coupling.end()));
    plot->xAxis->setLabel(QStringLiteral("频移[kHZ]"));
    plot->yAxis->setLabel(QStringLiteral("χ[w^-1]"));
    // QCPRange orders the two ends: a negative f* gives [0, 3 + 4|f*|].
    plot->xAxis->setRange(3 - 4 * result.peakShift, 0);
    plot->yAxis->setRange(0, 1.05 * result.chiMax + 0.01);
    plot->replot(QCustomPlot::rpRefreshHint);
}

void threashold::drawModeContent(const ModeInstabilityResult &result)
{
    QCustomPlot *plot = ui->CurvePlot2;
    if (plot->graphCount() == 0)
        plot->addGraph();
    plot->graph(0)->setData(QVector<double>(result.powers.begin(), result.powers.end()),
                            QVector<double>(result.modeContent.begin(), result.modeContent.end()));
    plot->xAxis->setLabel(QStringLiteral("信号光功率[W]"));
    plot->yAxis->setLabel(QStringLiteral("高阶模占功比"));
    plot->xAxis->setRange(50, result.thresholdPower + 20);
    plot->yAxis->setRange(0, 0.05 + 0.01);
    plot->replot(QCustomPlot::rpRefreshHint);
}

bool threashold::PowThreadPicExport(QString dir)
{
    const bool first = savePlotJpeg(
        ui->CurvePlot1, dir + QStringLiteral("非线性耦合系数") + QStringLiteral(".jpg"), 500, 300);
    const bool second = savePlotJpeg(
        ui->CurvePlot2, dir + QStringLiteral("模式不稳定阈值") + QStringLiteral(".jpg"), 500, 300);
    return first && second;
}
