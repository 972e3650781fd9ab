#ifndef SWEEPWINDOW_H
#define SWEEPWINDOW_H

// "参数扫描": sweeps one input of any calculator of the catalogue (optionally
// one curve per value of a second, series input), draws one or two outputs
// against it and lists every point; refused points are listed with their
// notice and never drawn. The sweep runs on worker threads (progress bar,
// cancel); the table and the plot can be exported.

#include "calculator.h"
#include "sweepseries.h"
#include "sweepsetup.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class StaleResults;
class SweepRunner;

class SweepWindow : public QDialog
{
    Q_OBJECT

public:
    // `calculatorId` and `pageInputs` preselect the calculator of the page
    // and tab shown and prefill its fixed inputs with what the page holds;
    // otherwise the last sweep's settings come back.
    explicit SweepWindow(QWidget *parent = nullptr, const std::string &calculatorId = {},
                         const velmora::calc::Inputs &pageInputs = {});
    ~SweepWindow() override;

    // The setup the controls describe.
    SweepSetup setup() const;
    void applySetup(const SweepSetup &setup);
    SweepRunner *runner() const { return m_runner; }
    // Texts of the rows of the last completed sweep (tests, export).
    QCustomPlot *plot() const { return m_plot; }

    // Saving the results; false with *error set when a write failed (the
    // file that was there is then untouched). Format from the suffix:
    // .csv / .xlsx for the table; .png / .jpg / .pdf / .svg for the plot.
    bool saveTable(const QString &path, QString *error) const;
    // The file name chosen in a save dialog, with the chosen filter's
    // extension ("CSV (*.csv)") when none was typed.
    static QString withFilterSuffix(const QString &path, const QString &filter);
    bool savePlot(const QString &path, QString *error) const;

protected:
    void changeEvent(QEvent *event) override;

public slots:
    void startSweep();
    void cancelSweep();

private slots:
    void calculatorChosen();
    void presetChosen(int index);
    void sweepFinished();
    void sweepCancelled();
    void exportTable();
    void exportPlot();
    void showNearestPoint(QMouseEvent *event);

private:
    void buildForm();
    QLabel *label(const char *source);
    void retranslate();
    void showResults();
    void fillInputs(const velmora::calc::CalculatorDescription &description,
                    const velmora::calc::Inputs &inputs);
    const velmora::calc::Calculator *chosenCalculator() const;
    void setRunning(bool running);
    void drawTable(const SweepTable &table);
    void drawPlot(const SweepTable &table);
    void notice(const QString &text);
    // The fixed-input table without the swept and series inputs.
    void hideSweptFromFixed();

    QComboBox *m_calculator = nullptr;
    QComboBox *m_preset = nullptr;
    QComboBox *m_swept = nullptr;
    QLineEdit *m_start = nullptr;
    QLineEdit *m_stop = nullptr;
    QSpinBox *m_count = nullptr;
    QCheckBox *m_log = nullptr;
    QComboBox *m_group = nullptr;
    QSpinBox *m_groupCount = nullptr;
    QLineEdit *m_sampleAt = nullptr;
    QTableWidget *m_fixed = nullptr;
    QComboBox *m_output1 = nullptr;
    QComboBox *m_output2 = nullptr;
    QCheckBox *m_logY = nullptr;
    QPushButton *m_run = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_exportTable = nullptr;
    QPushButton *m_exportPlot = nullptr;
    QProgressBar *m_progress = nullptr;
    QCustomPlot *m_plot = nullptr;
    QLabel *m_cursor = nullptr;
    QTableWidget *m_points = nullptr;
    SweepRunner *m_runner = nullptr;
    SweepSetup m_running; // the setup of the sweep in progress / last shown
    bool m_shownTable = false;
    SweepTable m_table;              // what the table and the plot show
    StaleResults *m_stale = nullptr; // greyed once the setup differs from m_running
    std::vector<std::pair<QLabel *, const char *>> m_captions; // and their source texts
};

#endif // SWEEPWINDOW_H
