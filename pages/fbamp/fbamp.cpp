#include "fbamp.h"

#include "fbamp/calc/amplifierfields.h"
#include "fbamp/calc/amplifierinputs.h"
#include "fbampplots.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "staleresults.h"
#include "uilanguage.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPictureWidth = 600, kPictureHeight = 360;
constexpr double kProgressDecades = 6; // change 1 → 1e-6 fills the bar

} // namespace

fbamp::fbamp(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    setWindowTitle(QStringLiteral("fbamp"));
    connect(ui.calculateButton, &QPushButton::clicked, this, &fbamp::calresFbamp);
    connect(ui.cancelButton, &QPushButton::clicked, this, &fbamp::cancelCalculation);
    connect(ui.tableButton, &QPushButton::clicked, this, &fbamp::loadCrossSectionTable);
    connect(ui.presetCombo, QOverload<int>::of(&QComboBox::activated), this, &fbamp::applyPreset);
    showTableName();
    labelAmplifierPlots(ui); // the axes say what they will show before the first result

    // The note on stale results stands below the status line, where the
    // left column has room for two lines.
    auto *staleNote = new QLabel(this);
    staleNote->setObjectName(QStringLiteral("fbampStaleNote"));
    for (QBoxLayout *box : findChildren<QBoxLayout *>())
        if (const int at = box->indexOf(ui.statusLabel); at >= 0)
            box->insertWidget(at + 1, staleNote);
    m_stale = new StaleResults(this, staleNote);
    for (const auto &entry : ui.inputs) {
        m_stale->watchInput(entry.second);
        connect(entry.second, &QLineEdit::textChanged, this, &fbamp::showMatchingPreset);
    }
    for (const auto &entry : ui.choices) {
        m_stale->watchInput(entry.second);
        connect(entry.second, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &fbamp::showMatchingPreset);
    }
    for (const auto &entry : ui.outputs)
        m_stale->addResult(entry.second);
    for (QWidget *plot : {ui.powerPlot, ui.inversionPlot, ui.spectrumPlot, ui.heatPlot})
        m_stale->addResult(plot);
}

void fbamp::showMatchingPreset()
{
    const auto presets = velmora::calc::amplifierPresets();
    velmora::calc::Inputs now = currentInputs();
    now.erase("xs_file");
    int matching = static_cast<int>(presets.size()); // 自定义
    for (std::size_t i = 0; i < presets.size(); ++i) {
        velmora::calc::Inputs preset = presets[i].inputs;
        preset.erase("xs_file");
        if (preset == now && m_tablePath.isEmpty())
            matching = static_cast<int>(i);
    }
    ui.presetCombo->setCurrentIndex(matching);
}

fbamp::~fbamp()
{
    if (m_worker) {
        *m_cancel = true;
        m_worker->wait();
    }
}

velmora::calc::Inputs fbamp::currentInputs() const
{
    velmora::calc::Inputs in;
    for (const auto &[key, edit] : ui.inputs)
        in[key] = edit->text().toStdString();
    for (const auto &[key, combo] : ui.choices)
        in[key] = choiceSource(combo).toStdString();
    in["xs_file"] = m_tablePath.toStdString();
    return in;
}

void fbamp::applyPreset(int index)
{
    const auto presets = velmora::calc::amplifierPresets();
    if (index < 0 || index >= static_cast<int>(presets.size()))
        return;
    for (const auto &[key, text] : presets[index].inputs) {
        const QString value = QString::fromStdString(text);
        if (auto it = ui.inputs.find(key); it != ui.inputs.end())
            it->second->setText(value);
        else if (auto c = ui.choices.find(key); c != ui.choices.end())
            selectChoiceSource(c->second, value);
    }
    clearResults();
}

void fbamp::restoreDefaults()
{
    if (isRunning())
        return;
    for (const velmora::calc::FieldDescription &f : m_calculator.description().fields) {
        if (auto it = ui.inputs.find(f.key); it != ui.inputs.end())
            it->second->setText(QString::fromStdString(f.defaultText));
        else if (auto c = ui.choices.find(f.key); c != ui.choices.end())
            c->second->setCurrentIndex(0);
    }
    m_tablePath.clear();
    showTableName();
    showMatchingPreset();
    clearResults();
}

void fbamp::clearResults()
{
    for (const auto &entry : ui.outputs)
        entry.second->clear();
    clearAmplifierPlots(ui);
    ui.progressBar->setValue(0);
    ui.statusLabel->clear();
    m_resultShown = false;
    m_stale->resultsCleared();
}

void fbamp::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslateKeepingContents(this, [this] { ui.retranslateUi(); });
        labelAmplifierPlots(ui); // at once, with or without results
        for (QCustomPlot *p : {ui.powerPlot, ui.inversionPlot, ui.spectrumPlot, ui.heatPlot})
            p->replot();
        m_stale->retranslate();
        showTableName();
        if (m_resultShown && !isRunning())
            showResult(m_shownResult);
    }
    QWidget::changeEvent(event);
}

void fbamp::loadCrossSectionTable()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("选择截面数据文件"), QString(),
                                                      tr("截面数据 (*.csv *.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    m_tablePath = path;
    showTableName();
    showMatchingPreset();
}

void fbamp::showTableName()
{
    ui.tableLabel->setText(m_tablePath.isEmpty() ? tr("内置镱截面数据")
                                                 : QFileInfo(m_tablePath).fileName());
    ui.tableLabel->setToolTip(m_tablePath);
}

void fbamp::setRunning(bool running)
{
    ui.calculateButton->setEnabled(!running);
    ui.cancelButton->setEnabled(running);
    ui.presetCombo->setEnabled(!running);
    ui.tableButton->setEnabled(!running);
}

