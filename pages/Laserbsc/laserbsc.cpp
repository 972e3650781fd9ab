#include "laserbsc.h"

#include "laserbscform.h"
#include "laserformulas.h"
#include "pageconventions.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QPushButton>

Laserbsc::Laserbsc(QWidget *parent) : QWidget(parent), ui(new Ui::Laserbsc)
{
    ui->setupUi(this);

    // Only the wavelength is validated: the two spectral-width fields are a
    // linked pair that must accept what the partner writes ("5e+09").
    ui->m_LasLamlineEdit->setValidator(createInputValidator(this));
    for (QLineEdit *output : {ui->m_niulineEdit, ui->m_tao_clineEdit, ui->m_L_clineEdit})
        setupOutputField(output);

    connect(ui->m_btn_Cal4, SIGNAL(clicked()), this, SLOT(calresLaserbsc1()));
    connect(ui->m_delta_lambdalineEdit, SIGNAL(editingFinished()), this, SLOT(changeFreq()));
    connect(ui->m_delta_niulineEdit, SIGNAL(editingFinished()), this, SLOT(changeLin()));
}

Laserbsc::~Laserbsc()
{
    delete ui;
}

void Laserbsc::calresLaserbsc1()
{
    const double lambda = readField(ui->m_LasLamlineEdit) * 1e-9; // nm -> m
    const double linewidth = readField(ui->m_delta_niulineEdit);  // Hz

    const double frequency = laser::opticalFrequency(lambda);
    const double tau = laser::coherenceTime(linewidth);
    const double length = laser::coherenceLength(tau);

    ui->m_niulineEdit->setText(formatNumber(frequency, 'g', 4));
    ui->m_tao_clineEdit->setText(formatNumber(tau, 'g', 4));
    ui->m_L_clineEdit->setText(formatNumber(length, 'g', 4));
}

// Δλ edited: Δν follows, to two significant digits.
void Laserbsc::changeFreq()
{
    const double lambda = readField(ui->m_LasLamlineEdit) * 1e-9;
    const double widthNm = readField(ui->m_delta_lambdalineEdit);
    ui->m_delta_niulineEdit->setText(
        formatPrintf("%.2g", laser::linewidthHzFromNm(widthNm, lambda)));
}

// Δν edited: Δλ follows, with four decimals of a nanometre.
void Laserbsc::changeLin()
{
    const double lambda = readField(ui->m_LasLamlineEdit) * 1e-9;
    const double widthHz = readField(ui->m_delta_niulineEdit);
    ui->m_delta_lambdalineEdit->setText(
        formatPrintf("%.4f", laser::linewidthNmFromHz(widthHz, lambda)));
}
