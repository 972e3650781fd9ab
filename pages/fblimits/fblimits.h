#ifndef FBLIMITS_H
#define FBLIMITS_H

#include "fblimits/calc/limitscalculators.h"
#include "fblimitsform.h"
#include "pageexport.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QThread;

// Power-limit page "功率极限": how much diffraction-limited power a fiber
// design can deliver and which effect stops it (limits.design, limits.map;
// physics/powerlimits.h after Dawson et al. 2008 and Zhu et al. 2011).
// 计算单个设计 evaluates the design on the GUI thread (a few milliseconds,
// the MI limit up to a second); 扫描 runs the core-diameter × length map in a
// worker thread with progress and 取消, then draws the map of P_max, the
// regions of the binding limit and each limit against the core diameter at
// the best length.
class fblimits : public QWidget, public PageExportSource
{
    Q_OBJECT

public:
    explicit fblimits(QWidget *parent = nullptr);
    ~fblimits() override;

    FblimitsForm &form() { return ui; }
    // The inputs as shown, by calculator key (the constants table included).
    velmora::calc::Inputs currentInputs() const;
    bool isRunning() const { return m_worker != nullptr; }
    bool mapShown() const { return m_mapShown; }

    Q_INVOKABLE void restoreDefaults();
    void clearResults();
    // Fills the inputs from preset `index` of limitsPresets().
    void applyPreset(int index);

    // The export: the two maps and the curves (600 × 400) once a scan is shown.
    TabPictures tabPictures(int tab) override;

public slots:
    void calculateDesign();
    void calculateMap();
    void cancelCalculation();

signals:
    void calculationFinished();

protected:
    void changeEvent(QEvent *event) override;

private:
    void setRunning(bool running);
    void showDesign(const velmora::calc::Result &result);
    void showMap(const velmora::calc::Result &result);
    void setInput(const std::string &key, const QString &text);

    FblimitsForm ui;
    velmora::calc::LimitsDesignCalculator m_design;
    velmora::calc::LimitsMapCalculator m_map;
    QThread *m_worker = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_mapShown = false;
    velmora::calc::Result m_shownMap;
    velmora::calc::Result m_shownDesign;
};

#endif // FBLIMITS_H
