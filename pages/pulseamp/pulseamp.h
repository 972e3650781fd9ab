#ifndef PULSEAMP_H
#define PULSEAMP_H

#include "pageexport.h"
#include "pulseamp/calc/pulsepropagatecalculator.h"
#include "pulseampform.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QThread;

// Pulse page "脉冲放大": a pulse through a fiber by the generalized nonlinear
// Schrödinger equation (pulse.propagate). Calculate checks the inputs on the
// GUI thread (a notice and nothing computed when one is refused) and then
// propagates in a worker thread; the progress bar follows z/L and Cancel
// stops it. The window stays responsive throughout.
class pulseamp : public QWidget, public PageExportSource
{
    Q_OBJECT

public:
    explicit pulseamp(QWidget *parent = nullptr);
    ~pulseamp() override;

    PulseampForm &form() { return ui; }
    velmora::calc::Inputs currentInputs() const;
    bool isRunning() const { return m_worker != nullptr; }
    bool resultShown() const { return m_resultShown; }

    // Every input back to its default, results and plots cleared.
    Q_INVOKABLE void restoreDefaults();
    void clearResults();

    // The export: the time and spectrum plots, 600 × 360, "脉冲时域.jpg" and
    // "脉冲光谱.jpg", while they show a finished calculation.
    TabPictures tabPictures(int tab) override;

public slots:
    void calculate();
    void cancelCalculation();

signals:
    void calculationFinished();

protected:
    void changeEvent(QEvent *event) override;

private:
    void showProgress(int percent);
    void showResult(const velmora::calc::Result &result);
    void setRunning(bool running);
    void drawPlots(const velmora::calc::Result &result);

    PulseampForm ui;
    velmora::calc::PulsePropagateCalculator m_calculator;
    QThread *m_worker = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    bool m_resultShown = false;
    velmora::calc::Result m_shownResult;
};

#endif // PULSEAMP_H
