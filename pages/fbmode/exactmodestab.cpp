#include "exactmodestab.h"
#include "childsignals.h"

#include "exactmodetableitem.h"
#include "fieldmaps.h"
#include "modecolormap.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "plotsquare.h"
#include "qplot.h"
#include "staleresults.h"
#include "uilanguage.h"
#include "vectorpower.h"
#include "wholetext.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

#include <functional>

using namespace velmora::calc;

namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

// Column 0 names the mode; the property columns follow.
constexpr int kFirstPropertyColumn = 1;

// English captions short enough for the input and option columns beside the
// map (the Chinese ones fit); the full caption is the tool tip.
const char *const kShortCaptions[] = {
    QT_TRANSLATE_NOOP("ExactModesTab", "数值孔径NA"),
    QT_TRANSLATE_NOOP("ExactModesTab", "掺杂半径r_d"),
    QT_TRANSLATE_NOOP("ExactModesTab", "材料色散(熔融石英)"),
};

// The item views answer Ctrl+C themselves with the current cell's text (and
// claim the shortcut first); this table hands it to the tab instead, which
// copies whole rows.
class RowCopyTable : public QTableWidget
{
public:
    RowCopyTable(QWidget *parent, std::function<void()> copyRows)
        : QTableWidget(parent), m_copyRows(std::move(copyRows))
    {
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            m_copyRows();
            event->accept();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

private:
    std::function<void()> m_copyRows;
};

} // namespace

ExactModesTab::ExactModesTab(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tab_4"));
    buildForm();
    retranslate();
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, &ExactModesTab::updateProgress);
}

ExactModesTab::~ExactModesTab()
{
    disconnectChildrenFrom(this); // before ~QWidget moves the focus
    if (m_worker) {
        m_progress->cancel = true;
        m_worker->wait();
    }
}

QLineEdit *ExactModesTab::addField(QWidget *box, const std::string &key, int decimals)
{
    const FieldDescription *description = m_calculator.description().field(key);
    auto *field = new QLineEdit(fromUtf8(description->defaultText), box);
    field->setObjectName(fromUtf8(description->objectName));
    field->setValidator(createInputValidator(field, decimals));
    // Whole numbers visible beside the longer English captions: room for an
    // index with six decimals and two digits to spare.
    field->setMinimumWidth(
        std::max(64, field->fontMetrics().horizontalAdvance(QStringLiteral("1.46659500")) +
                         field->width() - textRoom(field)));
    QString caption = inUiLanguage(description->caption);
    if (!description->unit.empty())
        caption += QLatin1Char('[') + fromUtf8(description->unit) + QLatin1Char(']');
    static_cast<QFormLayout *>(box->layout())->addRow(caption, field);
    m_fields[key] = field;
    return field;
}

