#include "pulseamp.h"

#include "pageconventions.h"
#include "pagelanguage.h"
#include "pulseamp/calc/pulsefields.h"
#include "pulseamp/calc/pulseinputs.h"
#include "uilanguage.h"

#include <qcustomplot.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPictureWidth = 600, kPictureHeight = 360;
constexpr double kSpectrumRangeDb = 60;  // the spectrum plot spans this below its peak
constexpr double kTimeRangeShare = 1e-3; // the time axis shows where power exceeds this share

QVector<double> curve(const velmora::calc::Result &r, const char *key)
{
    const auto it = r.outputs.find(key);
    if (it == r.outputs.end())
        return {};
    return QVector<double>(it->second.data.begin(), it->second.data.end());
}

void addGraph(QCustomPlot *plot, const QVector<double> &x, const QVector<double> &y,
              const QColor &color, const QString &name)
{
    QCPGraph *g = plot->addGraph();
    g->setData(x, y, true);
    g->setPen(QPen(color, 1.4));
    g->setName(name);
}

// The x range where any of the curves exceeds `floor` (absolute).
QCPRange shownRange(const QVector<double> &x, const std::vector<QVector<double>> &ys, double floor)
{
    int first = x.size(), last = -1;
    for (const QVector<double> &y : ys)
        for (int i = 0; i < y.size() && i < x.size(); ++i)
            if (y[i] > floor) {
                first = std::min(first, i);
                last = std::max(last, i);
            }
    if (last < first)
        return QCPRange(x.isEmpty() ? 0 : x.front(), x.isEmpty() ? 1 : x.back());
    const double pad = 0.05 * (x[last] - x[first]);
    return QCPRange(x[first] - pad, x[last] + pad);
}

void showLegend(QCustomPlot *plot)
{
    QFont font = plot->font();
    font.setPointSize(7);
    plot->legend->setFont(font);
    plot->legend->setBrush(QBrush(QColor(255, 255, 255, 200)));
    plot->legend->setVisible(true);
}

} // namespace

pulseamp::pulseamp(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this, m_calculator.description().fields);
    setWindowTitle(QStringLiteral("pulseamp"));
    connect(ui.calculateButton, &QPushButton::clicked, this, &pulseamp::calculate);
    connect(ui.cancelButton, &QPushButton::clicked, this, &pulseamp::cancelCalculation);
    for (const auto &[key, edit] : ui.inputs)
        createInputValidator(edit);
}

pulseamp::~pulseamp()
{
    if (m_worker) {
        *m_cancel = true;
        m_worker->wait();
    }
}

velmora::calc::Inputs pulseamp::currentInputs() const
{
    velmora::calc::Inputs in;
    for (const auto &[key, edit] : ui.inputs)
        in[key] = edit->text().toStdString();
    for (const auto &[key, combo] : ui.choices)
        in[key] = choiceSource(combo).toStdString();
    for (const auto &[key, check] : ui.checks)
        in[key] = check->isChecked() ? "1" : "0";
    return in;
}

void pulseamp::restoreDefaults()
{
    if (isRunning())
        return;
    for (const velmora::calc::FieldDescription &f : m_calculator.description().fields) {
        if (f.role != velmora::calc::FieldRole::Input)
            continue; // the output curve lambda_nm shares the input's key
        const QString text = QString::fromStdString(f.defaultText);
        if (auto it = ui.inputs.find(f.key); it != ui.inputs.end())
            it->second->setText(text);
        else if (auto c = ui.choices.find(f.key); c != ui.choices.end())
            selectChoiceSource(c->second, text);
        else if (auto b = ui.checks.find(f.key); b != ui.checks.end())
            b->second->setChecked(text == QLatin1String("1"));
    }
    clearResults();
}

void pulseamp::clearResults()
{
    for (const auto &entry : ui.outputs)
        entry.second->clear();
    for (QCustomPlot *p : {ui.timePlot, ui.spectrumPlot}) {
        p->clearGraphs();
        p->legend->setVisible(false);
        p->replot();
    }
    ui.progressBar->setValue(0);
    ui.statusLabel->clear();
    m_resultShown = false;
}

void pulseamp::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslateKeepingContents(this, [this] { ui.retranslateUi(); });
        if (m_resultShown && !isRunning())
            showResult(m_shownResult);
    }
    QWidget::changeEvent(event);
}

void pulseamp::setRunning(bool running)
{
    ui.calculateButton->setEnabled(!running);
    ui.cancelButton->setEnabled(running);
}

