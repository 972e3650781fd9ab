#include "fblimitsform.h"

#include "fblimits/calc/limitscalculators.h"
#include "fblimits/calc/limitsinputs.h"
#include "formbuilder.h"
#include "pagelanguage.h"
#include "uilanguage.h"

#include <qcustomplot.h>

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using velmora::calc::FieldDescription;
using velmora::calc::FieldRole;
using velmora::calc::ValueKind;

namespace {

constexpr int kFontPt = 9;
constexpr int kFieldWidth = 62;
constexpr int kComboWidth = 80;
constexpr int kEnglishComboWidth = 92;
constexpr int kOutputWidth = 88;
constexpr int kRowHeight = 20;
constexpr int kInputColumnWidth = 392;
constexpr int kPlotHeight = 318;

struct Group {
    const char *title;
    const char *objectName;
    std::vector<const char *> keys;
};

const std::vector<Group> kInputGroups = {
    {QT_TRANSLATE_NOOP("fblimits", "光纤"),
     "fiberGroupBox",
     {"core_diameter_um", "length_m", "clad_mode", "clad_diameter_um", "core_na",
      "doped_diameter_um", "n1", "mode_field_ratio"}},
    {QT_TRANSLATE_NOOP("fblimits", "泵浦"),
     "pumpGroupBox",
     {"pump_nm", "pump_radiance_w_um2sr", "pump_na", "core_abs_db_m", "pump_abs_db",
      "laser_efficiency", "heat_fraction"}},
    {QT_TRANSLATE_NOOP("fblimits", "信号"),
     "signalGroupBox",
     {"signal_nm", "linewidth_mhz", "amp_gain_db"}},
};
const Group kScanGroup = {QT_TRANSLATE_NOOP("fblimits", "扫描范围"),
                          "scanGroupBox",
                          {"d_min_um", "d_max_um", "l_min_m", "l_max_m", "d_count", "l_count"}};

// The material constants and where their default values come from.
struct Constant {
    const char *key;
    const char *source;
};
const std::vector<Constant> kConstants = {
    {"k_w_mk", "Dawson 2008, Table 1"},
    {"h_w_m2k", "Dawson 2008, Table 1"},
    {"t_coolant_k", "Dawson 2008, Table 1"},
    {"t_melt_k", "Dawson 2008, Table 1"},
    {"rupture_w_m", "Brown & Hoffman 2001"},
    {"dndt_k", "Dawson 2008, Table 1"},
    {"gr_m_w", "Dawson 2008, Table 1"},
    {"srs_exponent", "Smith 1972"},
    {"gb_m_w", "Dawson 2008, Table 1"},
    {"sbs_exponent", "Dawson 2008 (17); Smith 1972 (21)"},
    {"brillouin_bw_mhz", "Agrawal, Nonlinear Fiber Optics"},
    {"pol_factor", "Agrawal, Nonlinear Fiber Optics"},
    {"damage_w_um2", "Dawson 2008, Table 1"},
    {"rho_c_j_m3k", "Smith & Smith 2011"},
    {"eta0", "Hansen et al. 2013"},
    {"rin", "Hansen et al. 2013"},
    {"p0_w", "Hansen et al. 2013"},
};

QFont smallFont()
{
    return form::pointFont(kFontPt);
}

QLabel *label(QWidget *parent, const QString &text = QString())
{
    auto *l = new QLabel(text, parent);
    l->setFont(smallFont());
    return l;
}

// The limits' check boxes in English, in powerlimits order.
const char *const kShortLimitNames[] = {"rupture", "melting", "lens", "SRS",
                                        "SBS",     "damage",  "pump", "MI"};

// English captions short enough for the two-column form; the description's
// full caption is the label's tool tip.
const std::map<std::string, const char *> kShortEnglish = {
    {"core_diameter_um", "Core ⌀"},
    {"length_m", "Length"},
    {"clad_mode", "Cladding"},
    {"clad_diameter_um", "Cladding ⌀"},
    {"doped_diameter_um", "Doped ⌀"},
    {"mode_field_ratio", "Mode/core Γ"},
    {"pump_nm", "Pump λ"},
    {"pump_radiance_w_um2sr", "B"},
    {"core_abs_db_m", "α_core"},
    {"pump_abs_db", "Absorbed"},
    {"laser_efficiency", "η_laser"},
    {"heat_fraction", "η_heat"},
    {"signal_nm", "Signal λ"},
    {"linewidth_mhz", "Linewidth"},
    {"amp_gain_db", "Gain"},
    {"d_min_um", "Smallest ⌀"},
    {"d_max_um", "Largest ⌀"},
    {"l_min_m", "Shortest"},
    {"l_max_m", "Longest"},
    {"d_count", "⌀ points"},
    {"l_count", "Length points"},
    {"p_max_w", "P_max"},
    {"binding_limit", "Binding limit"},
    {"p_rupture_w", "Rupture"},
    {"p_melting_w", "Melting"},
    {"p_thermal_lens_w", "Lens"},
    {"p_damage_w", "Damage"},
    {"p_pump_brightness_w", "Pump"},
    {"p_mi_w", "MI"},
    {"heat_w_m", "Heat"},
    {"core_temp_k", "T core"},
    {"coating_temp_k", "T coating"},
    {"clad_used_um", "Clad ⌀"},
    {"delta_n_thermal", "Thermal Δn"},
    {"thermal_mode_ratio", "w_thermal/w"},
    {"quantum_defect", "Defect"},
    {"v_number", "V"},
    {"core_diameter_um_at_max", "Core ⌀"},
    {"length_m_at_max", "Length"},
};

QString captionText(const FieldDescription &f)
{
    QString text = inUiLanguage(f.caption);
    const bool english = currentUiLanguage() == UiLanguage::English;
    if (english) {
        if (auto it = kShortEnglish.find(f.key); it != kShortEnglish.end())
            text = QString::fromUtf8(it->second);
        else if (!text.isEmpty())
            text[0] = text[0].toUpper();
    }
    if (!f.unit.empty())
        text += QString::fromLatin1(english ? " [%1]" : "[%1]").arg(QString::fromStdString(f.unit));
    return text;
}

QCustomPlot *plot(QWidget *parent, const char *objectName)
{
    auto *p = new QCustomPlot(parent);
    p->setObjectName(QString::fromLatin1(objectName));
    p->xAxis->setLabelFont(smallFont());
    p->yAxis->setLabelFont(smallFont());
    return p;
}

QLineEdit *outputEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setFont(form::pointFont(kFontPt - 1)); // "1.05972e+06" whole in the field
    edit->setReadOnly(true);
    edit->setFixedHeight(kRowHeight);
    edit->setFixedWidth(kOutputWidth);
    edit->setStyleSheet(QStringLiteral("background-color: rgb(213, 213, 213);"));
    return edit;
}

} // namespace

