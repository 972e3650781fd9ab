#include "fbopt.h"
#include "childsignals.h"
#include "finiteguard.h"

#include "calc/fiberparamscalc.h"
#include "calcbinding.h"
#include "fboptform.h"
#include "fiberparams.h"
#include "formtexts.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "textformat.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QSignalBlocker>

using namespace velmora::calc;

namespace {
// The tabs' calculations; stateless, shared by every page instance.
const DopingCalculator kDoping;
const LossCalculator kLoss;
const FillFactorCalculator kFillFactor;
const EndFaceCalculator kEndFace;
} // namespace

fbopt::fbopt(QWidget *parent) : QWidget(parent), ui(new Ui::fbopt)
{
    ui->setupUi(this);
    // The form writes its texts in Chinese once; they are the sources of
    // every later language change.
    captureSourceTexts(this);
    applySourceTexts(this, "fbopt");

    // The end-face tab has no validators: n1 and NA are linked fields whose
    // emptied text is refilled from the partner.
    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *field : {ui->m_P_in_lineEdit, ui->m_P_out_lineEdit, ui->m_L_flineEdit,
                             ui->m_alineEdit, ui->m_blineEdit, ui->m_alineEdit_2, ui->m_blineEdit_2,
                             ui->m_alphalineEdit, ui->m_absorb_sectionlineEdit})
        field->setValidator(validator);

    connect(ui->pushButton_4, &QAbstractButton::clicked, this, &fbopt::calresFB1);
    connect(ui->pushButton_2, &QAbstractButton::clicked, this, &fbopt::calresFB2);
    connect(ui->pushButton_3, &QAbstractButton::clicked, this, &fbopt::calresFB3);
    connect(ui->pushButton_5, &QAbstractButton::clicked, this, &fbopt::calresFB4);
    connect(ui->mdcomboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &fbopt::comboChange);
    connect(ui->m_N1lineEdit, &QLineEdit::editingFinished, this, &fbopt::changeNA);
    connect(ui->m_NALineEdit, &QLineEdit::editingFinished, this, &fbopt::changen1);
}

fbopt::~fbopt()
{
    disconnectChildrenFrom(this); // before ~QWidget moves the focus
    delete ui;
}

// Each slot reads its tab's fields by the calculator's description,
// evaluates, writes the results and shows the notices (pages/common/calcbinding.h).

void fbopt::calresFB1()
{
    runCalculator(this, kDoping);
}

void fbopt::calresFB2()
{
    runCalculator(this, kLoss);
}

void fbopt::calresFB3()
{
    runCalculator(this, kFillFactor);
}

void fbopt::changeNA()
{
    runLink(this, kEndFace, "n1");
}

void fbopt::changen1()
{
    // As runLink: only an NA the user edited drives n1, so focus passing
    // through the NA after its echo never rewrites the n1 that was typed.
    if (!ui->m_NALineEdit->isModified())
        return;
    ui->m_NALineEdit->setModified(false);
    const CalculatorDescription &description = kEndFace.description();
    const Inputs linked = kEndFace.linkEdited(readInputs(this, description), "na");
    writeInputs(this, description, linked);
    // The link leaves n1 alone above the largest NA the tab accepts.
    if (readNumber(linked.at("na")) > fiberparams::kMaxNumericalAperture)
        showNotice(this, tr("数值孔径不超过0.5"));
}

void fbopt::calresFB4()
{
    Inputs inputs = readInputs(this, kEndFace.description());
    inputs["mode"].clear(); // a new search always shows its first mode
    const Result result =
        finiteOrRefused(kEndFace.description(), inputs, kEndFace.evaluate(inputs));
    if (result.refused) {
        // No guided mode: the list and the outputs of the last fiber go too.
        if (result.outputs.count("neff")) {
            modeIndexes.clear();
            modeOrders.clear();
            const QSignalBlocker blocker(ui->mdcomboBox);
            ui->mdcomboBox->clear();
            writeOutputs(this, kEndFace.description(), result);
        }
        showNotices(this, result);
        return;
    }
    modeIndexes = result.outputs.at("neff_list").data;
    const std::vector<double> &orders = result.outputs.at("order_list").data;
    modeOrders.assign(orders.begin(), orders.end());
    const QString labels = QString::fromStdString(result.outputs.at("mode_labels").text);

    // Refill the box without a reflectivity pass per inserted item; the
    // result already holds the first mode's.
    {
        const QSignalBlocker blocker(ui->mdcomboBox);
        ui->mdcomboBox->clear();
        ui->mdcomboBox->addItems(labels.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    writeOutputs(this, kEndFace.description(), result);
    showNotices(this, result); // an incomplete mode list says so
}

void fbopt::comboChange()
{
    int index = ui->mdcomboBox->currentIndex();
    if (index < 0)
        index = 0;
    // The box and the list are rebuilt together; this guard only keeps a
    // stray signal from reading past the list.
    if (index >= static_cast<int>(modeIndexes.size()))
        return;
    const Result result = kEndFace.listedMode(readInputs(this, kEndFace.description()),
                                              modeIndexes[index], modeOrders[index]);
    writeOutputs(this, kEndFace.description(), result);
    showNotices(this, result);
}

void fbopt::changeEvent(QEvent *event)
{
    if (isLanguageChange(event))
        applySourceTexts(this, "fbopt");
    QWidget::changeEvent(event);
}
