#ifndef FBMODE_H
#define FBMODE_H

// The fiber-mode page: guided LP modes of a step-index fiber with their field
// maps ("模式分布"), the beam quality of a weighted mode mixture ("光束质量因子")
// and the bend loss of a chosen mode ("弯曲损耗").

#include "calculator.h"
#include "fieldmapplot.h"
#include "pageexport.h"

#include <QWidget>

#include <string>
#include <vector>

class QCPColorMap;
class QCustomPlot;
class QLineEdit;
class QPlot;

namespace Ui {
class fbmode;
}

class fbmode : public QWidget, public PageExportSource
{
    Q_OBJECT

public:
    explicit fbmode(QWidget *parent = nullptr);
    ~fbmode() override;

    // The form; the main window reaches fields through it (or by object name).
    Ui::fbmode *ui;

    // --- Operations of the picture export --------------------------------
    // "模式分布": every mode map of the last list (modeMapPictures), drawn
    // one by one under a progress dialog; "光束质量因子": the mixture map.
    TabPictures tabPictures(int tab) override;
    bool mapComputed() const { return m_mapComputed; }
    bool beamComputed() const { return m_beamComputed; }
    // Per-order effective-index lists, counts per order searched and the
    // highest order of the last "模式分布" calculation.
    const std::vector<std::vector<double>> &lastNeffLists() const { return m_lastNeffLists; }
    const std::vector<int> &lastModeCounts() const { return m_lastModeCounts; }
    int lastMaxOrder() const { return m_lastMaxOrder; }
    // Every mode map of the last list, what the picture export saves: each
    // mode in table order, E then O (one orientation for order 0), intensity,
    // amplitude and phase, as inputs of modes.field_map for the fiber of that
    // list, with the core circle as the check box last set, named
    // LP<m><n>[_E|_O]<I|A|P>.jpg at 400 × 335.
    std::vector<FieldMapPicture> modeMapPictures() const;
    // Computes the six grids of mode (m, neff) of the fiber (a, lambda in
    // metres) and draws orientation 0 (E) / 1 (O) as kind 0 intensity,
    // 1 amplitude or 2 phase on the page's map plot, with the core circle as
    // the check box last set.
    void drawMode(double a, double lambda, double n1, double n2, int m, double neff,
                  int orientation, int kind);
    // The plot that shows the mode map; null before the first map is drawn.
    QCustomPlot *modeMapPlot() const;
    // Redraws the mixture map from the grid of the last beam-quality
    // calculation (nothing before the first one).
    void redrawMixtureMap();
    QCustomPlot *mixturePlot() const;

    // "清空" and "恢复默认参数" on tab `tab` (the main window clears the result
    // fields): the table, mode lists, maps and pictures of the old
    // calculation go too, and the picture export asks for a new one.
    Q_INVOKABLE void clearResults(int tab);

protected:
    // QEvent::LanguageChange: captions and titles anew, inputs and results kept.
    void changeEvent(QEvent *event) override;

public slots:
    void calresFB1();
    void calresFB5();
    void calresFB6();
    void changeNA();
    void changen1();
    void changeNA_2();
    void changen1_2();
    void PressColumn();
    void changeRdbtn1();
    void changeRdbtn2();
    void changeRdbtn3();
    void labelChange();
    void comboChange();
    void comboChange2();
    void R_Checked();

private:
    void connectSignals();
    void installValidators();

    // The n1 <-> NA link of a tab's calculator after `key` was edited: the
    // two fields take the texts the calculator's link gives them.
    void linkIndices(const char *calculatorId, const std::string &key);
    // Refills the table from the list of modes.solve (table order: m, then n)
    // and keeps the per-order lists the picture export walks.
    void fillModeTable(const velmora::calc::Result &modes);
    // The map of the selected table row in the given degenerate state
    // (0 E, 1 O), for the fiber currently typed on "模式分布".
    void computeAndDrawShownMode(int state);
    // Empties the mode map and its orientation list ("没有传导模", 清空).
    void clearModeMap();

    // Colour-map drawing of a 501×501 grid over ±2a (a in metres).
    void drawModeMap(double a, const std::vector<double> &grid, bool core);
    void ensureMapPlot();
    void drawMixtureMap();

    // Number of modes of the last "模式分布" list.
    int m_modeTotal = 0;
    // What the picture export redraws: per-order effective indices, counts
    // per order searched (with the final empty one) and the highest order.
    std::vector<std::vector<double>> m_lastNeffLists;
    std::vector<int> m_lastModeCounts;
    int m_lastMaxOrder = -1;
    // The fiber inputs of that list, for its mode-map pictures.
    velmora::calc::Inputs m_lastListInputs;

    // The mixture grid of "光束质量因子".
    std::vector<double> m_mixtureGrid;

    // Display state of "模式分布".
    int m_displayKind = 0; // 0 intensity, 1 amplitude, 2 phase
    bool m_showCore = false;
    bool m_mapComputed = false;
    bool m_beamComputed = false;

    // One plot and one colour map each, reused by every redraw.
    QPlot *m_mapPlot = nullptr;
    QCPColorMap *m_modeColorMap = nullptr;
    QCPColorMap *m_mixtureColorMap = nullptr;
};

#endif // FBMODE_H
