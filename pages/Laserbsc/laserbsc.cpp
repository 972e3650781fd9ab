#include "laserbsc.h"
#include "childsignals.h"

#include "calc/coherencecalc.h"
#include "calcbinding.h"
#include "laserbscform.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "textfit.h"

#include <QAbstractButton>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QPushButton>

namespace {
const velmora::calc::CoherenceCalculator kCalculator;
}

Laserbsc::Laserbsc(QWidget *parent) : QWidget(parent), ui(new Ui::Laserbsc)
{
    ui->setupUi(this);
    fitTextsToWidgets(this); // English captions wider than the form was laid out for

    // Only the wavelength is validated: the two spectral-width fields are a
    // linked pair that must accept what the partner writes ("5e+09").
    ui->m_LasLamlineEdit->setValidator(createInputValidator(this));
    for (QLineEdit *output : {ui->m_niulineEdit, ui->m_tao_clineEdit, ui->m_L_clineEdit})
        setupOutputField(output);

    connect(ui->m_btn_Cal4, &QAbstractButton::clicked, this, &Laserbsc::calresLaserbsc1);
    connect(ui->m_delta_lambdalineEdit, &QLineEdit::editingFinished, this, &Laserbsc::changeFreq);
    connect(ui->m_delta_niulineEdit, &QLineEdit::editingFinished, this, &Laserbsc::changeLin);
}

Laserbsc::~Laserbsc()
{
    disconnectChildrenFrom(this); // before ~QWidget moves the focus
    delete ui;
}

void Laserbsc::calresLaserbsc1()
{
    runCalculator(this, kCalculator);
}

// Δλ edited: Δν follows, to two significant digits.
void Laserbsc::changeFreq()
{
    runLink(this, kCalculator, "delta_lambda_nm");
}

// Δν edited: Δλ follows, with four decimals of a nanometre.
void Laserbsc::changeLin()
{
    runLink(this, kCalculator, "delta_nu_hz");
}

void Laserbsc::changeEvent(QEvent *event)
{
    if (isLanguageChange(event))
        retranslateKeepingContents(this, [this] { ui->retranslateUi(this); });
    QWidget::changeEvent(event);
}
