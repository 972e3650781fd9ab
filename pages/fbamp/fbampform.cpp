#include "fbampform.h"

#include "fbamp/calc/amplifierfields.h"
#include "formbuilder.h"
#include "pagelanguage.h"
#include "uilanguage.h"
#include "wholetext.h"

#include <qcustomplot.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using velmora::calc::FieldDescription;
using velmora::calc::FieldRole;
using velmora::calc::ValueKind;

namespace {

constexpr int kFontPt = 9;
constexpr int kFieldWidth = 60;
constexpr int kComboWidth = 82;
// The English choices (Amplifier, Cladding, End face) are wider.
constexpr int kEnglishComboWidth = 96;
constexpr int kRowHeight = 21;
constexpr int kInputColumnWidth = 384;
constexpr int kPlotHeight = 345;

struct Group {
    const char *title;
    const char *objectName;
    std::vector<const char *> keys;
};

// Inputs in reading order, two per row.
const std::vector<Group> kInputGroups = {
    {QT_TRANSLATE_NOOP("fbamp", "光纤"),
     "fiberGroupBox",
     {"a_um", "b_um", "clad_um", "na", "length_m", "nt_m3", "loss_db_m", "tau_ms"}},
    {QT_TRANSLATE_NOOP("fbamp", "泵浦与信号"),
     "pumpGroupBox",
     {"pump_nm", "pump_guide", "pump_fwd_w", "pump_bwd_w", "signal_nm", "signal_w"}},
    {"ASE", "aseGroupBox", {"ase_start_nm", "ase_end_nm", "ase_bins"}},
    {QT_TRANSLATE_NOOP("fbamp", "激光器"), "laserGroupBox", {"mode", "r1", "r2_source", "r2"}},
};

// Input captions short enough for the two-column English form; the
// description's full English caption is the label's tool tip.
const char *const kShortCaptions[] = {
    QT_TRANSLATE_NOOP("fbamp", "纤芯半径"),     QT_TRANSLATE_NOOP("fbamp", "掺杂半径"),
    QT_TRANSLATE_NOOP("fbamp", "内包层半径"),   QT_TRANSLATE_NOOP("fbamp", "光纤长度"),
    QT_TRANSLATE_NOOP("fbamp", "掺杂浓度"),     QT_TRANSLATE_NOOP("fbamp", "背景损耗"),
    QT_TRANSLATE_NOOP("fbamp", "上能级寿命"),   QT_TRANSLATE_NOOP("fbamp", "泵浦波长"),
    QT_TRANSLATE_NOOP("fbamp", "前向泵浦功率"), QT_TRANSLATE_NOOP("fbamp", "后向泵浦功率"),
    QT_TRANSLATE_NOOP("fbamp", "泵浦方式"),     QT_TRANSLATE_NOOP("fbamp", "信号波长"),
    QT_TRANSLATE_NOOP("fbamp", "信号功率"),     QT_TRANSLATE_NOOP("fbamp", "ASE起始波长"),
    QT_TRANSLATE_NOOP("fbamp", "ASE终止波长"),  QT_TRANSLATE_NOOP("fbamp", "工作方式"),
};

QString captionText(const FieldDescription &f)
{
    QString text = inUiLanguage(f.caption);
    const bool english = currentUiLanguage() == UiLanguage::English;
    if (english) {
        for (const char *shortCaption : kShortCaptions)
            if (f.caption.zh == shortCaption)
                text = QCoreApplication::translate("fbamp", shortCaption);
        if (!text.isEmpty())
            text[0] = text[0].toUpper(); // descriptions write captions in lower case
    }
    if (!f.unit.empty())
        text += QString::fromLatin1(english ? " [%1]" : "[%1]").arg(QString::fromStdString(f.unit));
    return text;
}

// The calculator's choices (纤芯泵浦, 放大器, 光纤端面, ...) as shown.
QString shownChoice(const QString &source)
{
    static const char *const kChoices[] = {
        QT_TRANSLATE_NOOP("fbamp", "纤芯泵浦"), QT_TRANSLATE_NOOP("fbamp", "包层泵浦"),
        QT_TRANSLATE_NOOP("fbamp", "放大器"),   QT_TRANSLATE_NOOP("fbamp", "激光器"),
        QT_TRANSLATE_NOOP("fbamp", "光栅"),     QT_TRANSLATE_NOOP("fbamp", "光纤端面")};
    for (const char *choice : kChoices)
        if (source == QString::fromUtf8(choice))
            return QCoreApplication::translate("fbamp", choice);
    return source;
}

QFont smallFont()
{
    return form::pointFont(kFontPt);
}

QLabel *label(QWidget *parent, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setFont(smallFont());
    return l;
}

QCustomPlot *plot(QWidget *parent, const char *objectName)
{
    auto *p = new QCustomPlot(parent);
    p->setObjectName(QString::fromLatin1(objectName));
    p->xAxis->setLabelFont(smallFont());
    p->yAxis->setLabelFont(smallFont());
    return p;
}

} // namespace

