#include "fblimits.h"

#include "fblimits/calc/limitsinputs.h"
#include "fblimitsplots.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "uilanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPictureWidth = 600, kPictureHeight = 400;

// The binding limit as the result fields show it: its caption, in English the
// short name (the full one as the field's tool tip).
QString bindingText(double index)
{
    static const char *const kShort[] = {"rupture", "melting", "thermal lens", "SRS",
                                         "SBS",     "damage",  "pump",         "MI"};
    const int i = int(index);
    if (i < 0 || i >= powerlimits::kLimitCount)
        return QString();
    if (currentUiLanguage() == UiLanguage::English)
        return QString::fromLatin1(kShort[i]);
    return inUiLanguage(velmora::calc::limitCaption(powerlimits::limitAt(i)));
}

QString firstNotice(const velmora::calc::Result &r)
{
    return r.notices.empty() ? QString() : inUiLanguage(r.notices.front().text);
}

} // namespace

fblimits::fblimits(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    setWindowTitle(QStringLiteral("fblimits"));
    connect(ui.designButton, &QPushButton::clicked, this, &fblimits::calculateDesign);
    connect(ui.mapButton, &QPushButton::clicked, this, &fblimits::calculateMap);
    connect(ui.cancelButton, &QPushButton::clicked, this, &fblimits::cancelCalculation);
    connect(ui.presetCombo, QOverload<int>::of(&QComboBox::activated), this,
            &fblimits::applyPreset);
}

fblimits::~fblimits()
{
    if (m_worker) {
        *m_cancel = true;
        m_worker->wait();
    }
}

velmora::calc::Inputs fblimits::currentInputs() const
{
    velmora::calc::Inputs in;
    for (const auto &[key, edit] : ui.inputs)
        in[key] = edit->text().toStdString();
    for (const auto &[key, combo] : ui.choices)
        in[key] = choiceSource(combo).toStdString();
    for (const auto &[key, box] : ui.limits)
        in[key] = box->isChecked() ? "1" : "0";
    for (int r = 0; r < int(ui.constantKeys.size()); ++r)
        in[ui.constantKeys[std::size_t(r)]] = ui.constantsTable->item(r, 1)->text().toStdString();
    return in;
}

void fblimits::setInput(const std::string &key, const QString &text)
{
    if (auto it = ui.inputs.find(key); it != ui.inputs.end())
        it->second->setText(text);
    else if (auto c = ui.choices.find(key); c != ui.choices.end())
        selectChoiceSource(c->second, text);
    else if (auto b = ui.limits.find(key); b != ui.limits.end())
        b->second->setChecked(text == QLatin1String("1"));
    else
        for (int r = 0; r < int(ui.constantKeys.size()); ++r)
            if (ui.constantKeys[std::size_t(r)] == key)
                ui.constantsTable->item(r, 1)->setText(text);
}

void fblimits::applyPreset(int index)
{
    const auto &presets = velmora::calc::limitsPresets();
    if (index < 0 || index >= int(presets.size()) || isRunning())
        return;
    for (const auto &[key, text] : presets[std::size_t(index)].values)
        setInput(key, QString::fromStdString(text));
    clearResults();
}

void fblimits::restoreDefaults()
{
    if (isRunning())
        return;
    for (const velmora::calc::FieldDescription &f : m_map.description().fields)
        if (f.role != velmora::calc::FieldRole::Output)
            setInput(f.key, QString::fromStdString(f.defaultText));
    ui.presetCombo->setCurrentIndex(0);
    clearResults();
}

void fblimits::clearResults()
{
    for (const auto &entry : ui.outputs)
        entry.second->clear();
    clearLimitsPlots(ui);
    ui.progressBar->setValue(0);
    ui.statusLabel->clear();
    m_mapShown = false;
    m_shownMap = {};
    m_shownDesign = {};
}

void fblimits::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslateKeepingContents(this, [this] { ui.retranslateUi(); });
        if (!isRunning()) {
            if (!m_shownDesign.outputs.empty())
                showDesign(m_shownDesign);
            if (m_mapShown)
                showMap(m_shownMap);
        }
    }
    QWidget::changeEvent(event);
}

void fblimits::setRunning(bool running)
{
    ui.designButton->setEnabled(!running);
    ui.mapButton->setEnabled(!running);
    ui.cancelButton->setEnabled(running);
    ui.presetCombo->setEnabled(!running);
}

