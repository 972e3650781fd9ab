#include "lasertrait.h"

#include "laserformulas.h"
#include "lasertraitform.h"
#include "pageconventions.h"
#include "plotpicture.h"

#include <qcustomplot.h>
#include <QDir>
#include <QDoubleValidator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>

namespace {

constexpr int kPictureWidth = 600;
constexpr int kPictureHeight = 300;

// The plot always shows the 1000–1150 nm emission band of Yb, whatever range
// the table covers; the deep 976 nm absorption still sets the dB axis range.
constexpr double kPlotFirstWavelength = 1000;
constexpr double kPlotLastWavelength = 1150;

QVector<double> toQVector(const std::vector<double> &values)
{
    return QVector<double>(values.begin(), values.end());
}

} // namespace

LaserTrait::LaserTrait(QWidget *parent) : QWidget(parent), ui(new Ui::LaserTrait)
{
    ui->setupUi(this);

    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *input :
         {ui->m_RefnlineEdit, ui->m_L_lineEdit, ui->m_P_pumplineEdit, ui->m_P_residuallineEdit,
          ui->m_P_outlineEdit, ui->m_P_inlineEdit, ui->m_lambda_1lineEdit, ui->m_lambda_2lineEdit,
          ui->m_NlineEdit, ui->m_GammalineEdit, ui->m_nlineEdit, ui->m_LlineEdit})
        input->setValidator(validator);
    for (QLineEdit *output : {ui->m_Delta_niulineEdit, ui->m_efficiency_olineEdit,
                              ui->m_efficiency_alineEdit, ui->m_QDlineEdit, ui->m_QRlineEdit})
        setupOutputField(output);

    connect(ui->pushButton, SIGNAL(clicked()), this, SLOT(calresLasertrait1()));
    connect(ui->pushButton_2, SIGNAL(clicked()), this, SLOT(calresLasertrait2()));
    connect(ui->pushButton_3, SIGNAL(clicked()), this, SLOT(calresLasertrait3()));
    connect(ui->pushButton_4, SIGNAL(clicked()), this, SLOT(calresLasertrait4()));
    connect(ui->radioButton, SIGNAL(clicked()), this, SLOT(changeRdbtn_mG()));
    connect(ui->radioButton_2, SIGNAL(clicked()), this, SLOT(changeRdbtn_mg()));
}

LaserTrait::~LaserTrait()
{
    delete ui;
}

QString LaserTrait::crossSectionFile()
{
    return findRuntimeFile(QStringLiteral("Data/YDF吸收发射参数.csv"));
}

// ---- Tab 0: longitudinal mode spacing --------------------------------------

void LaserTrait::calresLasertrait1()
{
    const double n = readField(ui->m_RefnlineEdit);
    const double length = readField(ui->m_L_lineEdit); // m
    ui->m_Delta_niulineEdit->setText(
        formatNumber(laser::longitudinalModeSpacing(n, length), 'g', 3));
}

// ---- Tab 1: optical-to-optical efficiency ----------------------------------

void LaserTrait::calresLasertrait2()
{
    const double pump = readField(ui->m_P_pumplineEdit);
    const double residual = readField(ui->m_P_residuallineEdit);
    const double out = readField(ui->m_P_outlineEdit);
    const double in = readField(ui->m_P_inlineEdit);

    const laser::OpticalEfficiencies eta = laser::opticalEfficiencies(pump, residual, out, in);
    if (laser::efficienciesPlausible(eta)) {
        ui->m_efficiency_olineEdit->setText(formatNumber(eta.laser, 'g', 4));
        ui->m_efficiency_alineEdit->setText(formatNumber(eta.amplifier, 'g', 4));
    } else {
        ui->m_efficiency_olineEdit->setText(QString());
        ui->m_efficiency_alineEdit->setText(QString());
        showNotice(this, QStringLiteral("输出功率应大于输入功率"));
    }
}

// ---- Tab 2: quantum defect --------------------------------------------------

void LaserTrait::calresLasertrait3()
{
    const double pump = readField(ui->m_lambda_1lineEdit) * 1e-9;   // nm -> m
    const double signal = readField(ui->m_lambda_2lineEdit) * 1e-9; // nm -> m

    const double defect = laser::quantumDefect(pump, signal);
    const double stokes = laser::stokesEfficiency(defect);
    if (!laser::quantumDefectPlausible(defect)) {
        ui->m_QDlineEdit->setText(QString());
        ui->m_QRlineEdit->setText(QString());
        showNotice(this, QStringLiteral("λ2应大于λ1"));
        return;
    }
    ui->m_QDlineEdit->setText(formatNumber(defect, 'f', 4));
    ui->m_QRlineEdit->setText(formatNumber(stokes, 'f', 4));
}

