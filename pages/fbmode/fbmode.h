#ifndef FBMODE_H
#define FBMODE_H

// The fiber-mode page: guided LP modes of a step-index fiber with their field
// maps ("模式分布"), the beam quality of a weighted mode mixture ("光束质量因子")
// and the bend loss of a chosen mode ("弯曲损耗").

#include "fieldmaps.h"

#include <QWidget>

#include <vector>

class QCPColorMap;
class QCustomPlot;
class QLineEdit;
class QPlot;

namespace Ui {
class fbmode;
}

class fbmode : public QWidget
{
    Q_OBJECT

public:
    explicit fbmode(QWidget *parent = nullptr);
    ~fbmode() override;

    // The form; the main window reaches fields through it (or by object name).
    Ui::fbmode *ui;

    // --- Operations of the picture export --------------------------------
    bool mapComputed() const { return m_mapComputed; }
    bool beamComputed() const { return m_beamComputed; }
    // Per-order effective-index lists, counts per order searched and the
    // highest order of the last "模式分布" calculation.
    const std::vector<std::vector<double>> &lastNeffLists() const { return m_lastNeffLists; }
    const std::vector<int> &lastModeCounts() const { return m_lastModeCounts; }
    int lastMaxOrder() const { return m_lastMaxOrder; }
    // Computes the six grids of mode (m, neff) of the fiber (a, lambda in
    // metres) and draws orientation 0 (E) / 1 (O) as kind 0 intensity,
    // 1 amplitude or 2 phase, with the core circle as the check box last set.
    void drawMode(double a, double lambda, double n1, double n2, int m, double neff,
                  int orientation, int kind);
    // The plot that shows the mode map; null before the first map is drawn.
    QCustomPlot *modeMapPlot() const;
    // Redraws the mixture map from the grid of the last beam-quality
    // calculation (nothing before the first one).
    void redrawMixtureMap();
    QCustomPlot *mixturePlot() const;

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

    // NA from n1 (and n1 from NA) for one pair of linked fields.
    void linkNAFromN1(QLineEdit *n1Field, QLineEdit *n2Field, QLineEdit *naField);
    void linkN1FromNA(QLineEdit *n1Field, QLineEdit *n2Field, QLineEdit *naField);
    // Keeps the typed NA of "模式分布" when it agrees with n1 and n2 to within
    // 0.01 (rewritten g6), otherwise replaces it by the computed one ("%.4f").
    // Returns the NA in use.
    double reconcileNA();
    // Refills the table from the solved mode set (table order: m, then n).
    void fillModeTable(double lambda);
    // Grids of the shown mode for the fiber currently typed on "模式分布",
    // drawn for the given degenerate state.
    void computeAndDrawShownMode(int state);

    // Colour-map drawing of the field grids.
    void drawModeMap(double a, int kind, int state, bool core);
    void drawCoreCircle(double aMicron);
    void ensureMapPlot();
    void drawMixtureMap();

    // Mode set of the last solve (shared by "模式分布" and "弯曲损耗").
    std::vector<std::vector<double>> m_neffLists;
    std::vector<int> m_modeCounts;
    int m_maxOrder = -1;
    int m_modeTotal = 0;
    // Per-order lists copied out of the mode set for the table / combo box.
    std::vector<std::vector<double>> m_orderLists;
    // Propagation constants of the last bend-loss calculation, table order.
    std::vector<double> m_betaList;
    // What the picture export redraws.
    std::vector<std::vector<double>> m_lastNeffLists;
    std::vector<int> m_lastModeCounts;
    int m_lastMaxOrder = -1;

    // Field grids of the shown mode and the mixture grid of "光束质量因子".
    ModeFieldMaps m_fieldMaps;
    std::vector<double> m_mixtureGrid;

    // Selection and display state of "模式分布".
    double m_shownNeff = 0.0;
    double m_shownOrder = 0.0;
    double m_shownRadial = 0.0;
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
