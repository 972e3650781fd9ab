#include "pulseampform.h"

#include "calculator.h"
#include "formbuilder.h"
#include "pagelanguage.h"
#include "uilanguage.h"

#include <qcustomplot.h>

#include <QCheckBox>
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
constexpr int kFieldWidth = 70;
constexpr int kComboWidth = 120;
constexpr int kRowHeight = 21;
constexpr int kInputColumnWidth = 360;
constexpr int kPlotHeight = 270;

struct Group {
    const char *title;
    const char *objectName;
    std::vector<const char *> keys;
};

const std::vector<Group> kInputGroups = {
    {QT_TRANSLATE_NOOP("pulseamp", "脉冲"),
     "pulseGroupBox",
     {"lambda_nm", "shape", "t0_fs", "fwhm_fs", "p_peak_w", "chirp", "sg_order"}},
    {QT_TRANSLATE_NOOP("pulseamp", "光纤"),
     "fiberGroupBox",
     {"length_m", "loss_db_m", "gamma_w_m", "raman", "shock", "betas"}},
    {QT_TRANSLATE_NOOP("pulseamp", "数值"), "numericsGroupBox", {"points", "window_ps", "tol"}},
};

QString captionText(const FieldDescription &f)
{
    QString text = inUiLanguage(f.caption);
    const bool english = currentUiLanguage() == UiLanguage::English;
    if (english && !text.isEmpty())
        text[0] = text[0].toUpper();
    if (!f.unit.empty())
        text += QString::fromLatin1(english ? " [%1]" : "[%1]").arg(QString::fromStdString(f.unit));
    return text;
}

// The calculator's ASCII choices as shown.
QString shownChoice(const QString &source)
{
    static const std::pair<const char *, const char *> kChoices[] = {
        {"sech", QT_TRANSLATE_NOOP("pulseamp", "双曲正割")},
        {"gaussian", QT_TRANSLATE_NOOP("pulseamp", "高斯")},
        {"super_gaussian", QT_TRANSLATE_NOOP("pulseamp", "超高斯")},
        {"blow_wood", QT_TRANSLATE_NOOP("pulseamp", "Blow–Wood")},
        {"lin_agrawal", QT_TRANSLATE_NOOP("pulseamp", "Lin–Agrawal")},
        {"hollenbeck_cantrell", QT_TRANSLATE_NOOP("pulseamp", "Hollenbeck–Cantrell")},
        {"none", QT_TRANSLATE_NOOP("pulseamp", "无拉曼")},
    };
    for (const auto &[id, text] : kChoices)
        if (source == QLatin1String(id))
            return QCoreApplication::translate("pulseamp", text);
    return source;
}

QFont smallFont()
{
    return form::pointFont(kFontPt);
}

