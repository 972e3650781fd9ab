#ifndef THREASHOLD_H
#define THREASHOLD_H

#include "calculator.h"
#include "pageexport.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <vector>

class QCustomPlot;
class QMovie;

namespace Ui {
class threashold;
}

// Mode-instability page: reads the fiber, wavelength, thermal and noise
// parameters, runs the threshold model (physics/modeinstability.h), shows
// chi_max and P_th and draws the coupling spectrum and the higher-order-mode
// fraction. A calculation first shows "请稍候…" and a loading animation for
// 500 ms, then runs the model (calculator tmi.threshold) on a worker thread
// while the event loop keeps the window alive; the slot returns when it is done.
class threashold : public QWidget, public PageExportSource
{
    Q_OBJECT

public:
    explicit threashold(QWidget *parent = nullptr);
    ~threashold() override;

    // The generated form; the main window reaches the fields by object name
    // (clear, default parameters, export).
    Ui::threashold *form() const { return ui; }

    // True once Calculate has been pressed, even if that calculation ended at
    // a notice; the picture export refuses to run before.
    bool calculationStarted() const { return m_calculationStarted; }

    // "清空" and "恢复默认参数": both curves are emptied with the results, and
    // the picture export asks for a calculation again.
    Q_INVOKABLE void clearResults(int tab);

    // The export: both curves as pictures once Calculate has been pressed,
    // and as columns beside the sheet's rows (χ over the frequency offset in
    // columns 4-5, the higher-order-mode fraction over the signal power in
    // columns 7-8).
    TabPictures tabPictures(int tab) override;
    std::vector<SheetCurve> sheetCurves(int tab) const override;

    // Length of the pre-roll before the model runs, in ms.
    static constexpr int kPreRollMs = 500;

public slots:
    void calresThreashold();
    // Saves CurvePlot1 to dir + "非线性耦合系数.jpg" and CurvePlot2 to
    // dir + "模式不稳定阈值.jpg" (dir ends with "/"), 500 x 300 JPEG, quality
    // 95. Each picture is written under a temporary name, checked and then
    // renamed over the target, so a failed save never leaves a truncated file.
    // Returns true only when both pictures were saved.
    bool PowThreadPicExport(QString dir);

protected:
    // QEvent::LanguageChange: captions, button and plot titles anew.
    void changeEvent(QEvent *event) override;

private:
    std::vector<PagePicture> curvePictures() const;
    void labelPlots();
    void showBusy();
    void hideBusy();
    void waitPreRoll();
    void runCalculation();
    void drawCoupling(const velmora::calc::Result &result);
    void drawModeContent(const velmora::calc::Result &result);

    Ui::threashold *ui;
    bool m_calculationStarted = false;
    bool m_running = false;    // a calculation is in progress (no nesting)
    QElapsedTimer m_busyTimer; // measures the pre-roll
    QMovie *m_movie = nullptr; // the loading animation, made on first use
};

#endif // THREASHOLD_H