void FbampForm::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "fbamp");
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    tabWidget->addTab(tab, QString());

    std::map<std::string, const FieldDescription *> descriptions;
    static const std::vector<FieldDescription> fields = velmora::calc::amplifierFields();
    for (const FieldDescription &f : fields)
        descriptions[f.key] = &f;

    auto *columns = new QHBoxLayout(tab);
    columns->setContentsMargins(6, 4, 6, 4);
    auto *left = new QVBoxLayout();
    left->setSpacing(2);
    auto *leftPanel = new QWidget(tab);
    leftPanel->setFixedWidth(kInputColumnWidth);
    leftPanel->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(leftPanel, 0);

    auto *presetRow = new QHBoxLayout();
    presetLabel = label(tab, QString());
    presetRow->addWidget(presetLabel);
    presetCombo = new QComboBox(tab);
    presetCombo->setObjectName(QStringLiteral("m_PresetcomboBox"));
    presetCombo->setFont(smallFont());
    const size_t presetCount = velmora::calc::amplifierPresets().size();
    // The presets, then 自定义 (shown once an input differs from them).
    for (size_t i = 0; i <= presetCount; ++i)
        presetCombo->addItem(QString()); // texts in the window's language: retranslate
    presetRow->addWidget(presetCombo, 1);
    left->addLayout(presetRow);

    for (const Group &g : kInputGroups) {
        auto *box = new QGroupBox(tab);
        groups.emplace_back(box, g.title);
        box->setObjectName(QString::fromLatin1(g.objectName));
        box->setFont(smallFont());
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(4, 2, 4, 2);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(2);
        int slot = 0;
        for (const char *key : g.keys) {
            const FieldDescription &f = *descriptions.at(key);
            const int row = slot / 2, col = (slot % 2) * 2;
            ++slot;
            QLabel *caption = label(box, QString());
            captions.emplace_back(caption, &f);
            grid->addWidget(caption, row, col);
            QWidget *editor = nullptr;
            if (f.kind == ValueKind::Choice) {
                auto *combo = new QComboBox(box);
                // Shown translated; the calculator reads the source text.
                for (const std::string &c : f.choices) {
                    combo->addItem(QString());
                    combo->setItemData(combo->count() - 1, QString::fromStdString(c),
                                       kChoiceSourceRole);
                }
                choices[f.key] = combo;
                editor = combo;
            } else {
                auto *edit = new QLineEdit(QString::fromStdString(f.defaultText), box);
                inputs[f.key] = edit;
                editor = edit;
            }
            editor->setObjectName(QString::fromStdString(f.objectName));
            editor->setFont(smallFont());
            editor->setFixedWidth(f.kind == ValueKind::Choice ? kComboWidth : kFieldWidth);
            editor->setFixedHeight(kRowHeight);
            grid->addWidget(editor, row, col + 1);
        }
        left->addWidget(box);
    }

    auto *tableRow = new QHBoxLayout();
    tableButton = new QPushButton(tab);
    tableButton->setObjectName(QStringLiteral("m_TablepushButton"));
    tableButton->setFont(smallFont());
    tableLabel = label(tab, QString());
    tableLabel->setObjectName(QStringLiteral("m_TableLabel"));
    tableRow->addWidget(tableButton);
    tableRow->addWidget(tableLabel, 1);
    left->addLayout(tableRow);

    auto *runRow = new QHBoxLayout();
    calculateButton = new QPushButton(tab);
    calculateButton->setObjectName(QStringLiteral("pushButton"));
    cancelButton = new QPushButton(tab);
    cancelButton->setObjectName(QStringLiteral("m_CancelpushButton"));
    cancelButton->setEnabled(false);
    progressBar = new QProgressBar(tab);
    progressBar->setObjectName(QStringLiteral("m_progressBar"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    runRow->addWidget(calculateButton);
    runRow->addWidget(cancelButton);
    runRow->addWidget(progressBar, 1);
    left->addLayout(runRow);
    statusLabel = label(tab, QString());
    statusLabel->setObjectName(QStringLiteral("m_StatusLabel"));
    statusLabel->setWordWrap(true);
    left->addWidget(statusLabel);
    left->addStretch(1);

    auto *right = new QVBoxLayout();
    columns->addLayout(right, 1);
    plotTabs = new QTabWidget(tab);
    plotTabs->setObjectName(QStringLiteral("plotTabWidget"));
    plotTabs->setFont(smallFont());
    powerPlot = plot(plotTabs, "m_PowerPlot");
    inversionPlot = plot(plotTabs, "m_InversionPlot");
    spectrumPlot = plot(plotTabs, "m_SpectrumPlot");
    heatPlot = plot(plotTabs, "m_HeatPlot");
    for (QCustomPlot *p : {powerPlot, inversionPlot, spectrumPlot, heatPlot})
        plotTabs->addTab(p, QString());
    plotTabs->setFixedHeight(kPlotHeight);
    right->addWidget(plotTabs, 0);

    auto *outBox = outputBox = new QGroupBox(tab);
    outBox->setObjectName(QStringLiteral("outputGroupBox"));
    outBox->setFont(smallFont());
    auto *outGrid = new QGridLayout(outBox);
    outGrid->setContentsMargins(4, 2, 4, 2);
    outGrid->setVerticalSpacing(2);
    int slot = 0;
    for (const FieldDescription &f : fields) {
        if (f.role != FieldRole::Output || f.objectName.empty())
            continue;
        const int row = slot / 2, col = (slot % 2) * 2;
        ++slot;
        QLabel *caption = label(outBox, QString());
        // A long (English) caption wraps rather than lose its unit: the
        // result beside it keeps room for its whole number.
        caption->setWordWrap(true);
        captions.emplace_back(caption, &f);
        outGrid->addWidget(caption, row, col);
        auto *edit = new QLineEdit(outBox);
        edit->setObjectName(QString::fromStdString(f.objectName));
        edit->setFont(smallFont());
        edit->setReadOnly(true);
        edit->setFixedHeight(kRowHeight);
        edit->setStyleSheet(QStringLiteral("background-color: rgb(213, 213, 213);"));
        keepWholeText(edit);
        outputs[f.key] = edit;
        outGrid->addWidget(edit, row, col + 1);
    }
    outGrid->setColumnStretch(1, 1);
    outGrid->setColumnStretch(3, 1);
    right->addWidget(outBox, 0);
    right->addStretch(1);
    retranslateUi();
}

void FbampForm::retranslateUi()
{
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("fbamp", "光纤放大器"));
    presetLabel->setText(QCoreApplication::translate("fbamp", "示例"));
    const auto presets = velmora::calc::amplifierPresets();
    for (int i = 0; i < presetCombo->count() && i < int(presets.size()); ++i)
        presetCombo->setItemText(i, inUiLanguage(presets[std::size_t(i)].name));
    presetCombo->setItemText(int(presets.size()), QCoreApplication::translate("fbamp", "自定义"));
    for (const auto &[box, title] : groups)
        box->setTitle(QCoreApplication::translate("fbamp", title));
    for (const auto &[caption, field] : captions) {
        caption->setText(captionText(*field));
        caption->setToolTip(currentUiLanguage() == UiLanguage::English
                                ? QString::fromStdString(field->caption.en)
                                : QString());
    }
    const bool english = currentUiLanguage() == UiLanguage::English;
    for (const auto &[key, combo] : choices) {
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemText(i, shownChoice(combo->itemData(i, kChoiceSourceRole).toString()));
        combo->setFixedWidth(english ? kEnglishComboWidth : kComboWidth);
    }
    tableButton->setText(QCoreApplication::translate("fbamp", "载入截面数据…"));
    calculateButton->setText(QCoreApplication::translate("fbamp", "计算"));
    cancelButton->setText(QCoreApplication::translate("fbamp", "取消"));
    plotTabs->setTabText(0, QCoreApplication::translate("fbamp", "功率分布"));
    plotTabs->setTabText(1, QCoreApplication::translate("fbamp", "反转粒子数"));
    plotTabs->setTabText(2, QCoreApplication::translate("fbamp", "输出光谱"));
    plotTabs->setTabText(3, QCoreApplication::translate("fbamp", "热负载"));
    outputBox->setTitle(QCoreApplication::translate("fbamp", "输出项"));
}
