#include "sweepwindow.h"

#include "catalogue.h"
#include "pageconventions.h"
#include "staleresults.h"
#include "sweeprunner.h"
#include "sweepseries.h"
#include "uilanguage.h"

#include <qcustomplot.h>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

using namespace velmora::calc;

namespace {

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

QString captionWithUnit(const FieldDescription &f)
{
    const QString caption = inUiLanguage(f.caption);
    return f.unit.empty() ? caption : caption + QStringLiteral(" [") + qs(f.unit) + ']';
}

bool isNumberInput(const FieldDescription &f)
{
    return f.role != FieldRole::Output && f.kind == ValueKind::Number;
}

// Scalar outputs and one-dimensional curves (read at a chosen abscissa).
bool isPlottableOutput(const FieldDescription &f)
{
    return f.role == FieldRole::Output &&
           (f.kind == ValueKind::Number || f.kind == ValueKind::Curve);
}

void selectData(QComboBox *combo, const std::string &key)
{
    const int index = combo->findData(qs(key));
    if (index >= 0)
        combo->setCurrentIndex(index);
}

std::string dataOf(const QComboBox *combo)
{
    return combo->currentData().toString().toStdString();
}

double numberOf(const QLineEdit *edit)
{
    return edit->text().trimmed().toDouble();
}

} // namespace

SweepWindow::SweepWindow(QWidget *parent, const std::string &calculatorId, const Inputs &pageInputs)
    : QDialog(parent), m_runner(new SweepRunner(this))
{
    setObjectName(QStringLiteral("sweepWindow"));
    buildForm();
    retranslate();

    connect(m_runner, &SweepRunner::progress, this, [this](int done, int total) {
        m_progress->setMaximum(total);
        m_progress->setValue(done);
    });
    connect(m_runner, &SweepRunner::finished, this, &SweepWindow::sweepFinished);
    connect(m_runner, &SweepRunner::cancelled, this, &SweepWindow::sweepCancelled);

    const SweepSetup last = loadLastSweepSetup();
    if (!calculatorId.empty() && catalogue().find(calculatorId)) {
        selectData(m_calculator, calculatorId);
        calculatorChosen();
        fillInputs(catalogue().find(calculatorId)->description(), pageInputs);
        if (last.calculatorId == calculatorId) {
            SweepSetup keepPage = last;
            keepPage.fixed.clear(); // the page's own texts win
            applySetup(keepPage);
        }
    } else if (!last.calculatorId.empty() && catalogue().find(last.calculatorId)) {
        applySetup(last);
    } else {
        calculatorChosen();
    }
}

SweepWindow::~SweepWindow() = default;

// A form caption, re-set in the window's language by retranslate().
QLabel *SweepWindow::label(const char *source)
{
    auto *caption = new QLabel(this);
    m_captions.emplace_back(caption, source);
    return caption;
}

void SweepWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

// Every text in the window's language: captions, buttons, the preset and
// calculator names, the choices of inputs and outputs (the chosen ones stay
// chosen) and the table and plot of the last sweep.
void SweepWindow::retranslate()
{
    setWindowTitle(tr("参数扫描"));
    for (const auto &caption : m_captions)
        caption.first->setText(tr(caption.second));
    m_log->setText(tr("对数间隔"));
    m_logY->setText(tr("对数纵轴"));
    m_sampleAt->setToolTip(tr("曲线输出（如增益谱）取值的横坐标，如信号波长"));
    m_run->setText(tr("开始扫描"));
    m_cancel->setText(tr("取消"));
    m_exportTable->setText(tr("导出表格…"));
    m_exportPlot->setText(tr("导出图片…"));
    m_stale->retranslate();
    m_fixed->setHorizontalHeaderLabels({tr("固定参数"), tr("值")});

    const auto presets = availableSweepPresets();
    m_preset->setItemText(0, tr("（自定义）"));
    for (std::size_t i = 0; i < presets.size() && int(i) + 1 < m_preset->count(); ++i)
        m_preset->setItemText(int(i) + 1, inUiLanguage({presets[i].titleZh, presets[i].titleEn}));
    for (int i = 0; i < m_calculator->count(); ++i)
        if (const Calculator *c =
                catalogue().find(m_calculator->itemData(i).toString().toStdString()))
            m_calculator->setItemText(i, inUiLanguage(c->description().title));

    const Calculator *calculator = chosenCalculator();
    for (QComboBox *choices : {m_swept, m_group, m_output1, m_output2})
        for (int i = 0; i < choices->count(); ++i) {
            const std::string key = choices->itemData(i).toString().toStdString();
            const FieldDescription *f = calculator ? calculator->description().field(key) : nullptr;
            choices->setItemText(i, f ? captionWithUnit(*f) : tr("（无）"));
        }
    for (int row = 0; row < m_fixed->rowCount(); ++row) {
        QTableWidgetItem *name = m_fixed->item(row, 0);
        const std::string key = name->data(Qt::UserRole).toString().toStdString();
        if (const FieldDescription *f = calculator ? calculator->description().field(key) : nullptr)
            name->setText(captionWithUnit(*f));
    }
    if (m_shownTable && !m_runner->isRunning())
        showResults();
}