QLabel *label(QWidget *parent)
{
    auto *l = new QLabel(parent);
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

void PulseampForm::setupUi(QWidget *page, const std::vector<FieldDescription> &fields)
{
    tabWidget = form::pageTabWidget(page, "pulseamp");
    tab = new QWidget();
    tab->setObjectName(QStringLiteral("tab"));
    tabWidget->addTab(tab, QString());
    tabWidget->setUsesScrollButtons(false); // the English tab text shows whole

    std::map<std::string, const FieldDescription *> descriptions;
    for (const FieldDescription &f : fields)
        if (f.role == FieldRole::Input) // the output curve lambda_nm shares its key
            descriptions[f.key] = &f;

    auto *columns = new QHBoxLayout(tab);
    columns->setContentsMargins(6, 4, 6, 4);
    auto *leftPanel = new QWidget(tab);
    leftPanel->setFixedWidth(kInputColumnWidth);
    auto *left = new QVBoxLayout(leftPanel);
    left->setSpacing(2);
    left->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(leftPanel, 0);

    for (const Group &g : kInputGroups) {
        auto *box = new QGroupBox(tab);
        groups.emplace_back(box, g.title);
        box->setObjectName(QString::fromLatin1(g.objectName));
        box->setFont(smallFont());
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(4, 2, 4, 2);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(2);
        int row = 0;
        for (const char *key : g.keys) {
            const FieldDescription &f = *descriptions.at(key);
            QLabel *caption = label(box);
            captions.emplace_back(caption, &f);
            grid->addWidget(caption, row, 0);
            QWidget *editor = nullptr;
            if (f.kind == ValueKind::Choice && f.objectName.find("checkBox") != std::string::npos) {
                auto *check = new QCheckBox(box);
                check->setChecked(f.defaultText == "1");
                checks[f.key] = check;
                editor = check;
            } else if (f.kind == ValueKind::Choice && !f.choices.empty()) {
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
                // The dispersion list takes the rest of the row.
                if (f.kind == ValueKind::Number)
                    editor->setFixedWidth(kFieldWidth);
            }
            editor->setObjectName(QString::fromStdString(f.objectName));
            editor->setFont(smallFont());
            editor->setFixedHeight(kRowHeight);
            // The dispersion list spans to the box's edge; others keep their width.
            if (f.kind == ValueKind::Choice && f.choices.empty())
                grid->addWidget(editor, row, 1, 1, 2);
            else
                grid->addWidget(editor, row, 1);
            ++row;
        }
        grid->setColumnStretch(2, 1);
        left->addWidget(box);
    }

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
    statusLabel = label(tab);
    statusLabel->setObjectName(QStringLiteral("m_StatusLabel"));
    statusLabel->setWordWrap(true);
    left->addWidget(statusLabel);
    left->addStretch(1);

    auto *right = new QVBoxLayout();
    columns->addLayout(right, 1);
    plotTabs = new QTabWidget(tab);
    plotTabs->setObjectName(QStringLiteral("plotTabWidget"));
    plotTabs->setFont(smallFont());
    plotTabs->setUsesScrollButtons(false);
    timePlot = plot(plotTabs, "m_TimePlot");
    spectrumPlot = plot(plotTabs, "m_SpectrumPlot");
    for (QCustomPlot *p : {timePlot, spectrumPlot})
        plotTabs->addTab(p, QString());
    plotTabs->setFixedHeight(kPlotHeight);
    right->addWidget(plotTabs, 0);

    outputBox = new QGroupBox(tab);
    outputBox->setObjectName(QStringLiteral("outputGroupBox"));
    outputBox->setFont(smallFont());
    auto *outGrid = new QGridLayout(outputBox);
    outGrid->setContentsMargins(4, 2, 4, 2);
    outGrid->setVerticalSpacing(2);
    int slot = 0;
    for (const FieldDescription &f : fields) {
        if (f.role != FieldRole::Output || f.objectName.empty())
            continue;
        const int row = slot, col = 0; // one per row: every digit shows
        ++slot;
        QLabel *caption = label(outputBox);
        captions.emplace_back(caption, &f);
        outGrid->addWidget(caption, row, col);
        auto *edit = new QLineEdit(outputBox);
        edit->setObjectName(QString::fromStdString(f.objectName));
        edit->setFont(smallFont());
        edit->setReadOnly(true);
        edit->setFixedHeight(kRowHeight);
        edit->setStyleSheet(QStringLiteral("background-color: rgb(213, 213, 213);"));
        outputs[f.key] = edit;
        outGrid->addWidget(edit, row, col + 1);
    }
    outGrid->setColumnStretch(1, 1);
    right->addWidget(outputBox, 0);
    right->addStretch(1);
    retranslateUi();
}

void PulseampForm::retranslateUi()
{
    tabWidget->setTabText(tabWidget->indexOf(tab),
                          QCoreApplication::translate("pulseamp", "脉冲传输"));
    for (const auto &[box, title] : groups)
        box->setTitle(QCoreApplication::translate("pulseamp", title));
    for (const auto &[caption, field] : captions) {
        caption->setText(captionText(*field));
        caption->setToolTip(currentUiLanguage() == UiLanguage::English
                                ? QString::fromStdString(field->caption.en)
                                : QString());
    }
    for (const auto &[key, combo] : choices)
        for (int i = 0; i < combo->count(); ++i)
            combo->setItemText(i, shownChoice(combo->itemData(i, kChoiceSourceRole).toString()));
    calculateButton->setText(QCoreApplication::translate("pulseamp", "计算"));
    cancelButton->setText(QCoreApplication::translate("pulseamp", "取消"));
    plotTabs->setTabText(0, QCoreApplication::translate("pulseamp", "时域"));
    plotTabs->setTabText(1, QCoreApplication::translate("pulseamp", "光谱"));
    outputBox->setTitle(QCoreApplication::translate("pulseamp", "输出项"));
}