void FblimitsForm::setupUi(QWidget *page)
{
    tabWidget = form::pageTabWidget(page, "fblimits");
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    tabWidget->addTab(tab, QString());

    static const velmora::calc::LimitsMapCalculator mapCalculator;
    static const velmora::calc::LimitsDesignCalculator designCalculator;
    std::map<std::string, const FieldDescription *> descriptions;
    for (const FieldDescription &f : mapCalculator.description().fields)
        descriptions[f.key] = &f;

    auto *columns = new QHBoxLayout(tab);
    columns->setContentsMargins(6, 4, 6, 4);
    auto *leftPanel = new QWidget(tab);
    leftPanel->setFixedWidth(kInputColumnWidth);
    auto *left = new QVBoxLayout(leftPanel);
    left->setSpacing(2);
    left->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(leftPanel, 0);

    auto *presetRow = new QHBoxLayout();
    presetLabel = label(tab);
    presetRow->addWidget(presetLabel);
    presetCombo = new QComboBox(tab);
    presetCombo->setObjectName(QStringLiteral("m_PresetcomboBox"));
    presetCombo->setFont(smallFont());
    presetCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    presetCombo->setMinimumContentsLength(16);
    for (const auto &preset : velmora::calc::limitsPresets())
        presetCombo->addItem(QString(), QString::fromStdString(preset.id));
    presetRow->addWidget(presetCombo, 1);
    left->addLayout(presetRow);

    auto addGroup = [&](const Group &g, QBoxLayout *layout) {
        auto *box = new QGroupBox(tab);
        groups.emplace_back(box, g.title);
        box->setObjectName(QString::fromLatin1(g.objectName));
        box->setFont(smallFont());
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(4, 0, 4, 2);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(1);
        int slot = 0;
        for (const char *key : g.keys) {
            const FieldDescription &f = *descriptions.at(key);
            const int row = slot / 2, col = (slot % 2) * 2;
            ++slot;
            QLabel *caption = label(box);
            captions.emplace_back(caption, &f);
            grid->addWidget(caption, row, col);
            QWidget *editor = nullptr;
            if (f.kind == ValueKind::Choice) {
                auto *combo = new QComboBox(box);
                for (const std::string &c : f.choices) {
                    combo->addItem(QString());
                    combo->setItemData(combo->count() - 1, QString::fromStdString(c),
                                       kChoiceSourceRole);
                }
                choices[f.key] = combo;
                editor = combo;
                editor->setFixedWidth(kComboWidth);
            } else {
                auto *edit = new QLineEdit(QString::fromStdString(f.defaultText), box);
                inputs[f.key] = edit;
                editor = edit;
                editor->setFixedWidth(kFieldWidth);
            }
            editor->setObjectName(QStringLiteral("m_%1").arg(QString::fromStdString(f.key)));
            editor->setFont(smallFont());
            editor->setFixedHeight(kRowHeight);
            grid->addWidget(editor, row, col + 1);
        }
        layout->addWidget(box);
    };
    for (const Group &g : kInputGroups)
        addGroup(g, left);

    // Which limits count: two columns of check boxes.
    auto *limitBox = new QGroupBox(tab);
    groups.emplace_back(limitBox, QT_TRANSLATE_NOOP("fblimits", "计入的极限"));
    limitBox->setObjectName(QStringLiteral("limitsGroupBox"));
    limitBox->setFont(smallFont());
    auto *limitGrid = new QGridLayout(limitBox);
    limitGrid->setContentsMargins(4, 2, 4, 2);
    limitGrid->setVerticalSpacing(1);
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const std::string key = velmora::calc::limitUseKey(powerlimits::limitAt(i));
        auto *box = new QCheckBox(limitBox);
        box->setObjectName(QStringLiteral("m_%1").arg(QString::fromStdString(key)));
        box->setFont(smallFont());
        box->setChecked(descriptions.at(key)->defaultText == "1");
        limits[key] = box;
        limitGrid->addWidget(box, i / 4, i % 4);
    }
    left->addWidget(limitBox);

    auto *runRow = new QHBoxLayout();
    designButton = new QPushButton(tab);
    designButton->setObjectName(QStringLiteral("m_DesignpushButton"));
    mapButton = new QPushButton(tab);
    mapButton->setObjectName(QStringLiteral("m_MappushButton"));
    cancelButton = new QPushButton(tab);
    cancelButton->setObjectName(QStringLiteral("m_CancelpushButton"));
    cancelButton->setEnabled(false);
    for (QPushButton *b : {designButton, mapButton, cancelButton}) {
        b->setFont(smallFont());
        runRow->addWidget(b);
    }
    progressBar = new QProgressBar(tab);
    progressBar->setObjectName(QStringLiteral("m_progressBar"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    runRow->addWidget(progressBar, 1);
    left->addLayout(runRow);
    statusLabel = label(tab);
    statusLabel->setObjectName(QStringLiteral("m_StatusLabel"));
    statusLabel->setWordWrap(true);
    left->addWidget(statusLabel);
    left->addStretch(1);

    // Right: the plots, the results of one design and the material constants
    // as tabs; the best design of the scan always in view below them.
    auto *right = new QVBoxLayout();
    right->setSpacing(2);
    columns->addLayout(right, 1);
    plotTabs = new QTabWidget(tab);
    plotTabs->setObjectName(QStringLiteral("plotTabWidget"));
    plotTabs->setFont(smallFont());
    powerMapPlot = plot(plotTabs, "m_PowerMapPlot");
    bindingMapPlot = plot(plotTabs, "m_BindingMapPlot");
    curvesPlot = plot(plotTabs, "m_CurvesPlot");
    for (QCustomPlot *p : {powerMapPlot, bindingMapPlot, curvesPlot})
        plotTabs->addTab(p, QString());
    plotTabs->setFixedHeight(kPlotHeight);
    right->addWidget(plotTabs, 0);
    addGroup(kScanGroup, right);

    auto *resultsPage = new QWidget(plotTabs);
    resultsPage->setObjectName(QStringLiteral("m_ResultsPage"));
    auto *outGrid = new QGridLayout(resultsPage);
    outGrid->setContentsMargins(4, 4, 4, 4);
    outGrid->setVerticalSpacing(2);
    auto addOutput = [&](QWidget *parent, QGridLayout *grid, const FieldDescription &f,
                         const std::string &key, int row, int col) {
        QLabel *caption = label(parent);
        captions.emplace_back(caption, &f);
        grid->addWidget(caption, row, col);
        QLineEdit *edit = outputEdit(parent);
        edit->setObjectName(QStringLiteral("m_%1").arg(QString::fromStdString(key)));
        outputs[key] = edit;
        grid->addWidget(edit, row, col + 1);
    };
    int slot = 0;
    for (const FieldDescription &f : designCalculator.description().fields) {
        if (f.role != FieldRole::Output || f.kind != ValueKind::Number)
            continue;
        addOutput(resultsPage, outGrid, f, f.key, slot / 2, (slot % 2) * 2);
        ++slot;
    }
    outGrid->setColumnStretch(1, 1);
    outGrid->setColumnStretch(3, 1);
    outGrid->setRowStretch(slot / 2 + 1, 1);
    plotTabs->addTab(resultsPage, QString());

    constantsTable = new QTableWidget(int(kConstants.size()), 4, plotTabs);
    constantsTable->setObjectName(QStringLiteral("m_ConstantsTable"));
    constantsTable->setFont(smallFont());
    constantsTable->verticalHeader()->setVisible(false);
    constantsTable->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (int r = 0; r < int(kConstants.size()); ++r) {
        const FieldDescription &f = *descriptions.at(kConstants[std::size_t(r)].key);
        constantKeys.push_back(f.key);
        auto *name = new QTableWidgetItem();
        name->setFlags(Qt::ItemIsEnabled);
        auto *value = new QTableWidgetItem(QString::fromStdString(f.defaultText));
        auto *unit = new QTableWidgetItem(QString::fromStdString(f.unit));
        unit->setFlags(Qt::ItemIsEnabled);
        auto *source = new QTableWidgetItem(QString::fromUtf8(kConstants[std::size_t(r)].source));
        source->setFlags(Qt::ItemIsEnabled);
        constantsTable->setItem(r, 0, name);
        constantsTable->setItem(r, 1, value);
        constantsTable->setItem(r, 2, unit);
        constantsTable->setItem(r, 3, source);
    }
    constantsTable->horizontalHeader()->setStretchLastSection(true);
    plotTabs->addTab(constantsTable, QString());

    auto *bestBox = new QGroupBox(tab);
    groups.emplace_back(bestBox, QT_TRANSLATE_NOOP("fblimits", "扫描范围内的最佳设计"));
    bestBox->setObjectName(QStringLiteral("bestGroupBox"));
    bestBox->setFont(smallFont());
    auto *bestGrid = new QGridLayout(bestBox);
    bestGrid->setContentsMargins(4, 2, 4, 2);
    bestGrid->setVerticalSpacing(2);
    slot = 0;
    for (const char *key :
         {"p_max_w", "binding_limit", "core_diameter_um_at_max", "length_m_at_max"}) {
        addOutput(bestBox, bestGrid, *mapCalculator.description().field(key),
                  std::string("map.") + key, slot / 2, (slot % 2) * 2);
        ++slot;
    }
    bestGrid->setColumnStretch(1, 1);
    bestGrid->setColumnStretch(3, 1);
    right->addWidget(bestBox, 0);
    right->addStretch(1);
    retranslateUi();
}

void FblimitsForm::retranslateUi()
{
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("fblimits", "功率极限"));
    presetLabel->setText(QCoreApplication::translate("fblimits", "参数组"));
    const auto &presets = velmora::calc::limitsPresets();
    for (int i = 0; i < presetCombo->count() && i < int(presets.size()); ++i)
        presetCombo->setItemText(i, inUiLanguage(presets[std::size_t(i)].title));
    for (const auto &[box, title] : groups)
        box->setTitle(QCoreApplication::translate("fblimits", title));
    const bool english = currentUiLanguage() == UiLanguage::English;
    for (const auto &[caption, field] : captions) {
        caption->setText(captionText(*field));
        caption->setToolTip(english ? QString::fromStdString(field->caption.en) : QString());
    }
    for (const auto &[key, combo] : choices) {
        combo->setFixedWidth(english ? kEnglishComboWidth : kComboWidth);
        for (int i = 0; i < combo->count(); ++i) {
            const QString source = combo->itemData(i, kChoiceSourceRole).toString();
            combo->setItemText(i, source == QLatin1String("absorption")
                                      ? QCoreApplication::translate("fblimits", "按吸收确定")
                                      : QCoreApplication::translate("fblimits", "给定直径"));
        }
    }
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const auto l = powerlimits::limitAt(i);
        limits.at(velmora::calc::limitUseKey(l))
            ->setText(english ? QString::fromLatin1(kShortLimitNames[i])
                              : inUiLanguage(velmora::calc::limitCaption(l)));
    }
    static const velmora::calc::LimitsMapCalculator mapCalculator;
    constantsTable->setHorizontalHeaderLabels({QCoreApplication::translate("fblimits", "材料常数"),
                                               QCoreApplication::translate("fblimits", "数值"),
                                               QCoreApplication::translate("fblimits", "单位"),
                                               QCoreApplication::translate("fblimits", "来源")});
    for (int r = 0; r < int(constantKeys.size()); ++r)
        constantsTable->item(r, 0)->setText(
            captionText(*mapCalculator.description().field(constantKeys[std::size_t(r)]))
                .section(QLatin1Char('['), 0, 0)
                .trimmed());
    designButton->setText(QCoreApplication::translate("fblimits", "计算单个设计"));
    mapButton->setText(QCoreApplication::translate("fblimits", "扫描"));
    cancelButton->setText(QCoreApplication::translate("fblimits", "取消"));
    plotTabs->setTabText(0, QCoreApplication::translate("fblimits", "最大功率"));
    plotTabs->setTabText(1, QCoreApplication::translate("fblimits", "限制因素"));
    plotTabs->setTabText(2, QCoreApplication::translate("fblimits", "各极限"));
    plotTabs->setTabText(3, QCoreApplication::translate("fblimits", "单个设计"));
    plotTabs->setTabText(4, QCoreApplication::translate("fblimits", "材料常数"));
}
