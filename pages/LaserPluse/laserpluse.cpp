#include "laserpluse.h"

#include "calc/pulsecalc.h"
#include "calcbinding.h"
#include "laserpluseform.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "textfit.h"

#include <QAbstractButton>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QPushButton>

namespace {
const velmora::calc::PulseCalculator kCalculator;
}

LaserPluse::LaserPluse(QWidget *parent) : QWidget(parent), ui(new Ui::LaserPluse)
{
    ui->setupUi(this);
    fitTextsToWidgets(this); // English captions wider than the form was laid out for

    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *input : {ui->m_TaolineEdit, ui->m_FlineEdit, ui->m_P_avelineEdit})
        input->setValidator(validator);
    setupOutputField(ui->m_ElineEdit);
    setupOutputField(ui->m_P_peaklineEdit);

    connect(ui->pushButton, &QAbstractButton::clicked, this, &LaserPluse::calresLaserPls);
}

LaserPluse::~LaserPluse()
{
    delete ui;
}

void LaserPluse::calresLaserPls()
{
    runCalculator(this, kCalculator);
}

void LaserPluse::changeEvent(QEvent *event)
{
    if (isLanguageChange(event))
        retranslateKeepingContents(this, [this] { ui->retranslateUi(this); });
    QWidget::changeEvent(event);
}