void ExactModesTab::buildForm()
{
    auto *inputs = m_inputsBox = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("groupBoxExactInputs"));
    inputs->setLayout(new QFormLayout);
    addField(inputs, "a_um", 4);
    addField(inputs, "lambda_nm", 4);
    addField(inputs, "n1", 6);
    addField(inputs, "n2", 6);
    addField(inputs, "na", 6);
    addField(inputs, "rd_um", 4);
    addField(inputs, "bend_m", 4);
    connect(m_fields["n1"], &QLineEdit::editingFinished, this, [this] { applyLink("n1"); });
    connect(m_fields["na"], &QLineEdit::editingFinished, this, [this] { applyLink("na"); });

    auto *options = m_optionsBox = new QGroupBox(this);
    auto *optionsLayout = new QFormLayout(options);
    m_material = new QCheckBox(options);
    m_material->setObjectName(QStringLiteral("m_exactMaterialCheckBox"));
    m_vector = new QCheckBox(options);
    m_vector->setObjectName(QStringLiteral("m_exactVectorCheckBox"));
    optionsLayout->addRow(m_material);
    optionsLayout->addRow(m_vector);
    m_vField = new QLineEdit(options);
    m_vField->setObjectName(QStringLiteral("m_exactVLineEdit"));
    m_countField = new QLineEdit(options);
    m_countField->setObjectName(QStringLiteral("m_exactCountLineEdit"));
    for (QLineEdit *output : {m_vField, m_countField})
        setupOutputField(output);
    // A caption too long for its row puts its result below it rather than
    // squeeze it.
    optionsLayout->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (QLineEdit *output : {m_vField, m_countField})
        optionsLayout->addRow(new QLabel(options), output);
    m_calculate = new QPushButton(options);
    m_calculate->setObjectName(QStringLiteral("m_exactCalculateButton"));
    m_cancel = new QPushButton(options);
    m_cancel->setObjectName(QStringLiteral("m_exactCancelButton"));
    m_cancel->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_calculate);
    buttons->addWidget(m_cancel);
    optionsLayout->addRow(buttons);
    m_progressBar = new QProgressBar(options);
    m_progressBar->setObjectName(QStringLiteral("m_exactProgressBar"));
    m_progressBar->setRange(0, 1);
    m_progressBar->setValue(0);
    optionsLayout->addRow(m_progressBar);
    connect(m_calculate, &QPushButton::clicked, this, &ExactModesTab::calculate);
    connect(m_cancel, &QPushButton::clicked, this, &ExactModesTab::cancel);

    auto *mapBox = new QVBoxLayout;
    m_mapTitle = new QLabel(this);
    m_mapTitle->setObjectName(QStringLiteral("exactMapTitle"));
    // As wide as the map; a longer (English) title wraps instead of losing
    // its end.
    m_mapTitle->setWordWrap(true);
    m_mapTitle->setFixedWidth(250);
    m_plot = new QPlot(this);
    m_plot->setObjectName(QStringLiteral("exactMapPlot"));
    m_plot->setFixedSize(250, 230);
    keepAxisRectSquare(m_plot);
    m_plot->axisRect()->setupFullAxesBox(true);
    m_plot->xAxis->setLabel(QStringLiteral("X position(μm)"));
    m_plot->yAxis->setLabel(QStringLiteral("Y position(μm)"));
    m_colorMap = createColorMap(m_plot);
    m_colorMap->setVisible(false);
    mapBox->addWidget(m_mapTitle);
    mapBox->addWidget(m_plot);
    mapBox->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(inputs, 3);
    top->addWidget(options, 3);
    top->addLayout(mapBox, 0);

    m_table = new RowCopyTable(this, [this] { copySelectedRows(); });
    m_table->setObjectName(QStringLiteral("m_exactTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->setVisible(false);
    m_table->setColumnCount(int(exactModeColumns().size()) + 1);
    m_table->setSortingEnabled(true);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &ExactModesTab::showSelectedMode);

    auto *staleNote = new QLabel(this);
    staleNote->setObjectName(QStringLiteral("exactStaleNote"));
    m_stale = new StaleResults(this, staleNote);
    for (const auto &entry : m_fields)
        m_stale->watchInput(entry.second);
    for (QWidget *input : {static_cast<QWidget *>(m_material), static_cast<QWidget *>(m_vector)})
        m_stale->watchInput(input);
    for (QWidget *result : {static_cast<QWidget *>(m_vField), static_cast<QWidget *>(m_countField),
                            static_cast<QWidget *>(m_table), static_cast<QWidget *>(m_plot)})
        m_stale->addResult(result);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(staleNote);
    layout->addWidget(m_table, 1);
}

Inputs ExactModesTab::readInputs() const
{
    Inputs inputs;
    for (const auto &entry : m_fields)
        inputs[entry.first] = entry.second->text().toStdString();
    inputs["material"] = m_material->isChecked() ? "1" : "0";
    inputs["vector"] = m_vector->isChecked() ? "1" : "0";
    return inputs;
}

void ExactModesTab::applyLink(const std::string &key)
{
    const Inputs linked = m_calculator.linkEdited(readInputs(), key);
    for (const char *partner : {"n1", "na"})
        m_fields[partner]->setText(fromUtf8(linked.at(partner)));
}

void ExactModesTab::setRunning(bool running)
{
    m_calculate->setEnabled(!running);
    m_cancel->setEnabled(running);
    if (running)
        m_poll.start();
    else
        m_poll.stop();
}