void SweepWindow::buildForm()
{
    resize(1180, 700);
    auto *controls = new QWidget(this);
    controls->setFixedWidth(400);
    auto *form = new QFormLayout(controls);

    m_preset = new QComboBox(controls);
    m_preset->setObjectName(QStringLiteral("presetCombo"));
    m_preset->addItem(QString());
    for (std::size_t i = 0; i < availableSweepPresets().size(); ++i)
        m_preset->addItem(QString());
    form->addRow(label(QT_TR_NOOP("预设")), m_preset);

    m_calculator = new QComboBox(controls);
    m_calculator->setObjectName(QStringLiteral("calculatorCombo"));
    for (const auto &c : catalogue().all())
        m_calculator->addItem(QString(), qs(c->description().id));
    form->addRow(label(QT_TR_NOOP("计算")), m_calculator);

    m_swept = new QComboBox(controls);
    m_swept->setObjectName(QStringLiteral("sweptCombo"));
    form->addRow(label(QT_TR_NOOP("扫描参数")), m_swept);
    m_start = new QLineEdit(controls);
    m_start->setObjectName(QStringLiteral("startEdit"));
    m_stop = new QLineEdit(controls);
    m_stop->setObjectName(QStringLiteral("stopEdit"));
    m_count = new QSpinBox(controls);
    m_count->setObjectName(QStringLiteral("countSpin"));
    m_count->setRange(2, 100000);
    m_count->setValue(21);
    m_log = new QCheckBox(controls);
    m_log->setObjectName(QStringLiteral("logCheck"));
    form->addRow(label(QT_TR_NOOP("起点")), m_start);
    form->addRow(label(QT_TR_NOOP("终点")), m_stop);
    form->addRow(label(QT_TR_NOOP("点数")), m_count);
    form->addRow(QString(), m_log);

    m_group = new QComboBox(controls);
    m_group->setObjectName(QStringLiteral("groupCombo"));
    m_groupCount = new QSpinBox(controls);
    m_groupCount->setObjectName(QStringLiteral("groupCountSpin"));
    m_groupCount->setRange(1, 50);
    m_groupCount->setValue(7);
    form->addRow(label(QT_TR_NOOP("分组参数（每值一条曲线）")), m_group);
    form->addRow(label(QT_TR_NOOP("分组数（0, 1, …）")), m_groupCount);

    m_fixed = new QTableWidget(0, 2, controls);
    m_fixed->setObjectName(QStringLiteral("fixedTable"));
    m_fixed->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_fixed->setMinimumHeight(150);
    m_fixed->verticalHeader()->hide();
    form->addRow(m_fixed);

    m_output1 = new QComboBox(controls);
    m_output1->setObjectName(QStringLiteral("output1Combo"));
    m_output2 = new QComboBox(controls);
    m_output2->setObjectName(QStringLiteral("output2Combo"));
    m_sampleAt = new QLineEdit(controls);
    m_sampleAt->setObjectName(QStringLiteral("sampleAtEdit"));
    m_logY = new QCheckBox(controls);
    m_logY->setObjectName(QStringLiteral("logYCheck"));
    form->addRow(label(QT_TR_NOOP("输出（左轴）")), m_output1);
    form->addRow(label(QT_TR_NOOP("输出（右轴）")), m_output2);
    form->addRow(label(QT_TR_NOOP("曲线取值位置")), m_sampleAt);
    form->addRow(QString(), m_logY);

    m_run = new QPushButton(controls);
    m_run->setObjectName(QStringLiteral("runButton"));
    m_cancel = new QPushButton(controls);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_run);
    buttons->addWidget(m_cancel);
    form->addRow(buttons);
    m_progress = new QProgressBar(controls);
    m_progress->setObjectName(QStringLiteral("sweepProgress"));
    m_progress->setValue(0);
    form->addRow(m_progress);
    m_exportTable = new QPushButton(controls);
    m_exportTable->setObjectName(QStringLiteral("exportTableButton"));
    m_exportPlot = new QPushButton(controls);
    m_exportPlot->setObjectName(QStringLiteral("exportPlotButton"));
    auto *exports = new QHBoxLayout;
    exports->addWidget(m_exportTable);
    exports->addWidget(m_exportPlot);
    form->addRow(exports);

    m_plot = new QCustomPlot(this);
    m_plot->setObjectName(QStringLiteral("sweepPlot"));
    m_plot->setMinimumSize(640, 380);
    m_plot->legend->setVisible(true);
    m_plot->yAxis2->setVisible(false);
    m_cursor = new QLabel(this);
    m_cursor->setObjectName(QStringLiteral("cursorLabel"));
    m_points = new QTableWidget(0, 4, this);
    m_points->setObjectName(QStringLiteral("pointsTable"));
    m_points->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_points->verticalHeader()->hide();
    m_points->horizontalHeader()->setStretchLastSection(true);
    m_points->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *staleNote = new QLabel(this);
    staleNote->setObjectName(QStringLiteral("sweepStaleNote"));
    m_stale = new StaleResults(this, staleNote);
    for (QWidget *input : std::initializer_list<QWidget *>{
             m_calculator, m_swept, m_start, m_stop, m_count, m_log, m_group, m_groupCount, m_fixed,
             m_output1, m_output2, m_sampleAt})
        m_stale->watchInput(input);
    m_stale->addResult(m_plot);
    m_stale->addResult(m_points);

    auto *right = new QVBoxLayout;
    right->addWidget(m_plot, 3);
    right->addWidget(m_cursor);
    right->addWidget(staleNote);
    right->addWidget(m_points, 2);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(controls);
    layout->addLayout(right, 1);

    connect(m_calculator, QOverload<int>::of(&QComboBox::activated), this,
            &SweepWindow::calculatorChosen);
    connect(m_preset, QOverload<int>::of(&QComboBox::activated), this, &SweepWindow::presetChosen);
    connect(m_run, &QPushButton::clicked, this, &SweepWindow::startSweep);
    connect(m_cancel, &QPushButton::clicked, this, &SweepWindow::cancelSweep);
    connect(m_exportTable, &QPushButton::clicked, this, &SweepWindow::exportTable);
    connect(m_exportPlot, &QPushButton::clicked, this, &SweepWindow::exportPlot);
    connect(m_plot, &QCustomPlot::mouseMove, this, &SweepWindow::showNearestPoint);
    // The log axis follows its box at once.
    connect(m_logY, &QCheckBox::toggled, this, [this] {
        if (m_shownTable && !m_runner->isRunning())
            drawPlot(m_table);
    });
    connect(m_swept, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SweepWindow::hideSweptFromFixed);
    connect(m_group, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SweepWindow::hideSweptFromFixed);
}

