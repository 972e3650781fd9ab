#include "fbmode.h"

#include "calc/fiberinputs.h"
#include "calcbinding.h"
#include "catalogue.h"
#include "exactmodestab.h"
#include "fbmodeform.h"
#include "pageconventions.h"
#include "qplot.h"
#include "textformat.h"

#include <QDoubleValidator>

fbmode::fbmode(QWidget *parent) : QWidget(parent), ui(new Ui::fbmode)
{
    ui->setupUi(this);
    ui->tabWidget->addTab(new ExactModesTab(ui->tabWidget), QStringLiteral("精确模式特性"));
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
    delete ui;
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
    connect(ui->pushButton_11, SIGNAL(clicked()), this, SLOT(calresFB1()));
    connect(ui->pushButton_12, SIGNAL(clicked()), this, SLOT(calresFB5()));
    connect(ui->pushButton_13, SIGNAL(clicked()), this, SLOT(calresFB6()));
    connect(ui->m_N1LineEdit_2, SIGNAL(editingFinished()), this, SLOT(changeNA()));
    connect(ui->m_NALineEdit_2, SIGNAL(editingFinished()), this, SLOT(changen1()));
    connect(ui->m_N1lineEdit_2, SIGNAL(editingFinished()), this, SLOT(changeNA_2()));
    connect(ui->m_NALineEdit_3, SIGNAL(editingFinished()), this, SLOT(changen1_2()));
    connect(ui->tableWidget, SIGNAL(itemPressed(QTableWidgetItem *)), this, SLOT(PressColumn()));
    connect(ui->radioButton, SIGNAL(clicked()), this, SLOT(changeRdbtn1()));
    connect(ui->radioButton_2, SIGNAL(clicked()), this, SLOT(changeRdbtn2()));
    connect(ui->radioButton_3, SIGNAL(clicked()), this, SLOT(changeRdbtn3()));
    // The label switch runs before the values are recomputed.
    connect(ui->mdcomboBox_2, SIGNAL(currentIndexChanged(int)), this, SLOT(labelChange()));
    connect(ui->mdcomboBox_2, SIGNAL(currentIndexChanged(int)), this, SLOT(comboChange()));
    connect(ui->mdcomboBox_3, SIGNAL(currentIndexChanged(int)), this, SLOT(comboChange2()));
    connect(ui->R_checkBox, SIGNAL(stateChanged(int)), this, SLOT(R_Checked()));
}

// --- Linked NA / n1 fields ---------------------------------------------------

void fbmode::linkIndices(const char *calculatorId, const std::string &key)
{
    using namespace velmora::calc;
    const Calculator &calculator = *catalogue().find(calculatorId);
    const CalculatorSpec &spec = calculator.spec();
    const Inputs linked = calculator.linkEdited(readInputs(this, spec), key);
    for (const char *partner : {"n1", "na"}) {
        auto *field =
            findChild<QLineEdit *>(QString::fromStdString(spec.field(partner)->objectName));
        const QString text = QString::fromStdString(linked.at(partner));
        if (field->text() != text)
            field->setText(text);
    }
    // The link leaves n1 alone above the limit; the page says why.
    if (key == "na" && velmora::calc::readNumber(linked.at("na")) > velmora::calc::modes::kMaxNa)
        showNotice(this, QString::fromStdString(velmora::calc::modes::kNaAboveHalf.zh));
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
