#include "laserpluse.h"

#include "laserformulas.h"
#include "laserpluseform.h"
#include "pageconventions.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QPushButton>

LaserPluse::LaserPluse(QWidget *parent) : QWidget(parent), ui(new Ui::LaserPluse)
{
    ui->setupUi(this);

    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *input : {ui->m_TaolineEdit, ui->m_FlineEdit, ui->m_P_avelineEdit})
        input->setValidator(validator);
    setupOutputField(ui->m_ElineEdit);
    setupOutputField(ui->m_P_peaklineEdit);

    connect(ui->pushButton, SIGNAL(clicked()), this, SLOT(calresLaserPls()));
}

LaserPluse::~LaserPluse()
{
    delete ui;
}

void LaserPluse::calresLaserPls()
{
    const double tau = readField(ui->m_TaolineEdit);            // s
    const double rate = readField(ui->m_FlineEdit);             // Hz
    const double averagePower = readField(ui->m_P_avelineEdit); // W

    const double energy = laser::pulseEnergy(averagePower, rate);
    // From the full energy, not from its four-decimal display: a 2 μJ pulse
    // shows E as 0.0000 but still has its proper peak power.
    const double peak = laser::peakPower(energy, tau);

    ui->m_ElineEdit->setText(formatNumber(energy, 'f', 4));
    ui->m_P_peaklineEdit->setText(formatNumber(peak, 'g', 4));
}