// The swept input and the series input take the sweep's values, not a
// fixed one: their rows are hidden.
void SweepWindow::hideSweptFromFixed()
{
    const std::string swept = dataOf(m_swept), group = dataOf(m_group);
    for (int row = 0; row < m_fixed->rowCount(); ++row) {
        const std::string key = m_fixed->item(row, 0)->data(Qt::UserRole).toString().toStdString();
        m_fixed->setRowHidden(row, key == swept || (!group.empty() && key == group));
    }
}

const Calculator *SweepWindow::chosenCalculator() const
{
    return catalogue().find(dataOf(m_calculator));
}

// A new calculator: its number inputs become the sweep choices and the
// fixed-input table, its outputs the output choices.
void SweepWindow::calculatorChosen()
{
    const Calculator *calculator = chosenCalculator();
    m_swept->clear();
    m_group->clear();
    m_output1->clear();
    m_output2->clear();
    m_group->addItem(tr("（无）"), QString());
    m_output2->addItem(tr("（无）"), QString());
    if (!calculator)
        return;
    const CalculatorDescription &description = calculator->description();
    for (const FieldDescription &f : description.fields) {
        if (isNumberInput(f)) {
            m_swept->addItem(captionWithUnit(f), qs(f.key));
            m_group->addItem(captionWithUnit(f), qs(f.key));
        } else if (isPlottableOutput(f)) {
            m_output1->addItem(captionWithUnit(f), qs(f.key));
            m_output2->addItem(captionWithUnit(f), qs(f.key));
        }
    }
    fillInputs(description, {});
    const FieldDescription *first = description.field(dataOf(m_swept));
    const double start = first ? QString::fromStdString(first->defaultText).toDouble() : 0;
    m_start->setText(QString::number(start));
    m_stop->setText(QString::number(start == 0 ? 1 : 2 * start));
}