// ---- Tab 3: small-signal gain spectrum -------------------------------------

void LaserTrait::changeRdbtn_mG()
{
    m_showLogarithmic = true;
    m_showLinear = false;
    if (m_gainComputed)
        redrawGain();
}

void LaserTrait::changeRdbtn_mg()
{
    m_showLogarithmic = false;
    m_showLinear = true;
    if (m_gainComputed)
        redrawGain();
}

void LaserTrait::calresLasertrait4()
{
    if (!calculateGain())
        showNotice(this, QStringLiteral("无法读取截面数据文件：%1")
                             .arg(QDir::toNativeSeparators(crossSectionFile())));
}

bool LaserTrait::calculateGain()
{
    m_crossSections = yb::CrossSectionTable();
    m_gain = yb::GainSpectrum();

    yb::FiberGainParameters fiber;
    fiber.dopantDensity = readField(ui->m_NlineEdit);
    fiber.length = readField(ui->m_LlineEdit);
    fiber.overlap = readField(ui->m_GammalineEdit);
    fiber.upperFraction = readField(ui->m_nlineEdit);

    // The table is read afresh each time, so edits to the file take effect at
    // the next calculation. The name is passed in the file system's encoding
    // (UTF-8 here), not converted to a legacy code page.
    const QByteArray path = QFile::encodeName(crossSectionFile());
    if (!yb::readCrossSections(path.toStdString(), m_crossSections)) {
        // A table that failed to open (or broke off while reading) yields no
        // spectrum at all: nothing half-read is drawn or exported.
        m_crossSections = yb::CrossSectionTable();
        m_gainComputed = false;
        clearGainPlot();
        return false;
    }

    m_gain = yb::computeGainSpectrum(m_crossSections, fiber);
    m_gainComputed = true;
    redrawGain();
    return true;
}

void LaserTrait::redrawGain()
{
    const std::vector<double> *values = nullptr;
    QString valueLabel;
    if (m_showLogarithmic) {
        values = &m_gain.gainDb;
        valueLabel = QStringLiteral("小信号增益系数G(dB)");
    } else if (m_showLinear) {
        values = &m_gain.linear;
        valueLabel = QStringLiteral("小信号增益系数g");
    } else {
        return;
    }

    QCustomPlot *plot = ui->GcustomPlot;
    if (plot->graphCount() == 0)
        plot->addGraph();
    plot->graph(0)->setData(toQVector(m_crossSections.wavelengths), toQVector(*values));
    plot->xAxis->setLabel(QStringLiteral("波长λ(nm)"));
    plot->yAxis->setLabel(valueLabel);
    plot->xAxis->setRange(kPlotFirstWavelength, kPlotLastWavelength);
    double lowest = 0;
    double highest = 0;
    if (yb::finiteValueRange(*values, lowest, highest))
        plot->yAxis->setRange(lowest, highest);
    plot->replot();
}

void LaserTrait::clearGainPlot()
{
    QCustomPlot *plot = ui->GcustomPlot;
    if (plot->graphCount() > 0)
        plot->graph(0)->data()->clear();
    plot->replot();
}

// ---- Operations for the main window's export -------------------------------

namespace {
// Qt 5.15's QSaveFile::commit() renames the file even when flushing its
// buffer failed (disk full, size limit), which would leave a truncated table
// in place of the old one. Flush first and abandon the write if that fails.
bool commitChecked(QSaveFile &file)
{
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
} // namespace

bool LaserTrait::writeGainTable(const QString &path)
{
    if (!m_gainComputed)
        return false;

    // QSaveFile replaces the file only on commit(): an older, longer table
    // never leaves its tail behind, and a failed write leaves it intact.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::size_t count = m_crossSections.wavelengths.size();
    for (std::size_t i = 0; i < count; ++i) {
        const QByteArray line =
            (QString::number(m_crossSections.wavelengths[i], 'g', 6) + QLatin1Char(',') +
             QString::number(m_gain.gainDb[i], 'g', 6) + QLatin1Char(',') +
             QString::number(m_gain.linear[i], 'g', 6) + QLatin1Char('\n'))
                .toLatin1();
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    }
    return commitChecked(file);
}

bool LaserTrait::saveGainPicture(const QString &path)
{
    return savePlotJpeg(ui->GcustomPlot, path, kPictureWidth, kPictureHeight);
}
