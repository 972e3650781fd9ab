#include "nolinear.h"

#include "calc/nonlinearcalc.h"
#include "calcbinding.h"
#include "formtexts.h"
#include "nolinearform.h"
#include "pageconventions.h"
#include "pagelanguage.h"

#include <QAbstractButton>
#include <QDoubleValidator>
#include <QLineEdit>

using namespace velmora::calc;

namespace {
// The tabs' calculations; stateless, shared by every page instance.
const SbsCalculator kSbs;
const SrsCalculator kSrs;
const SpmCalculator kSpm;
const FwmCalculator kFwm;
} // namespace

nolinear::nolinear(QWidget *parent) : QWidget(parent), ui(new Ui::nolinear)
{
    ui->setupUi(this);
    // The form writes its texts in Chinese once; they are the sources of
    // every later language change.
    captureSourceTexts(this);
    applySourceTexts(this, "nolinear");

    // The page opens in transmission-fiber mode: L_eff from the loss α.
    labelChange1();

    // Every input takes the page validator except the Raman shift, which may
    // be typed negative (anti-Stokes side).
    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *field : {ui->m_LlineEdit,       ui->m_KLineEdit,        ui->m_GLineEdit,
                             ui->m_REffLineEdit,    ui->m_TbLineEdit,       ui->m_LamdaPlineEdit_3,
                             ui->m_VaLineEdit,      ui->m_RouLineEdit,      ui->m_DeltaBlineEdit_2,
                             ui->m_GammaELineEdit,  ui->m_LlineEdit_2,      ui->m_GLineEdit_2,
                             ui->m_Alpha_sLineEdit, ui->m_R1LineEdit,       ui->m_R2LineEdit,
                             ui->m_REffLineEdit_2,  ui->m_GRLineEdit,       ui->m_Alpha_pLineEdit,
                             ui->m_BetaLineEdit,    ui->m_LamdaPlineEdit_4, ui->m_lamdaLineEdit,
                             ui->m_LLineEdit,       ui->m_gLineEdit,        ui->m_aLineEdit,
                             ui->m_alphaLineEdit,   ui->m_n2lineEdit,       ui->m_PpeaklineEdit,
                             ui->m_lamda1LineEdit,  ui->m_lamda2LineEdit,   ui->m_lamda3LineEdit})
        field->setValidator(validator);
    // Refractive indices take six decimals: index differences of 1e-6 matter
    // for the phase matching of four-wave mixing.
    QDoubleValidator *indexValidator = createIndexValidator(this);
    for (QLineEdit *field :
         {ui->m_NLineEdit, ui->m_n1lineEdit, ui->m_n2lineEdit_2, ui->m_n3lineEdit})
        field->setValidator(indexValidator);

    connect(ui->pushButton_3, &QAbstractButton::clicked, this, &nolinear::calresNolinear1);
    connect(ui->pushButton_4, &QAbstractButton::clicked, this, &nolinear::calresNolinear2);
    connect(ui->pushButton, &QAbstractButton::clicked, this, &nolinear::calresNolinear3);
    connect(ui->pushButton_2, &QAbstractButton::clicked, this, &nolinear::calresNolinear4);
    connect(ui->radioButton, &QAbstractButton::clicked, this, &nolinear::labelChange1);
    connect(ui->radioButton_2, &QAbstractButton::clicked, this, &nolinear::labelChange2);
}

nolinear::~nolinear()
{
    delete ui;
}

// Each slot reads its tab's fields by the calculator's description,
// evaluates, writes the results and shows the notices (pages/common/calcbinding.h).

void nolinear::calresNolinear1()
{
    runCalculator(this, kSbs);
}

void nolinear::calresNolinear2()
{
    runCalculator(this, kSrs);
}

// The fiber type is the state of the second radio button; the field of the
// other type stays disabled and is ignored.
void nolinear::calresNolinear3()
{
    runCalculator(this, kSpm);
}

void nolinear::calresNolinear4()
{
    runCalculator(this, kFwm);
}

void nolinear::labelChange1()
{
    ui->LeffFormula->show();
    ui->LeffFormula_2->hide();
    ui->m_gLineEdit->setEnabled(false);
    ui->gLabel->setEnabled(false);
    ui->m_alphaLineEdit->setEnabled(true);
    ui->alpLabel->setEnabled(true);
    ui->m_AlineEdit->clear();
    ui->m_rLineEdit->clear();
    ui->m_LefflineEdit->clear();
    ui->m_failineEdit->clear();
}

void nolinear::labelChange2()
{
    ui->LeffFormula->hide();
    ui->LeffFormula_2->show();
    ui->m_alphaLineEdit->setEnabled(false);
    ui->alpLabel->setEnabled(false);
    ui->m_gLineEdit->setEnabled(true);
    ui->gLabel->setEnabled(true);
    ui->m_AlineEdit->clear();
    ui->m_rLineEdit->clear();
    ui->m_LefflineEdit->clear();
    ui->m_failineEdit->clear();
}

void nolinear::changeEvent(QEvent *event)
{
    if (isLanguageChange(event))
        applySourceTexts(this, "nolinear");
    QWidget::changeEvent(event);
}