void SweepWindow::fillInputs(const CalculatorDescription &description, const Inputs &inputs)
{
    m_fixed->setRowCount(0);
    for (const FieldDescription &f : description.fields) {
        if (f.role == FieldRole::Output)
            continue;
        const auto given = inputs.find(f.key);
        const QString text = qs(given != inputs.end() ? given->second : f.defaultText);
        const int row = m_fixed->rowCount();
        m_fixed->insertRow(row);
        auto *name = new QTableWidgetItem(captionWithUnit(f));
        name->setData(Qt::UserRole, qs(f.key));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        m_fixed->setItem(row, 0, name);
        m_fixed->setItem(row, 1, new QTableWidgetItem(text));
    }
    hideSweptFromFixed();
}

void SweepWindow::presetChosen(int index)
{
    const auto presets = availableSweepPresets();
    if (index < 1 || index > int(presets.size()))
        return;
    SweepSetup s = presets[std::size_t(index - 1)].setup;
    // Keep what the user typed for the fixed inputs of the same calculator.
    if (s.calculatorId == dataOf(m_calculator))
        s.fixed = setup().fixed;
    applySetup(s);
    m_cursor->clear(); // the read-out of the last plot belongs to it
}

SweepSetup SweepWindow::setup() const
{
    SweepSetup s;
    s.calculatorId = dataOf(m_calculator);
    s.sweptKey = dataOf(m_swept);
    s.start = numberOf(m_start);
    s.stop = numberOf(m_stop);
    s.count = m_count->value();
    s.logarithmic = m_log->isChecked();
    s.output1 = dataOf(m_output1);
    s.output2 = dataOf(m_output2);
    s.groupKey = dataOf(m_group);
    s.groupCount = s.groupKey.empty() ? 0 : m_groupCount->value();
    s.sampleAt = numberOf(m_sampleAt);
    for (int row = 0; row < m_fixed->rowCount(); ++row) {
        const std::string key = m_fixed->item(row, 0)->data(Qt::UserRole).toString().toStdString();
        if (key == s.sweptKey || key == s.groupKey)
            continue;
        s.fixed.emplace_back(key, m_fixed->item(row, 1)->text().trimmed().toStdString());
    }
    return s;
}

void SweepWindow::applySetup(const SweepSetup &s)
{
    if (!catalogue().find(s.calculatorId))
        return;
    if (dataOf(m_calculator) != s.calculatorId) {
        selectData(m_calculator, s.calculatorId);
        calculatorChosen();
    }
    selectData(m_swept, s.sweptKey);
    m_start->setText(QString::number(s.start, 'g', 10));
    m_stop->setText(QString::number(s.stop, 'g', 10));
    m_count->setValue(s.count);
    m_log->setChecked(s.logarithmic);
    selectData(m_output1, s.output1);
    selectData(m_output2, s.output2);
    selectData(m_group, s.groupKey);
    if (s.groupCount > 0)
        m_groupCount->setValue(s.groupCount);
    m_sampleAt->setText(s.sampleAt != 0 ? QString::number(s.sampleAt, 'g', 10) : QString());
    if (!s.fixed.empty()) {
        Inputs inputs;
        for (const Assignment &a : s.fixed)
            inputs[a.first] = a.second;
        fillInputs(catalogue().find(s.calculatorId)->description(), inputs);
    }
}