void fblimits::calculateDesign()
{
    if (isRunning())
        return;
    const velmora::calc::Result r = m_design.evaluate(currentInputs());
    if (r.refused) {
        showNotice(this, firstNotice(r));
        emit calculationFinished();
        return;
    }
    showDesign(r);
    ui.plotTabs->setCurrentIndex(3);
    emit calculationFinished();
}

void fblimits::showDesign(const velmora::calc::Result &r)
{
    for (const auto &[key, out] : r.outputs) {
        auto it = ui.outputs.find(key);
        if (it == ui.outputs.end())
            continue;
        QString text = QString::fromStdString(out.text);
        if (key == "binding_limit" && std::isfinite(out.value))
            text = bindingText(out.value);
        it->second->setText(text);
        it->second->setCursorPosition(0);
    }
    QString status;
    for (const velmora::calc::Notice &n : r.notices)
        status += (status.isEmpty() ? QString() : tr("；")) + inUiLanguage(n.text);
    ui.statusLabel->setText(status);
    m_shownDesign = r;
}

void fblimits::calculateMap()
{
    if (isRunning())
        return;
    const velmora::calc::Inputs inputs = currentInputs();
    // Refuse bad input at once, before a thread starts.
    if (const auto bad = m_map.refusalOf(inputs)) {
        showNotice(this, firstNotice(*bad));
        emit calculationFinished();
        return;
    }
    m_mapShown = false;
    clearLimitsPlots(ui);
    setRunning(true);
    ui.progressBar->setValue(0);
    ui.statusLabel->setText(tr("扫描中…"));
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    auto cancel = m_cancel;
    auto result = std::make_shared<velmora::calc::Result>();
    const velmora::calc::LimitsMapCalculator *calculator = &m_map;
    m_worker = QThread::create([this, calculator, inputs, cancel, result] {
        *result = calculator->evaluate(
            inputs,
            [this](int done, int total) {
                QMetaObject::invokeMethod(
                    this,
                    [this, done, total] {
                        if (isRunning())
                            ui.progressBar->setValue(100 * done / std::max(total, 1));
                    },
                    Qt::QueuedConnection);
            },
            cancel.get());
    });
    connect(m_worker, &QThread::finished, this, [this, result] {
        m_worker->deleteLater();
        m_worker = nullptr;
        setRunning(false);
        showMap(*result);
        emit calculationFinished();
    });
    m_worker->start();
}

void fblimits::cancelCalculation()
{
    if (m_cancel)
        *m_cancel = true;
}

void fblimits::showMap(const velmora::calc::Result &r)
{
    if (r.refused) {
        const QString text = firstNotice(r);
        ui.progressBar->setValue(0);
        ui.statusLabel->setText(text);
        if (!m_cancel || !*m_cancel)
            showNotice(this, text);
        return;
    }
    for (const char *key :
         {"p_max_w", "binding_limit", "core_diameter_um_at_max", "length_m_at_max"}) {
        const velmora::calc::OutputValue &out = r.outputs.at(key);
        QString text = QString::fromStdString(out.text);
        if (std::string(key) == "binding_limit")
            text = bindingText(out.value);
        QLineEdit *edit = ui.outputs.at(std::string("map.") + key);
        edit->setText(text);
        edit->setCursorPosition(0);
    }
    drawLimitsPlots(ui, r);
    if (ui.plotTabs->currentIndex() > 2)
        ui.plotTabs->setCurrentIndex(0);
    ui.progressBar->setValue(100);
    QString status = tr("扫描完成");
    for (const velmora::calc::Notice &n : r.notices)
        status += tr("；") + inUiLanguage(n.text);
    ui.statusLabel->setText(status);
    m_mapShown = true;
    m_shownMap = r;
}

TabPictures fblimits::tabPictures(int /*tab: the page has one*/)
{
    TabPictures result;
    if (!m_mapShown) {
        result.state = TabPictures::State::NotComputed;
        return result;
    }
    result.state = TabPictures::State::Ready;
    const std::pair<QCustomPlot *, const char *> plots[] = {
        {ui.powerMapPlot, QT_TRANSLATE_NOOP("PictureFileName", "最大输出功率图")},
        {ui.bindingMapPlot, QT_TRANSLATE_NOOP("PictureFileName", "限制因素图")},
        {ui.curvesPlot, QT_TRANSLATE_NOOP("PictureFileName", "各极限与纤芯直径")},
    };
    for (const auto &[plot, name] : plots)
        result.pictures.push_back({pictureFileName(name), kPictureWidth, kPictureHeight, plot, {}});
    return result;
}
