#include "lasertrait.h"
#include "finiteguard.h"

#include "calc/lasertraitcalc.h"
#include "calcbinding.h"
#include "lasertraitform.h"
#include "pageconventions.h"
#include "pagelanguage.h"
#include "plotpicture.h"
#include "sheetwriters.h"
#include "textfit.h"

#include <qcustomplot.h>
#include <QAbstractButton>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace velmora::calc;

namespace {

constexpr int kPictureWidth = 600;
constexpr int kPictureHeight = 300;
// The "小信号增益" tab: the one with a plot.
constexpr int kGainTab = 3;

// The plot always shows the 1000–1150 nm emission band of Yb, whatever range
// the table covers; the deep 976 nm absorption still sets the dB axis range.
constexpr double kPlotFirstWavelength = 1000;
constexpr double kPlotLastWavelength = 1150;

// The tabs' calculations; stateless, shared by every page instance.
const ModeSpacingCalculator kModeSpacing;
const EfficiencyCalculator kEfficiency;
const QuantumDefectCalculator kQuantumDefect;
const YbGainCalculator kYbGain;

QVector<double> toQVector(const std::vector<double> &values)
{
    return QVector<double>(values.begin(), values.end());
}

} // namespace

LaserTrait::LaserTrait(QWidget *parent) : QWidget(parent), ui(new Ui::LaserTrait)
{
    ui->setupUi(this);
    fitTextsToWidgets(this); // English captions wider than the form was laid out for

    QDoubleValidator *validator = createInputValidator(this);
    for (QLineEdit *input :
         {ui->m_L_lineEdit, ui->m_P_pumplineEdit, ui->m_P_residuallineEdit, ui->m_P_outlineEdit,
          ui->m_P_inlineEdit, ui->m_lambda_1lineEdit, ui->m_lambda_2lineEdit, ui->m_NlineEdit,
          ui->m_GammalineEdit, ui->m_nlineEdit, ui->m_LlineEdit})
        input->setValidator(validator);
    ui->m_RefnlineEdit->setValidator(createIndexValidator(this)); // six decimals
    for (QLineEdit *output : {ui->m_Delta_niulineEdit, ui->m_efficiency_olineEdit,
                              ui->m_efficiency_alineEdit, ui->m_QDlineEdit, ui->m_QRlineEdit})
        setupOutputField(output);

    connect(ui->pushButton, &QAbstractButton::clicked, this, &LaserTrait::calresLasertrait1);
    connect(ui->pushButton_2, &QAbstractButton::clicked, this, &LaserTrait::calresLasertrait2);
    connect(ui->pushButton_3, &QAbstractButton::clicked, this, &LaserTrait::calresLasertrait3);
    connect(ui->pushButton_4, &QAbstractButton::clicked, this, &LaserTrait::calresLasertrait4);
    connect(ui->radioButton, &QAbstractButton::clicked, this, &LaserTrait::changeRdbtn_mG);
    connect(ui->radioButton_2, &QAbstractButton::clicked, this, &LaserTrait::changeRdbtn_mg);
}

LaserTrait::~LaserTrait()
{
    delete ui;
}

QString LaserTrait::crossSectionFile()
{
    return YbGainCalculator::crossSectionFile();
}

// Each slot reads its tab's fields by the calculator's description,
// evaluates, writes the results and shows the notices (pages/common/calcbinding.h).

void LaserTrait::calresLasertrait1()
{
    runCalculator(this, kModeSpacing);
}

void LaserTrait::calresLasertrait2()
{
    runCalculator(this, kEfficiency);
}

void LaserTrait::calresLasertrait3()
{
    runCalculator(this, kQuantumDefect);
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
    showNotices(this, runGain());
}

bool LaserTrait::calculateGain()
{
    return !runGain().refused;
}