void SweepWindow::startSweep()
{
    const Calculator *calculator = chosenCalculator();
    if (!calculator || m_runner->isRunning())
        return;
    const SweepSetup s = setup();
    if (s.sweptKey.empty() || s.output1.empty()) {
        notice(tr("请选择扫描参数和输出"));
        return;
    }
    std::vector<SweepAxis> axes(1);
    axes[0].key = s.sweptKey;
    axes[0].start = s.start;
    axes[0].stop = s.stop;
    axes[0].count = std::size_t(s.count);
    axes[0].logarithmic = s.logarithmic;
    if (!s.groupKey.empty()) {
        SweepAxis group;
        group.key = s.groupKey;
        group.start = 0;
        group.stop = s.groupCount - 1;
        group.count = std::size_t(s.groupCount);
        axes.push_back(group);
    }
    if (const auto problem = checkSweep(calculator->description(), axes, s.fixed)) {
        notice(inUiLanguage(problem->text));
        return;
    }
    saveLastSweepSetup(s);
    m_stale->calculationStarted();
    m_running = s;
    m_cursor->clear();
    m_progress->setValue(0);
    setRunning(true);
    m_runner->start(*calculator, std::move(axes), s.fixed);
}

void SweepWindow::cancelSweep()
{
    m_runner->cancel();
}

void SweepWindow::setRunning(bool running)
{
    m_run->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_calculator->setEnabled(!running);
    m_preset->setEnabled(!running);
}

void SweepWindow::sweepFinished()
{
    setRunning(false);
    showResults();
}

void SweepWindow::showResults()
{
    const Calculator *calculator = catalogue().find(m_running.calculatorId);
    if (!calculator)
        return;
    const SweepTable table = tabulateSweep(calculator->description(), m_running, m_runner->result(),
                                           currentUiLanguage() == UiLanguage::English);
    m_shownTable = true;
    m_table = table;
    m_cursor->clear(); // names of the curves drawn before
    drawTable(table);
    drawPlot(table);
    m_stale->resultsShown();
}

// A cancelled sweep shows nothing of itself: the previous results stay,
// marked as belonging to their own setup, and the read-out line says so.
void SweepWindow::sweepCancelled()
{
    setRunning(false);
    m_progress->setValue(0);
    m_cursor->setText(m_shownTable ? tr("扫描已取消；图表是上一次扫描的结果") : tr("扫描已取消"));
    m_stale->calculationCancelled();
}

void SweepWindow::drawTable(const SweepTable &table)
{
    const CalculatorDescription &description =
        catalogue().find(m_running.calculatorId)->description();
    auto header = [&](const std::string &key) {
        const FieldDescription *f = description.field(key);
        return f ? captionWithUnit(*f) : QString();
    };
    const bool grouped = !m_running.groupKey.empty();
    QStringList headers{header(m_running.sweptKey)};
    if (grouped)
        headers << header(m_running.groupKey);
    headers << header(m_running.output1);
    if (!m_running.output2.empty())
        headers << header(m_running.output2);
    headers << tr("提示");
    m_points->clear();
    m_points->setColumnCount(headers.size());
    m_points->setHorizontalHeaderLabels(headers);
    m_points->setRowCount(int(table.rows.size()));
    for (int r = 0; r < int(table.rows.size()); ++r) {
        const SweepRow &row = table.rows[std::size_t(r)];
        int c = 0;
        m_points->setItem(r, c++, new QTableWidgetItem(QString::number(row.x, 'g', 8)));
        if (grouped)
            m_points->setItem(r, c++, new QTableWidgetItem(QString::number(row.group)));
        m_points->setItem(r, c++, new QTableWidgetItem(qs(row.output1)));
        if (!m_running.output2.empty())
            m_points->setItem(r, c++, new QTableWidgetItem(qs(row.output2)));
        m_points->setItem(r, c, new QTableWidgetItem(qs(row.notice)));
    }
}

