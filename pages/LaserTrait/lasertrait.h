#ifndef LASERTRAIT_H
#define LASERTRAIT_H

#include "calculator.h"
#include "pageexport.h"
#include "ybgain.h"

#include <QString>
#include <QWidget>

#include <vector>

namespace Ui {
class LaserTrait;
}

// Laser-parameters page: longitudinal mode spacing, optical-to-optical
// efficiency, quantum defect, and the small-signal gain spectrum of an
// ytterbium-doped fiber computed from the cross-section table in
// Data/YDF吸收发射参数.csv and drawn in dB or as a linear factor.
class LaserTrait : public QWidget, public PageExportSource
{
    Q_OBJECT

public:
    explicit LaserTrait(QWidget *parent = nullptr);
    ~LaserTrait() override;

    // The form; the main window reaches the fields by object name (clear,
    // default parameters, export).
    Ui::LaserTrait *form() const { return ui; }

    // True once a gain calculation has read the cross-section table; false
    // again after a calculation that could not read it.
    bool gainComputed() const { return m_gainComputed; }

    // "清空" and "恢复默认参数" on the gain tab (3) also blank its plot; the
    // export then asks for a calculation again. Other tabs have no picture.
    Q_INVOKABLE void clearResults(int tab);

    // The gain calculation of the "小信号增益" tab: re-reads the table, computes
    // G in dB and g = 10^(G/10) per sample and redraws the plot. Returns false
    // when the table could not be read; the spectrum and the plot are then
    // empty. Shows no message: the Calculate button adds the notice, other
    // callers report in their own words.
    bool calculateGain();

    // The spectrum of the last gain calculation as numbers, what the sheet
    // export writes: three columns λ (nm), G (dB) and g, one entry per
    // sample; empty before a calculation.
    std::vector<std::vector<double>> gainTable() const;

    // Writes one "λ,G,g" line per sample (each number 'g' with 6 digits, no
    // header) to `path` with the export's CSV writer, replacing any previous
    // file in one step. Returns false, leaving an existing file untouched,
    // when no gain has been computed or the file cannot be written.
    bool writeGainTable(const QString &path);

    // The export of the "小信号增益" tab: the gain plot as a picture once the
    // gain is computed, and the spectrum as a table of numbers (λ, G, g,
    // 6 digits) in place of a sheet, recalculated first so that it holds
    // what the current cross-section data give.
    TabPictures tabPictures(int tab) override;
    std::optional<NumberTableExport> numberTable(int tab) override;

    // Saves the gain plot as a 600 × 300 JPEG (quality 95) under `path`.
    // The image is rendered to a temporary file in the same folder, read back
    // to check it, and only then moved into place. Returns success.
    bool saveGainPicture(const QString &path);

    // Where the cross-section table is looked for (working directory, then
    // beside the executable, then the installed data folder).
    static QString crossSectionFile();

protected:
    // QEvent::LanguageChange: captions and plot titles anew.
    void changeEvent(QEvent *event) override;

private slots:
    void calresLasertrait1();
    void calresLasertrait2();
    void calresLasertrait3();
    void changeRdbtn_mG();
    void changeRdbtn_mg();
    void calresLasertrait4();

private:
    // The gain calculation behind calculateGain() and the Calculate button;
    // the result carries the notice when the table could not be read.
    velmora::calc::Result runGain();
    void redrawGain();
    void clearGainPlot();

    Ui::LaserTrait *ui;
    std::vector<double> m_wavelengths; // nm, one per table line
    yb::GainSpectrum m_gain;           // G (dB) and g per wavelength
    bool m_showLogarithmic = true;     // "对数增益" is checked at start
    bool m_showLinear = false;
    bool m_gainComputed = false;
};

#endif // LASERTRAIT_H
