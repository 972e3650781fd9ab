#include "fbopt.h"

#include "fboptform.h"
#include "fiberparams.h"
#include "modesolver.h"
#include "pageconventions.h"
#include "reflectivity.h"

#include <QDoubleValidator>
#include <QSignalBlocker>

using namespace fiberparams;

namespace {
// The end-face tab scans 1000 effective-index samples per azimuthal order:
// plenty for the few modes of the fibers this tab is meant for.
constexpr int kEndFaceModeSamples = 1000;
// Largest core radius the end-face tab accepts (250 μm), in metres.
constexpr double kMaxCoreRadius = 0.00025;
} // namespace

fbopt::fbopt(QWidget *parent) : QWidget(parent), ui(new Ui::fbopt)
{
    ui->setupUi(this);

    // The end-face tab has no validators: n1 and NA are linked fields whose
    // emptied text is refilled from the partner.
    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *field : {ui->m_P_in_lineEdit, ui->m_P_out_lineEdit, ui->m_L_flineEdit,
                             ui->m_alineEdit, ui->m_blineEdit, ui->m_alineEdit_2, ui->m_blineEdit_2,
                             ui->m_alphalineEdit, ui->m_absorb_sectionlineEdit})
        field->setValidator(validator);

    connect(ui->pushButton_4, SIGNAL(clicked()), this, SLOT(calresFB1()));
    connect(ui->pushButton_2, SIGNAL(clicked()), this, SLOT(calresFB2()));
    connect(ui->pushButton_3, SIGNAL(clicked()), this, SLOT(calresFB3()));
    connect(ui->pushButton_5, SIGNAL(clicked()), this, SLOT(calresFB4()));
    connect(ui->mdcomboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(comboChange()));
    connect(ui->m_N1lineEdit, SIGNAL(editingFinished()), this, SLOT(changeNA()));
    connect(ui->m_NALineEdit, SIGNAL(editingFinished()), this, SLOT(changen1()));
}

fbopt::~fbopt()
{
    delete ui;
}

void fbopt::calresFB1()
{
    if (anyFieldEmpty({ui->m_alineEdit_2, ui->m_blineEdit_2, ui->m_alphalineEdit,
                       ui->m_absorb_sectionlineEdit})) {
        showNotice(this, QString::fromUtf8(kEmptyInputMessage));
        return;
    }
    const double a = readField(ui->m_alineEdit_2);
    const double b = readField(ui->m_blineEdit_2);
    const double alpha = readField(ui->m_alphalineEdit);
    const double sigma = readField(ui->m_absorb_sectionlineEdit);
    ui->m_NlabelLineEdit->setText(formatNumber(dopingConcentration(a, b, alpha, sigma), 'g', 3));
}

void fbopt::calresFB2()
{
    const double powerIn = readField(ui->m_P_in_lineEdit);
    const double powerOut = readField(ui->m_P_out_lineEdit);
    const double length = readField(ui->m_L_flineEdit);

    const double total = totalLossDb(powerIn, powerOut);
    const double average = averageLossDbPerM(total, length);
    if (isNoLoss(total)) {
        ui->m_Alpha_totallineEdit->setText(QString());
        ui->m_Alpha_averagelineEdit->setText(QString());
        showNotice(this, QStringLiteral("输出功率必须小于输入功率"));
        return;
    }
    ui->m_Alpha_totallineEdit->setText(formatNumber(total, 'g', 4));
    ui->m_Alpha_averagelineEdit->setText(formatNumber(average, 'g', 4));
}

void fbopt::calresFB3()
{
    const double a = readField(ui->m_alineEdit);
    const double b = readField(ui->m_blineEdit);
    ui->m_GammalabelLineEdit->setText(formatNumber(fillFactor(a, b), 'g', 4));
}

void fbopt::changeNA()
{
    double n1 = readField(ui->m_N1lineEdit);
    const double n2 = readField(ui->m_N2lineEdit);
    const double na = readField(ui->m_NALineEdit);
    if (ui->m_N1lineEdit->text().isEmpty()) {
        n1 = coreIndexFromNA(na, n2);
        ui->m_N1lineEdit->setText(formatNumber(n1, 'g', 6));
    }
    ui->m_NALineEdit->setText(formatPrintf("%f", numericalAperture(n1, n2)));
}

void fbopt::changen1()
{
    const double n1 = readField(ui->m_N1lineEdit);
    const double n2 = readField(ui->m_N2lineEdit);
    double na = readField(ui->m_NALineEdit);
    if (ui->m_NALineEdit->text().isEmpty()) {
        na = numericalAperture(n1, n2);
        ui->m_NALineEdit->setText(formatNumber(na, 'g', 6));
    }
    if (na > kMaxNumericalAperture) {
        showNotice(this, QStringLiteral("数值孔径不超过0.5"));
        return;
    }
    ui->m_N1lineEdit->setText(formatPrintf("%f", coreIndexFromNA(na, n2)));
}

void fbopt::calresFB4()
{
    if (anyFieldEmpty({ui->m_N1lineEdit, ui->m_NALineEdit, ui->m_N2lineEdit, ui->m_LambdalineEdit,
                       ui->m_A_lineEdit})) {
        showNotice(this, QString::fromUtf8(kEmptyInputMessage));
        return;
    }
    const double n1 = readField(ui->m_N1lineEdit);
    const double n2 = readField(ui->m_N2lineEdit);
    if (n2 > n1) {
        showNotice(this, QStringLiteral("纤芯折射率应大于包层折射率"));
        return;
    }
    const double a = readField(ui->m_A_lineEdit) * 1e-6;
    if (a > kMaxCoreRadius) {
        showNotice(this, QStringLiteral("纤芯半径不超过250微米"));
        return;
    }
    const double lambda = readField(ui->m_LambdalineEdit) * 1e-9;

    const ModeSet modes = solveModes(a, lambda, n1, n2, kEndFaceModeSamples);
    modeIndexes = modeIndexList(modes);

    // Refill the box without a reflectivity pass per inserted item; the one
    // pass for the first mode follows below.
    {
        const QSignalBlocker blocker(ui->mdcomboBox);
        ui->mdcomboBox->clear();
        for (int l = 0; l <= modes.maxOrder; ++l) {
            const int count = static_cast<int>(modes.neffLists[l].size());
            for (int m = 1; m <= count; ++m)
                ui->mdcomboBox->addItem(QString::fromStdString(modeLabel(l, m)));
        }
    }
    if (modeIndexes.empty()) {
        // No guided mode (for example n1 = n2): nothing to select or show.
        ui->m_nefflineEdit->clear();
        ui->m_rlineEdit->clear();
        ui->m_RlineEdit->clear();
        return;
    }
    comboChange();
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
    ui->m_nefflineEdit->setText(formatNumber(modeIndexes[index], 'f', 4));

    const double n1 = readField(ui->m_N1lineEdit);
    const double n2 = readField(ui->m_N2lineEdit);
    const double lambda = readField(ui->m_LambdalineEdit) * 1e-9;
    const double a = readField(ui->m_A_lineEdit) * 1e-6;
    // The reflectivity uses the index as displayed (four decimals).
    const double neff = readField(ui->m_nefflineEdit);
    const double theta = degreesToRadians(readField(ui->m_thetalineEdit));

    const EndFaceReflectivity result = endFaceReflectivity(a, lambda, n1, n2, neff, theta);
    ui->m_rlineEdit->setText(formatNumber(result.r, 'g', 3));
    ui->m_RlineEdit->setText(formatNumber(result.R, 'g', 3));
}