void SweepWindow::drawPlot(const SweepTable &table)
{
    const CalculatorDescription &description =
        catalogue().find(m_running.calculatorId)->description();
    auto title = [&](const std::string &key) {
        const FieldDescription *f = description.field(key);
        return f ? captionWithUnit(*f) : QString();
    };
    m_plot->clearGraphs();
    static const QColor palette[] = {
        Qt::blue,    Qt::red,      Qt::darkGreen,  Qt::magenta,         Qt::darkCyan,
        Qt::darkRed, Qt::darkBlue, Qt::darkYellow, QColor(255, 128, 0), Qt::darkMagenta};
    int n = 0;
    for (const SweepSeries &s : table.series) {
        QCPAxis *valueAxis = s.axis == 1 ? m_plot->yAxis : m_plot->yAxis2;
        QCPGraph *graph = m_plot->addGraph(m_plot->xAxis, valueAxis);
        graph->setName(qs(s.name));
        QPen pen(palette[n++ % 10]);
        pen.setWidthF(1.6);
        if (s.axis == 2)
            pen.setStyle(Qt::DashLine);
        graph->setPen(pen);
        graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 4));
        graph->setData(QVector<double>(s.x.begin(), s.x.end()),
                       QVector<double>(s.y.begin(), s.y.end()), true);
    }
    const bool logX = m_running.logarithmic;
    const bool logY = m_logY->isChecked();
    auto scale = [](QCPAxis *axis, bool log) {
        axis->setScaleType(log ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
        if (log)
            axis->setTicker(QSharedPointer<QCPAxisTickerLog>(new QCPAxisTickerLog));
        else
            axis->setTicker(QSharedPointer<QCPAxisTicker>(new QCPAxisTicker));
    };
    scale(m_plot->xAxis, logX);
    scale(m_plot->yAxis, logY);
    scale(m_plot->yAxis2, logY);
    m_plot->xAxis->setLabel(title(m_running.sweptKey));
    m_plot->yAxis->setLabel(title(m_running.output1));
    m_plot->yAxis2->setVisible(!m_running.output2.empty());
    m_plot->yAxis2->setLabel(title(m_running.output2));
    m_plot->rescaleAxes();
    m_plot->replot();
}

// The cursor read-out: the drawn point nearest to the mouse, in pixels.
void SweepWindow::showNearestPoint(QMouseEvent *event)
{
    double best = 1e300;
    QString text;
    for (int g = 0; g < m_plot->graphCount(); ++g) {
        QCPGraph *graph = m_plot->graph(g);
        for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) {
            const QPointF p = graph->coordsToPixels(it->key, it->value);
            const double d = std::hypot(p.x() - event->pos().x(), p.y() - event->pos().y());
            if (d < best) {
                best = d;
                text = QStringLiteral("%1: x = %2, y = %3")
                           .arg(graph->name())
                           .arg(it->key, 0, 'g', 6)
                           .arg(it->value, 0, 'g', 6);
            }
        }
    }
    m_cursor->setText(text);
}

QString SweepWindow::withFilterSuffix(const QString &path, const QString &filter)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // "CSV (*.csv)": the extension between "*" and ")".
    const int star = filter.indexOf(QLatin1String("*."));
    const int close = filter.indexOf(QLatin1Char(')'), star);
    if (star < 0 || close < 0)
        return path;
    return path + filter.mid(star + 1, close - star - 1);
}

void SweepWindow::exportTable()
{
    QString filter;
    const QString path = withFilterSuffix(
        QFileDialog::getSaveFileName(this, tr("导出表格"), QString(),
                                     QStringLiteral("CSV (*.csv);;Excel (*.xlsx)"), &filter),
        filter);
    if (path.isEmpty())
        return;
    QString error;
    if (!saveTable(path, &error))
        notice(error);
}

void SweepWindow::exportPlot()
{
    QString filter;
    const QString path = withFilterSuffix(
        QFileDialog::getSaveFileName(
            this, tr("导出图片"), QString(),
            QStringLiteral("PNG (*.png);;JPEG (*.jpg);;PDF (*.pdf);;SVG (*.svg)"), &filter),
        filter);
    if (path.isEmpty())
        return;
    QString error;
    if (!savePlot(path, &error))
        notice(error);
}

void SweepWindow::notice(const QString &text)
{
    showNotice(this, text);
}