void fbamp::calresFbamp()
{
    if (isRunning())
        return;
    const velmora::calc::Inputs inputs = currentInputs();
    // The checks are quick: refuse on the GUI thread, before any work starts.
    yb::AmplifierDesign design;
    std::string path;
    if (const auto bad =
            velmora::calc::readAmplifierInputs(m_calculator.description(), inputs, design, path)) {
        clearResults();
        showNotice(this, inUiLanguage(bad->text));
        emit calculationFinished();
        return;
    }

    clearResults();
    m_stale->calculationStarted();
    m_pendingSignalNm = design.signalWavelength * 1e9;
    setRunning(true);
    ui.statusLabel->setText(tr("计算中…"));
    m_cancel = std::make_shared<std::atomic_bool>(false);
    auto cancel = m_cancel;
    auto result = std::make_shared<velmora::calc::Result>();
    const velmora::calc::AmplifierCalculator *calculator = &m_calculator;
    m_worker = QThread::create([this, calculator, inputs, cancel, result] {
        *result = calculator->evaluate(inputs, [this, cancel](int iteration, double change) {
            QMetaObject::invokeMethod(
                this, [this, iteration, change] { showProgress(iteration, change); },
                Qt::QueuedConnection);
            return !*cancel;
        });
    });
    connect(m_worker, &QThread::finished, this, [this, result] {
        m_worker->deleteLater();
        m_worker = nullptr;
        setRunning(false);
        m_shownSignalNm = m_pendingSignalNm;
        showResult(*result);
        emit calculationFinished();
    });
    m_worker->start();
}

void fbamp::cancelCalculation()
{
    if (m_cancel)
        *m_cancel = true;
}

void fbamp::showProgress(int iteration, double change)
{
    if (!isRunning())
        return;
    const double decades = change > 0 ? -std::log10(change) : kProgressDecades;
    ui.progressBar->setValue(
        static_cast<int>(100 * std::clamp(decades / kProgressDecades, 0.0, 1.0)));
    ui.statusLabel->setText(
        tr("迭代 %1 次，相对变化 %2").arg(iteration).arg(formatPrintf("%.1e", change)));
}

void fbamp::showResult(const velmora::calc::Result &r)
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
            edit->setCursorPosition(0); // long numbers show their leading digits
        }
    drawAmplifierPlots(ui, r, m_shownSignalNm);
    ui.progressBar->setValue(100);
    QString status = tr("完成：迭代 %1 次，网格 %2 段")
                         .arg(r.outputs.at("iterations").text.c_str())
                         .arg(r.outputs.at("grid_steps").text.c_str());
    for (const velmora::calc::Notice &n : r.notices)
        status += tr("；") + inUiLanguage(n.text);
    ui.statusLabel->setText(status);
    m_resultShown = true;
    m_shownResult = r;
    m_stale->resultsShown();
}

TabPictures fbamp::tabPictures(int /*tab: the page has one*/)
{
    TabPictures result;
    if (!m_resultShown) {
        result.state = TabPictures::State::NotComputed;
        return result;
    }
    result.state = TabPictures::State::Ready;
    const std::pair<QCustomPlot *, const char *> plots[] = {
        {ui.powerPlot, QT_TRANSLATE_NOOP("PictureFileName", "放大器功率分布")},
        {ui.inversionPlot, QT_TRANSLATE_NOOP("PictureFileName", "放大器反转粒子数")},
        {ui.spectrumPlot, QT_TRANSLATE_NOOP("PictureFileName", "放大器输出光谱")},
        {ui.heatPlot, QT_TRANSLATE_NOOP("PictureFileName", "放大器热负载")},
    };
    for (const auto &[plot, name] : plots)
        result.pictures.push_back({pictureFileName(name), kPictureWidth, kPictureHeight, plot, {}});
    return result;
}

std::vector<SheetCurve> fbamp::sheetCurves(int /*tab: the page has one*/) const
{
    std::vector<SheetCurve> curves;
    if (!m_resultShown)
        return curves;
    const velmora::calc::CalculatorDescription &description = m_calculator.description();
    auto data = [this](const char *key) {
        const auto it = m_shownResult.outputs.find(key);
        return it == m_shownResult.outputs.end() ? std::vector<double>() : it->second.data;
    };
    auto header = [&description](const char *key, const QString &unit) {
        const velmora::calc::FieldDescription *f = description.field(key);
        return (f ? inUiLanguage(f->caption) : QString::fromLatin1(key)) + QLatin1Char('[') + unit +
               QLatin1Char(']');
    };
    // Two columns each, one blank column between, right of the scalars.
    int column = 4;
    const std::vector<double> z = data("z_m");
    for (const char *key : {"pump_fwd_w_z", "pump_bwd_w_z", "signal_w_z", "laser_bwd_w_z",
                            "ase_fwd_w_z", "ase_bwd_w_z", "n2_fraction", "heat_w_m_z"}) {
        const std::vector<double> y = data(key);
        if (y.empty() || y.size() != z.size())
            continue;
        const velmora::calc::FieldDescription *f = description.field(key);
        curves.push_back({column, QStringLiteral("z[m]"),
                          header(key, f ? QString::fromStdString(f->unit) : QString()), z, y});
        column += 3;
    }
    const std::vector<double> nm = data("ase_nm");
    for (const char *key : {"ase_fwd_dbm", "ase_bwd_dbm"}) {
        const std::vector<double> dbm = data(key);
        if (nm.empty() || dbm.size() != nm.size())
            continue;
        curves.push_back({column, header("ase_nm", QStringLiteral("nm")),
                          header(key, QStringLiteral("dBm/nm")), nm,
                          spectralDensityDbmPerNm(nm, dbm)});
        column += 3;
    }
    return curves;
}
