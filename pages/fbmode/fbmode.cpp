#include "fbmode.h"
#include "childsignals.h"

#include <qcustomplot.h>
#include "calc/fiberinputs.h"
#include "calcbinding.h"
#include "catalogue.h"
#include "exactmodestab.h"
#include "fbmodeform.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "qplot.h"
#include "textfit.h"
#include "textformat.h"
#include "uilanguage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

fbmode::fbmode(QWidget *parent) : QWidget(parent), ui(new Ui::fbmode)
{
    ui->setupUi(this);
    fitTextsToWidgets(this); // English captions wider than the form was laid out for
    ui->tabWidget->addTab(new ExactModesTab(ui->tabWidget), tr("精确模式特性"));
    installValidators();
    connectSignals();

    for (QLineEdit *output : {ui->m_VLineEdit_2, ui->m_NnumLineEdit_2, ui->m_m2xLineEdit_2,
                              ui->m_m2yLineEdit_2, ui->m_BetalineEdit_2, ui->m_AlphalineEdit_2})
        setupOutputField(output);

    ui->SRS_dLabel_7->hide();
    ui->SRS_dLabel_6->show();
    ui->radioButton->setChecked(true);
}

fbmode::~fbmode()
{
    disconnectChildrenFrom(this); // before ~QWidget moves the focus
    delete ui;
}

void fbmode::clearResults(int tab)
{
    switch (tab) {
    case 0: // 模式分布: the table, the per-order lists of the export, the map
        m_modeTotal = 0;
        m_lastNeffLists.clear();
        m_lastModeCounts.clear();
        m_lastMaxOrder = -1;
        m_mapComputed = false;
        ui->tableWidget->clearContents();
        ui->tableWidget->setRowCount(0);
        clearModeMap();
        break;
    case 1: // 光束质量因子: the mixture map
        m_mixtureGrid.clear();
        m_beamComputed = false;
        if (m_mixtureColorMap) {
            m_mixtureColorMap->setVisible(false);
            ui->customPlot_3->replot();
        }
        break;
    case 2: { // 弯曲损耗: the mode list of the old fiber
        const QSignalBlocker blocker(ui->mdcomboBox_2);
        ui->mdcomboBox_2->clear();
        break;
    }
    case 3:
        if (auto *exact = findChild<ExactModesTab *>())
            exact->clearResults();
        break;
    default: break;
    }
}

void fbmode::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslateKeepingContents(this, [this] { ui->retranslateUi(this); });
        ui->tabWidget->setTabText(3, tr("精确模式特性"));
    }
    QWidget::changeEvent(event);
}

void fbmode::installValidators()
{
    QDoubleValidator *validator = createInputValidator(this);
    QLineEdit *const validated[] = {
        ui->m_ALineEdit_2,      ui->m_lambdaLineEdit_2, ui->m_AlineEdit_2,    ui->m_RlineEdit_2,
        ui->m_LambdalineEdit_2, ui->m_NALineEdit_3,     ui->m_AlphalineEdit_2};
    for (QLineEdit *field : validated)
        field->setValidator(validator);
    // Only the single row of order 0 and the "E" rows take the validator; the
    // "O" weights are typed freely.
    for (auto &row : ui->weightE)
        for (QLineEdit *field : row)
            field->setValidator(validator);

    // Indices and the NA need two more digits than the shared validator allows
    // (n1 cut to four decimals would silently change the NA it links to).
    QDoubleValidator *indexValidator = createIndexValidator(this);
    for (QLineEdit *field : {ui->m_NALineEdit_2, ui->m_N1LineEdit_2, ui->m_N2LineEdit_2,
                             ui->m_N1lineEdit_2, ui->m_N2lineEdit_2})
        field->setValidator(indexValidator);
}

void fbmode::connectSignals()
{
    connect(ui->pushButton_11, &QAbstractButton::clicked, this, &fbmode::calresFB1);
    connect(ui->pushButton_12, &QAbstractButton::clicked, this, &fbmode::calresFB5);
    connect(ui->pushButton_13, &QAbstractButton::clicked, this, &fbmode::calresFB6);
    connect(ui->m_N1LineEdit_2, &QLineEdit::editingFinished, this, &fbmode::changeNA);
    connect(ui->m_NALineEdit_2, &QLineEdit::editingFinished, this, &fbmode::changen1);
    connect(ui->m_N1lineEdit_2, &QLineEdit::editingFinished, this, &fbmode::changeNA_2);
    connect(ui->m_NALineEdit_3, &QLineEdit::editingFinished, this, &fbmode::changen1_2);
    connect(ui->tableWidget, &QTableWidget::itemPressed, this, &fbmode::PressColumn);
    connect(ui->radioButton, &QAbstractButton::clicked, this, &fbmode::changeRdbtn1);
    connect(ui->radioButton_2, &QAbstractButton::clicked, this, &fbmode::changeRdbtn2);
    connect(ui->radioButton_3, &QAbstractButton::clicked, this, &fbmode::changeRdbtn3);
    // The label switch runs before the values are recomputed.
    connect(ui->mdcomboBox_2, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &fbmode::labelChange);
    connect(ui->mdcomboBox_2, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &fbmode::comboChange);
    connect(ui->mdcomboBox_3, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &fbmode::comboChange2);
    connect(ui->R_checkBox, &QCheckBox::stateChanged, this, &fbmode::R_Checked);
}

// --- Linked NA / n1 fields ---------------------------------------------------

void fbmode::linkIndices(const char *calculatorId, const std::string &key)
{
    using namespace velmora::calc;
    const Calculator &calculator = *catalogue().find(calculatorId);
    const CalculatorDescription &description = calculator.description();
    // Only a field the user edited drives its partner: focus passing through
    // the partner after its echo must not echo back and rewrite the typed
    // n1 with one recomputed from the rounded NA. An emptied field is still
    // refilled from its partner.
    auto *source =
        findChild<QLineEdit *>(QString::fromStdString(description.field(key)->objectName));
    if (source && !source->isModified() && !source->text().isEmpty())
        return;
    const Inputs linked = calculator.linkEdited(readInputs(this, description), key);
    for (const char *partner : {"n1", "na"}) {
        auto *field =
            findChild<QLineEdit *>(QString::fromStdString(description.field(partner)->objectName));
        const QString text = QString::fromStdString(linked.at(partner));
        if (field->text() != text)
            field->setText(text);
    }
    if (source)
        source->setModified(false); // handled: a later focus change is no edit
    // The link leaves n1 alone above the limit; the page says why.
    if (key == "na" && velmora::calc::readNumber(linked.at("na")) > velmora::calc::modes::kMaxNa)
        showNotice(this, inUiLanguage(velmora::calc::modes::kNaAboveHalf));
}

void fbmode::changeNA()
{
    linkIndices("modes.solve", "n1");
}

void fbmode::changen1()
{
    linkIndices("modes.solve", "na");
}

void fbmode::changeNA_2()
{
    linkIndices("modes.bend_loss", "n1");
}

void fbmode::changen1_2()
{
    linkIndices("modes.bend_loss", "na");
}