void pulseamp::calculate()
{
    if (isRunning())
        return;
    const velmora::calc::Inputs inputs = currentInputs();
    // The checks are quick: refuse on the GUI thread, before any work starts.
    velmora::calc::ReadInputs read;
    velmora::calc::PulseSetup setup;
    std::optional<velmora::calc::Notice> bad =
        velmora::calc::readInputs(m_calculator.description(), inputs, read);
    if (!bad)
        bad = velmora::calc::makePulseSetup(m_calculator.description(), read, setup);
    if (bad) {
        clearResults();
        showNotice(this, inUiLanguage(bad->text));
        emit calculationFinished();
        return;
    }

    clearResults();
    setRunning(true);
    ui.statusLabel->setText(tr("计算中…"));
    m_cancel = std::make_shared<std::atomic_bool>(false);
    auto cancel = m_cancel;
    auto result = std::make_shared<velmora::calc::Result>();
    const velmora::calc::PulsePropagateCalculator *calculator = &m_calculator;
    m_worker = QThread::create([this, calculator, inputs, cancel, result] {
        auto lastPercent = std::make_shared<int>(-1);
        *result = calculator->evaluate(inputs, [this, cancel, lastPercent](double done) {
            const int percent = static_cast<int>(100 * done);
            if (percent != *lastPercent) { // at most a hundred updates
                *lastPercent = percent;
                QMetaObject::invokeMethod(
                    this, [this, percent] { showProgress(percent); }, Qt::QueuedConnection);
            }
            return !*cancel;
        });
    });
    connect(m_worker, &QThread::finished, this, [this, result] {
        m_worker->deleteLater();
        m_worker = nullptr;
        setRunning(false);
        showResult(*result);
        emit calculationFinished();
    });
    m_worker->start();
}

void pulseamp::cancelCalculation()
{
    if (m_cancel)
        *m_cancel = true;
}

void pulseamp::showProgress(int percent)
{
    if (!isRunning())
        return;
    ui.progressBar->setValue(std::clamp(percent, 0, 100));
}

void pulseamp::showResult(const velmora::calc::Result &r)
{
    if (r.refused) {
        const QString text = r.notices.empty() ? QString() : inUiLanguage(r.notices.front().text);
        ui.progressBar->setValue(0);
        ui.statusLabel->setText(text);
        if (!m_cancel || !*m_cancel)
            showNotice(this, text);
        return;
    }
    for (const auto &[key, edit] : ui.outputs)
        if (auto it = r.outputs.find(key); it != r.outputs.end()) {
            edit->setText(QString::fromStdString(it->second.text));
            edit->setCursorPosition(0);
        }
    drawPlots(r);
    ui.progressBar->setValue(100);
    ui.statusLabel->setText(tr("完成：%1 步").arg(r.outputs.at("steps").text.c_str()));
    m_resultShown = true;
    m_shownResult = r;
}

void pulseamp::drawPlots(const velmora::calc::Result &r)
{
    for (QCustomPlot *p : {ui.timePlot, ui.spectrumPlot})
        p->clearGraphs();
    const QVector<double> t = curve(r, "t_ps");
    const QVector<double> pin = curve(r, "intensity_in_w"), pout = curve(r, "intensity_w");
    addGraph(ui.timePlot, t, pin, QColor(0, 110, 200), tr("输入"));
    addGraph(ui.timePlot, t, pout, QColor(220, 40, 30), tr("输出"));
    double peak = 0;
    for (const QVector<double> *y : {&pin, &pout})
        for (double v : *y)
            peak = std::max(peak, v);
    ui.timePlot->xAxis->setRange(shownRange(t, {pin, pout}, kTimeRangeShare * peak));
    ui.timePlot->yAxis->setRange(0, peak * 1.05);
    ui.timePlot->xAxis->setLabel(tr("时间 (ps)"));
    ui.timePlot->yAxis->setLabel(tr("功率 (W)"));
    showLegend(ui.timePlot);

    const QVector<double> nm = curve(r, "lambda_nm");
    const QVector<double> sin = curve(r, "spectrum_in_db_pj_nm");
    const QVector<double> sout = curve(r, "spectrum_db_pj_nm");
    addGraph(ui.spectrumPlot, nm, sin, QColor(0, 110, 200), tr("输入"));
    addGraph(ui.spectrumPlot, nm, sout, QColor(220, 40, 30), tr("输出"));
    double top = -1e300;
    for (const QVector<double> *y : {&sin, &sout})
        for (double v : *y)
            top = std::max(top, v);
    ui.spectrumPlot->xAxis->setRange(shownRange(nm, {sin, sout}, top - kSpectrumRangeDb));
    ui.spectrumPlot->yAxis->setRange(top - kSpectrumRangeDb, top + 5);
    ui.spectrumPlot->xAxis->setLabel(tr("波长 (nm)"));
    ui.spectrumPlot->yAxis->setLabel(tr("能量谱密度 (dB pJ/nm)"));
    showLegend(ui.spectrumPlot);
    for (QCustomPlot *p : {ui.timePlot, ui.spectrumPlot})
        p->replot();
}

TabPictures pulseamp::tabPictures(int /*tab: the page has one*/)
{
    TabPictures result;
    if (!m_resultShown) {
        result.state = TabPictures::State::NotComputed;
        return result;
    }
    result.state = TabPictures::State::Ready;
    const std::pair<QCustomPlot *, const char *> plots[] = {
        {ui.timePlot, QT_TRANSLATE_NOOP("PictureFileName", "脉冲时域")},
        {ui.spectrumPlot, QT_TRANSLATE_NOOP("PictureFileName", "脉冲光谱")},
    };
    for (const auto &[plot, name] : plots)
        result.pictures.push_back({pictureFileName(name), kPictureWidth, kPictureHeight, plot, {}});
    return result;
}