Result LaserTrait::runGain()
{
    m_wavelengths.clear();
    m_gain = yb::GainSpectrum();

    const Inputs inputs = readInputs(this, kYbGain.description());
    // A spectrum with an overflowing gain is refused, as in every front end.
    const Result result = finiteOrRefused(kYbGain.description(), inputs, kYbGain.evaluate(inputs));
    if (result.refused) {
        // No spectrum at all: nothing half-read is drawn or exported.
        m_gainComputed = false;
        clearGainPlot();
        return result;
    }
    m_wavelengths = result.outputs.at("wavelength_nm").data;
    m_gain.gainDb = result.outputs.at("gain_db").data;
    m_gain.linear = result.outputs.at("gain_linear").data;
    m_gainComputed = true;
    redrawGain();
    return result;
}

void LaserTrait::redrawGain()
{
    const std::vector<double> *values = nullptr;
    QString valueLabel;
    if (m_showLogarithmic) {
        values = &m_gain.gainDb;
        valueLabel = tr("小信号增益系数G(dB)");
    } else if (m_showLinear) {
        values = &m_gain.linear;
        valueLabel = tr("小信号增益系数g");
    } else {
        return;
    }

    QCustomPlot *plot = ui->GcustomPlot;
    if (plot->graphCount() == 0)
        plot->addGraph();
    plot->graph(0)->setData(toQVector(m_wavelengths), toQVector(*values));
    plot->xAxis->setLabel(tr("波长λ(nm)"));
    plot->yAxis->setLabel(valueLabel);
    plot->xAxis->setRange(kPlotFirstWavelength, kPlotLastWavelength);
    double lowest = 0;
    double highest = 0;
    if (yb::finiteValueRangeWithin(m_wavelengths, *values, kPlotFirstWavelength,
                                   kPlotLastWavelength, lowest, highest))
        plot->yAxis->setRange(lowest, highest);
    plot->replot();
}

void LaserTrait::clearResults(int tab)
{
    if (tab != kGainTab)
        return;
    m_gainComputed = false;
    m_gain = yb::GainSpectrum();
    m_wavelengths.clear();
    clearGainPlot();
}

void LaserTrait::changeEvent(QEvent *event)
{
    if (isLanguageChange(event)) {
        retranslateKeepingContents(this, [this] { ui->retranslateUi(this); });
        if (m_gainComputed)
            redrawGain(); // the axis titles in the new language
    }
    QWidget::changeEvent(event);
}

void LaserTrait::clearGainPlot()
{
    QCustomPlot *plot = ui->GcustomPlot;
    if (plot->graphCount() > 0)
        plot->graph(0)->data()->clear();
    plot->replot();
}

// ---- Operations for the main window's export -------------------------------

std::vector<std::vector<double>> LaserTrait::gainTable() const
{
    if (!m_gainComputed)
        return {};
    return {m_wavelengths, m_gain.gainDb, m_gain.linear};
}

bool LaserTrait::writeGainTable(const QString &path)
{
    if (!m_gainComputed)
        return false;
    return CsvWriter(CsvWriter::PlainNumbers).write(::numberTable(gainTable(), 6), path, nullptr);
}

TabPictures LaserTrait::tabPictures(int tab)
{
    TabPictures result;
    if (tab != kGainTab)
        return result;
    if (!m_gainComputed) {
        result.state = TabPictures::State::NotComputed;
        return result;
    }
    result.state = TabPictures::State::Ready;
    PagePicture gain;
    gain.fileName = pictureFileName(QT_TRANSLATE_NOOP("PictureFileName", "小信号增益"));
    gain.width = kPictureWidth;
    gain.height = kPictureHeight;
    gain.plot = ui->GcustomPlot;
    result.pictures.push_back(gain);
    return result;
}

std::optional<NumberTableExport> LaserTrait::numberTable(int tab)
{
    if (tab != kGainTab)
        return std::nullopt;
    NumberTableExport table;
    // The page leaves telling the user to the export.
    if (calculateGain())
        table.columns = gainTable();
    else
        table.error = tr("无法读取截面数据文件 %1").arg(crossSectionFile());
    return table;
}

bool LaserTrait::saveGainPicture(const QString &path)
{
    return savePlotJpeg(ui->GcustomPlot, path, kPictureWidth, kPictureHeight);
}