void ExactModesTab::calculate()
{
    if (m_worker)
        return;
    const ExactModeCheck checked = m_calculator.check(readInputs());
    if (!checked.request) {
        const std::vector<Notice> &notices = checked.refusal.notices;
        showNotice(this, notices.empty() ? QString() : inUiLanguage(notices.front().text));
        return;
    }
    m_progress = std::make_shared<ExactModeProgress>();
    m_pending = std::make_shared<ExactModeSet>();
    const ExactModeRequest request = *checked.request;
    m_stale->calculationStarted();
    auto progress = m_progress;
    auto pending = m_pending;
    m_worker = QThread::create(
        [request, progress, pending] { *pending = computeExactModeSet(request, progress.get()); });
    connect(m_worker, &QThread::finished, this, &ExactModesTab::workerFinished);
    m_progressBar->setRange(0, 0); // busy until the mode count is known
    setRunning(true);
    m_worker->start();
}

void ExactModesTab::cancel()
{
    if (m_progress)
        m_progress->cancel = true;
}

void ExactModesTab::clearResults()
{
    cancel(); // its result is dropped when the worker ends
    m_shown = ExactModeSet();
    m_rows.clear();
    {
        const QSignalBlocker blocker(m_table);
        m_table->clearContents();
        m_table->setRowCount(0);
    }
    m_vField->clear();
    m_countField->clear();
    m_colorMap->setVisible(false);
    m_plot->replot();
    m_mapTitle->clear();
    m_progressBar->setValue(0);
    m_stale->resultsCleared();
}

void ExactModesTab::updateProgress()
{
    if (!m_progress)
        return;
    const int total = m_progress->total.load();
    if (total > 0) {
        m_progressBar->setRange(0, total);
        m_progressBar->setValue(m_progress->done.load());
    }
}

void ExactModesTab::workerFinished()
{
    m_worker->deleteLater();
    m_worker = nullptr;
    setRunning(false);
    m_progressBar->setRange(0, 1);
    if (!m_pending->cancelled) {
        m_progressBar->setValue(1);
        m_shown = std::move(*m_pending);
        showResults();
        m_stale->resultsShown();
    } else {
        m_progressBar->setValue(0);
        m_stale->calculationCancelled(); // the table shown is the one before
    }
    m_pending.reset();
    emit calculationFinished();
}

void ExactModesTab::showResults()
{
    const Result result = m_calculator.results(m_shown);
    m_vField->setText(fromUtf8(result.outputs.at("v").text));
    m_countField->setText(fromUtf8(result.outputs.at("count").text));
    m_rows = exactModeRows(m_shown);

    QSignalBlocker blocker(m_table);
    m_table->setSortingEnabled(false);
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(m_rows.size()));
    const std::vector<ExactModeColumn> &columns = exactModeColumns();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        auto *name = new ExactModeTableItem(fromUtf8(m_rows[r].name), static_cast<double>(r));
        name->setData(kRowIndexRole, static_cast<int>(r));
        m_table->setItem(static_cast<int>(r), 0, name);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const double value = exactModeValue(columns[c], m_shown, m_rows[r]);
            m_table->setItem(
                static_cast<int>(r), static_cast<int>(c) + kFirstPropertyColumn,
                new ExactModeTableItem(fromUtf8(exactModeText(columns[c], value)), value));
        }
    }
    m_table->setSortingEnabled(true);
    m_table->resizeColumnsToContents();
    blocker.unblock();
    if (!m_rows.empty())
        m_table->selectRow(0);
    showSelectedMode();
}

void ExactModesTab::showSelectedMode()
{
    const QList<QTableWidgetItem *> selected = m_table->selectedItems();
    int rowIndex = -1;
    for (QTableWidgetItem *item : selected)
        if (item->column() == 0)
            rowIndex = item->data(kRowIndexRole).toInt();
    if (rowIndex < 0 || rowIndex >= static_cast<int>(m_rows.size()))
        return;
    const ExactModeRow &row = m_rows[static_cast<std::size_t>(rowIndex)];
    const LpMode &mode = m_shown.lp[row.lpIndex];
    const StepIndexFiber &f = m_shown.fiber;
    // An LP row shows its scalar intensity (cos orientation), a vector row
    // the |E_t|^2 of its exact fields (TE01, TM01 and HE21 are rings where
    // their LP11 has two lobes).
    const std::vector<double> intensity =
        row.vector ? vectorIntensityMap(f, *row.vector)
                   : computeFieldMaps(f.a, f.lambda, f.n1, f.n2, mode.neff, mode.m).intensityE;
    const double aMicron = f.a * 1e6;
    const QCPRange span(-2 * aMicron, 2 * aMicron);
    m_colorMap->data()->setRange(span, span);
    fillColorMap(m_colorMap, intensity);
    applyDataRange(m_colorMap, true);
    m_colorMap->setVisible(true);
    m_plot->rescaleAxes(false);
    m_plot->replot();
    m_mapTitle->setText(row.vector
                            ? tr("%1 光强 |Eₜ|² (属 LP%2)")
                                  .arg(fromUtf8(row.name), fromUtf8(orderLabel(mode.m, mode.n)))
                            : tr("%1 光强 (cos)").arg(fromUtf8(row.name)));
}

