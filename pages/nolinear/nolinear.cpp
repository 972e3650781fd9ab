#include "nolinear.h"

#include "nolinearform.h"
#include "nonlinear.h"
#include "pageconventions.h"

#include <QDoubleValidator>

using namespace nonlinear;

nolinear::nolinear(QWidget *parent) : QWidget(parent), ui(new Ui::nolinear)
{
    ui->setupUi(this);

    // The page opens in transmission-fiber mode: L_eff from the loss α.
    transmissionFiber = true;
    labelChange1();

    // Every input takes the page validator except the Raman shift, which may
    // be typed negative (anti-Stokes side).
    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *field : {ui->m_LlineEdit,        ui->m_KLineEdit,       ui->m_NLineEdit,
                             ui->m_GLineEdit,        ui->m_REffLineEdit,    ui->m_TbLineEdit,
                             ui->m_LamdaPlineEdit_3, ui->m_VaLineEdit,      ui->m_RouLineEdit,
                             ui->m_DeltaBlineEdit_2, ui->m_GammaELineEdit,  ui->m_LlineEdit_2,
                             ui->m_GLineEdit_2,      ui->m_Alpha_sLineEdit, ui->m_R1LineEdit,
                             ui->m_R2LineEdit,       ui->m_REffLineEdit_2,  ui->m_GRLineEdit,
                             ui->m_Alpha_pLineEdit,  ui->m_BetaLineEdit,    ui->m_LamdaPlineEdit_4,
                             ui->m_lamdaLineEdit,    ui->m_LLineEdit,       ui->m_gLineEdit,
                             ui->m_aLineEdit,        ui->m_alphaLineEdit,   ui->m_n2lineEdit,
                             ui->m_PpeaklineEdit,    ui->m_lamda1LineEdit,  ui->m_lamda2LineEdit,
                             ui->m_lamda3LineEdit,   ui->m_n1lineEdit,      ui->m_n2lineEdit_2,
                             ui->m_n3lineEdit})
        field->setValidator(validator);

    connect(ui->pushButton_3, SIGNAL(clicked()), this, SLOT(calresNolinear1()));
    connect(ui->pushButton_4, SIGNAL(clicked()), this, SLOT(calresNolinear2()));
    connect(ui->pushButton, SIGNAL(clicked()), this, SLOT(calresNolinear3()));
    connect(ui->pushButton_2, SIGNAL(clicked()), this, SLOT(calresNolinear4()));
    connect(ui->radioButton, SIGNAL(clicked()), this, SLOT(labelChange1()));
    connect(ui->radioButton_2, SIGNAL(clicked()), this, SLOT(labelChange2()));
}

nolinear::~nolinear()
{
    delete ui;
}

void nolinear::calresNolinear1()
{
    const double length = readField(ui->m_LlineEdit);
    const double polarisation = readField(ui->m_KLineEdit);
    const double n = readField(ui->m_NLineEdit);
    const double gain = readField(ui->m_GLineEdit);
    const double rEff = readField(ui->m_REffLineEdit);
    const double phononLifetime = readField(ui->m_TbLineEdit);
    const double lambdaP = readField(ui->m_LamdaPlineEdit_3) * 1e-9;
    const double soundSpeed = readField(ui->m_VaLineEdit);
    const double density = readField(ui->m_RouLineEdit);
    const double shift = readField(ui->m_DeltaBlineEdit_2);
    const double gammaE = readField(ui->m_GammaELineEdit);

    const double gb = brillouinPeakGain(gammaE, phononLifetime, n, lambdaP, density, soundSpeed);
    const double threshold = sbsThreshold(rEff, polarisation, gain, length, gb);
    const double lambdaS = stokesWavelength(lambdaP, shift) * 1e9;

    ui->m_LambdaBlineEdit_2->setText(formatNumber(lambdaS, 'f', 4));
    ui->m_GBlineEdit->setText(formatNumber(gb, 'g', 4));
    ui->m_SBSLineEdit->setText(formatNumber(threshold, 'f', 4));
}

