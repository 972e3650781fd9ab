#include "fbmode.h"

#include "fbmodeform.h"
#include "pageconventions.h"
#include "qplot.h"

#include <QDoubleValidator>

#include <cmath>

fbmode::fbmode(QWidget *parent) : QWidget(parent), ui(new Ui::fbmode)
{
    ui->setupUi(this);
    installValidators();
    connectSignals();

    for (QLineEdit *output : {ui->m_VLineEdit_2, ui->m_NnumLineEdit_2, ui->m_m2xLineEdit_2,
                              ui->m_m2yLineEdit_2, ui->m_BetalineEdit_2, ui->m_AlphalineEdit_2})
        setupOutputField(output);

    ui->SRS_dLabel_7->hide();
    ui->SRS_dLabel_6->show();
    ui->radioButton->setChecked(true);

    // The six grids of the shown mode live as long as the page.
    for (std::vector<double> *grid :
         {&m_fieldMaps.intensityE, &m_fieldMaps.intensityO, &m_fieldMaps.amplitudeE,
          &m_fieldMaps.amplitudeO, &m_fieldMaps.phaseE, &m_fieldMaps.phaseO})
        grid->assign(kFieldGridCells, 0.0);
}

fbmode::~fbmode()
{
    delete ui;
}

void fbmode::installValidators()
{
    QDoubleValidator *validator = createInputValidator(this);
    QLineEdit *const validated[] = {
        ui->m_N1LineEdit_2,     ui->m_N2LineEdit_2, ui->m_ALineEdit_2,
        ui->m_lambdaLineEdit_2, ui->m_AlineEdit_2,  ui->m_RlineEdit_2,
        ui->m_LambdalineEdit_2, ui->m_NALineEdit_3, ui->m_AlphalineEdit_2};
    for (QLineEdit *field : validated)
        field->setValidator(validator);
    // Only the single row of order 0 and the "E" rows take the validator; the
    // "O" weights are typed freely.
    for (auto &row : ui->weightE)
        for (QLineEdit *field : row)
            field->setValidator(validator);

    // Indices and the NA need two more digits than the shared validator allows.
    for (QLineEdit *field : {ui->m_NALineEdit_2, ui->m_N1lineEdit_2, ui->m_N2lineEdit_2})
        field->setValidator(createInputValidator(this, 6));
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

void fbmode::linkNAFromN1(QLineEdit *n1Field, QLineEdit *n2Field, QLineEdit *naField)
{
    double n1 = readField(n1Field);
    const double n2 = readField(n2Field);
    const double na = readField(naField);
    if (n1Field->text().isEmpty()) {
        n1 = std::sqrt(na * na + n2 * n2);
        n1Field->setText(formatNumber(n1, 'g', 6));
    }
    naField->setText(formatPrintf("%f", std::sqrt(n1 * n1 - n2 * n2)));
}

void fbmode::linkN1FromNA(QLineEdit *n1Field, QLineEdit *n2Field, QLineEdit *naField)
{
    const double n1 = readField(n1Field);
    const double n2 = readField(n2Field);
    double na = readField(naField);
    if (naField->text().isEmpty()) {
        na = std::sqrt(n1 * n1 - n2 * n2);
        naField->setText(formatNumber(na, 'g', 6));
    }
    if (na > 0.5) {
        showNotice(this, QStringLiteral("数值孔径不超过0.5"));
        return;
    }
    n1Field->setText(formatPrintf("%f", std::sqrt(na * na + n2 * n2)));
}

void fbmode::changeNA()
{
    linkNAFromN1(ui->m_N1LineEdit_2, ui->m_N2LineEdit_2, ui->m_NALineEdit_2);
}

void fbmode::changen1()
{
    linkN1FromNA(ui->m_N1LineEdit_2, ui->m_N2LineEdit_2, ui->m_NALineEdit_2);
}

void fbmode::changeNA_2()
{
    linkNAFromN1(ui->m_N1lineEdit_2, ui->m_N2lineEdit_2, ui->m_NALineEdit_3);
}

void fbmode::changen1_2()
{
    linkN1FromNA(ui->m_N1lineEdit_2, ui->m_N2lineEdit_2, ui->m_NALineEdit_3);
}

double fbmode::reconcileNA()
{
    const double n1 = readField(ui->m_N1LineEdit_2);
    const double n2 = readField(ui->m_N2LineEdit_2);
    const double computed = std::sqrt(n1 * n1 - n2 * n2);
    const double typed = readField(ui->m_NALineEdit_2);
    if (std::abs(computed - typed) < 0.01) {
        ui->m_NALineEdit_2->setText(formatNumber(typed, 'g', 6));
        return typed;
    }
    ui->m_NALineEdit_2->setText(formatPrintf("%.4f", computed));
    return computed;
}