void ExactModesTab::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslate();
        showSelectedMode(); // the map title in the new language
    }
    QWidget::changeEvent(event);
}

// Captions from the calculator's description in the window's language, the
// tab's own texts through tr(); typed inputs and results stay as they are.
void ExactModesTab::retranslate()
{
    m_inputsBox->setTitle(tr("输入项"));
    m_optionsBox->setTitle(tr("选项与输出"));
    const CalculatorDescription &description = m_calculator.description();
    const bool english = currentUiLanguage() == UiLanguage::English;
    // The descriptions write English captions in lower case.
    const auto fullCaption = [&description, english](const std::string &key) {
        QString text = inUiLanguage(description.field(key)->caption);
        if (english && !text.isEmpty())
            text[0] = text[0].toUpper();
        return text;
    };
    const auto caption = [&description, &fullCaption, english](const std::string &key) {
        const std::string &zh = description.field(key)->caption.zh;
        if (english)
            for (const char *shortCaption : kShortCaptions)
                if (zh == shortCaption)
                    return QCoreApplication::translate("ExactModesTab", shortCaption);
        return fullCaption(key);
    };
    const auto tip = [&fullCaption, &caption](const std::string &key) {
        return caption(key) == fullCaption(key) ? QString() : fullCaption(key);
    };
    for (const auto &[key, field] : m_fields) {
        auto *form = static_cast<QFormLayout *>(m_inputsBox->layout());
        if (auto *label = qobject_cast<QLabel *>(form->labelForField(field))) {
            const FieldDescription *f = description.field(key);
            QString text = caption(key);
            if (!f->unit.empty())
                text += QLatin1Char('[') + fromUtf8(f->unit) + QLatin1Char(']');
            label->setText(text);
            label->setToolTip(tip(key));
        }
    }
    m_material->setText(caption("material"));
    m_material->setToolTip(tip("material"));
    m_vector->setText(caption("vector"));
    auto *options = static_cast<QFormLayout *>(m_optionsBox->layout());
    for (const auto &[field, key] : {std::pair<QWidget *, const char *>{m_vField, "v"},
                                     std::pair<QWidget *, const char *>{m_countField, "count"}})
        if (auto *label = qobject_cast<QLabel *>(options->labelForField(field)))
            label->setText(caption(key));
    m_calculate->setText(tr("计算"));
    m_cancel->setText(tr("取消"));
    m_stale->retranslate();
    QStringList headers{tr("模式")};
    for (const ExactModeColumn &column : exactModeColumns())
        headers << fromUtf8(exactModeHeader(column, !english));
    m_table->setHorizontalHeaderLabels(headers);
    // Every column as wide as its header (and its values, once shown), also
    // before the first calculation.
    m_table->resizeColumnsToContents();
}

QString ExactModesTab::rowsAsTsv(bool all) const
{
    QStringList lines;
    QStringList header;
    for (int c = 0; c < m_table->columnCount(); ++c)
        header << m_table->horizontalHeaderItem(c)->text();
    lines << header.join(QLatin1Char('\t'));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        QTableWidgetItem *first = m_table->item(r, 0);
        if (!first || (!all && !first->isSelected()))
            continue;
        QStringList cells;
        for (int c = 0; c < m_table->columnCount(); ++c) {
            QTableWidgetItem *item = m_table->item(r, c);
            cells << (item ? item->text() : QString());
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ExactModesTab::copySelectedRows()
{
    QApplication::clipboard()->setText(rowsAsTsv());
}