void nolinear::calresNolinear2()
{
    const double length = readField(ui->m_LlineEdit_2);
    const double gain = readField(ui->m_GLineEdit_2);
    const double alphaS = readField(ui->m_Alpha_sLineEdit);
    const double r1 = readField(ui->m_R1LineEdit);
    const double r2 = readField(ui->m_R2LineEdit);
    const double rEff = readField(ui->m_REffLineEdit_2);
    const double ramanGain = readField(ui->m_GRLineEdit);
    const double alphaP = readField(ui->m_Alpha_pLineEdit);
    const double ratio = readField(ui->m_BetaLineEdit);
    const double shift = readField(ui->m_DeltaRlineEdit_2);
    const double lambdaP = readField(ui->m_LamdaPlineEdit_4) * 1e-9;

    const double delivery = srsDeliveryThreshold(rEff, alphaS, length, ramanGain);
    const double amplifier = srsAmplifierThreshold(rEff, gain, ramanGain, length, ratio);
    const double oscillator =
        srsOscillatorThreshold(rEff, alphaS, alphaP, length, ramanGain, r1, r2);
    const double lambdaS = stokesWavelength(lambdaP, shift) * 1e9;

    ui->m_LambdaRlineEdit_2->setText(formatNumber(lambdaS, 'g', 6));
    ui->m_SRSdLineEdit->setText(formatNumber(delivery, 'g', 6));
    ui->m_SRSaLineEdit->setText(formatNumber(amplifier, 'g', 6));
    ui->m_SRSoLineEdit->setText(formatNumber(oscillator, 'g', 6));
}

void nolinear::calresNolinear3()
{
    // All inputs are read whatever the fiber type; the disabled one is unused.
    const double n2 = readField(ui->m_n2lineEdit);
    const double length = readField(ui->m_LLineEdit);
    const double peakPower = readField(ui->m_PpeaklineEdit);
    const double lambda = readField(ui->m_lamdaLineEdit) * 1e-9;
    const double coreRadius = readField(ui->m_aLineEdit) * 1e-6;
    const double alpha = readField(ui->m_alphaLineEdit);
    const double gain = readField(ui->m_gLineEdit);

    const double area = coreArea(coreRadius);
    const double gamma = nonlinearParameter(n2, lambda, area);
    const double effectiveLength = transmissionFiber ? effectiveLengthTransmission(alpha, length)
                                                     : effectiveLengthGain(gain, length);
    const double phase = nonlinearPhase(gamma, peakPower, effectiveLength);

    ui->m_AlineEdit->setText(formatNumber(area, 'g', 4));
    ui->m_rLineEdit->setText(formatNumber(gamma, 'g', 4));
    ui->m_LefflineEdit->setText(formatNumber(effectiveLength, 'g', 4));
    ui->m_failineEdit->setText(formatNumber(phase, 'g', 4));
}

void nolinear::calresNolinear4()
{
    const double lambda1 = readField(ui->m_lamda1LineEdit) * 1e-9;
    const double lambda2 = readField(ui->m_lamda2LineEdit) * 1e-9;
    const double lambda3 = readField(ui->m_lamda3LineEdit) * 1e-9;
    const double n1 = readField(ui->m_n1lineEdit);
    const double n2 = readField(ui->m_n2lineEdit_2);
    const double n3 = readField(ui->m_n3lineEdit);

    ui->m_deltaKlineEdit->setText(
        formatNumber(fwmPhaseMismatch(lambda1, lambda2, lambda3, n1, n2, n3), 'g', 3));
}

void nolinear::labelChange1()
{
    ui->LeffFormula->show();
    ui->LeffFormula_2->hide();
    ui->m_gLineEdit->setEnabled(false);
    ui->gLabel->setEnabled(false);
    ui->m_alphaLineEdit->setEnabled(true);
    ui->alpLabel->setEnabled(true);
    transmissionFiber = true;
    gainFiber = false;
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
    transmissionFiber = false;
    gainFiber = true;
    ui->m_AlineEdit->clear();
    ui->m_rLineEdit->clear();
    ui->m_LefflineEdit->clear();
    ui->m_failineEdit->clear();
}
