#ifndef FBAMP_H
#define FBAMP_H

#include "fbamp/calc/amplifiercalculator.h"
#include "fbampform.h"
#include "pageexport.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <memory>

class QThread;
class StaleResults;

// Fiber-amplifier page "光纤放大器": the steady state of a Yb fiber amplifier
// or laser (amp.steady_state). Calculate checks the inputs on the GUI thread
// (a notice and nothing computed when one is empty, not a number or out of
// range) and then solves in a worker thread; the progress bar follows the
// solver's convergence and Cancel stops it. The window stays responsive
// throughout.
class fbamp : public QWidget, public PageExportSource
{
    Q_OBJECT

public:
    explicit fbamp(QWidget *parent = nullptr);
    ~fbamp() override;

    FbampForm &form() { return ui; }
    // The inputs as typed (the calculator's keys), with the table file.
    velmora::calc::Inputs currentInputs() const;
    bool isRunning() const { return m_worker != nullptr; }
    // True while the plots show a finished calculation.
    bool resultShown() const { return m_resultShown; }

    // Every input back to its default, results and plots cleared (the
    // window's 恢复默认参数 calls it by name).
    Q_INVOKABLE void restoreDefaults();
    // Result fields and plots emptied; inputs kept.
    void clearResults();
    void applyPreset(int index);

    // The export: the four plots as 600 × 360 pictures "放大器功率分布.jpg",
    // "放大器反转粒子数.jpg", "放大器输出光谱.jpg", "放大器热负载.jpg" while
    // they show a finished calculation.
    TabPictures tabPictures(int tab) override;
    // The z-profiles and the ASE spectra of the result shown beside the
    // sheet's scalars.
    std::vector<SheetCurve> sheetCurves(int tab) const override;

public slots:
    void calresFbamp();
    void cancelCalculation();
    void loadCrossSectionTable();

signals:
    // After a calculation ended (shown, refused or cancelled).
    void calculationFinished();

protected:
    // QEvent::LanguageChange: captions, choices, plot titles and the status
    // line anew; inputs and results kept.
    void changeEvent(QEvent *event) override;

private:
    void showProgress(int iteration, double change);
    void showResult(const velmora::calc::Result &result);
    void setRunning(bool running);
    void showTableName();
    // The preset box names the preset the inputs equal, else 自定义.
    void showMatchingPreset();

    FbampForm ui;
    velmora::calc::AmplifierCalculator m_calculator;
    QThread *m_worker = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancel;
    QString m_tablePath; // empty: the shipped table
    bool m_resultShown = false;
    StaleResults *m_stale = nullptr;     // results greyed once an input differs
    velmora::calc::Result m_shownResult; // redrawn in a new language
    double m_pendingSignalNm = 0;        // the signal of the calculation running
    double m_shownSignalNm = 0;          // and of the one shown
};

#endif // FBAMP_H
