#include "bscoptlaw.h"
#include "childsignals.h"

#include "bscoptlawform.h"
#include "calc/refractioncalc.h"
#include "calcbinding.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "textfit.h"

#include <QDoubleValidator>
#include <QLineEdit>
#include <QPushButton>

namespace {
const velmora::calc::RefractionCalculator kCalculator;
}

bscoptlaw::bscoptlaw(QWidget *parent) : QWidget(parent), ui(new Ui::bscoptlaw)
{
    ui->setupUi(this);
    fitTextsToWidgets(this); // English captions wider than the form was laid out for

    QDoubleValidator *validator = createInputValidator(this);
    QDoubleValidator *indexValidator = createIndexValidator(this);
    ui->m_RfrlineEdit_1->setValidator(indexValidator);
    ui->m_RfrlineEdit_2->setValidator(indexValidator);
    ui->m_ThetalineEdit_3->setValidator(validator);
    // The radian field stays unvalidated so that it can be emptied and then
    // refilled from the degree field.

    for (QLineEdit *output : {ui->m_RadlineEdit_8, ui->m_RadlineEdit_9, ui->m_RadlineEdit_10,
                              ui->m_ThetalineEdit_4, ui->m_ThetalineEdit_6, ui->m_ThetalineEdit_5})
        setupOutputField(output);

    connect(ui->pushButton, &QPushButton::clicked, this, &bscoptlaw::calresBscopt);
    connect(ui->m_RadianlineEdit, &QLineEdit::editingFinished, this, &bscoptlaw::changeAng);
    connect(ui->m_ThetalineEdit_3, &QLineEdit::editingFinished, this, &bscoptlaw::changeRad);
}

bscoptlaw::~bscoptlaw()
{
    disconnectChildrenFrom(this); // before ~QWidget moves the focus
    delete ui;
}

// Read the fields, evaluate the tab's calculator, write the results, then
// show its notice (total reflection, or no critical angle for n1 <= n2).
void bscoptlaw::calresBscopt()
{
    runCalculator(this, kCalculator);
}

// Radians edited: the degree field follows. An emptied radian field is first
// refilled from the degree field.
void bscoptlaw::changeAng()
{
    runLink(this, kCalculator, "theta1_rad");
}

// Degrees edited: the radian field follows. The validator keeps the degree
// field from emitting editingFinished() while empty, so the refill is only a
// safeguard.
void bscoptlaw::changeRad()
{
    runLink(this, kCalculator, "theta1_deg");
}

void bscoptlaw::changeEvent(QEvent *event)
{
    if (isLanguageChange(event))
        retranslateKeepingContents(this, [this] { ui->retranslateUi(this); });
    QWidget::changeEvent(event);
}
