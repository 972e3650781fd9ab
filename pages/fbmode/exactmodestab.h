#ifndef EXACTMODESTAB_H
#define EXACTMODESTAB_H

// The fiber-mode page's fourth tab, "精确模式特性": every guided mode of the
// step-index fiber solved exactly, one table row per mode and a column per
// property (modes.exact, pages/fbmode/calc/), and the exact intensity map of
// the selected row. The calculation runs on a worker thread with progress and
// cancel, so the window never waits for it (V = 100 has ~2500 LP modes).

#include "calc/exactmodecolumns.h"
#include "calc/exactmodescalculator.h"
#include "exactmodeset.h"

#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>

class QCheckBox;
class QCPColorMap;
class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class StaleResults;

class ExactModesTab : public QWidget
{
    Q_OBJECT

public:
    explicit ExactModesTab(QWidget *parent = nullptr);
    ~ExactModesTab() override; // cancels a running calculation and waits for it

    bool isRunning() const { return m_worker != nullptr; }
    // The rows of the table as tab-separated text with a header line (the
    // selected rows, or every row when `all` is set), as Ctrl+C copies them.
    QString rowsAsTsv(bool all = false) const;

public slots:
    void calculate();
    void cancel();
    // "清空" and "恢复默认参数": a running calculation is cancelled and the
    // table, the map and the results of the last one are emptied.
    void clearResults();

signals:
    // A calculation ended: its results are shown (or it was cancelled).
    void calculationFinished();

private slots:
    void workerFinished();
    void updateProgress();
    void showSelectedMode();
    void copySelectedRows();

protected:
    // QEvent::LanguageChange: captions, headers and the map title anew.
    void changeEvent(QEvent *event) override;

private:
    void buildForm();
    void retranslate();
    QLineEdit *addField(QWidget *box, const std::string &key, int decimals);
    velmora::calc::Inputs readInputs() const;
    void applyLink(const std::string &key);
    void showResults();
    void setRunning(bool running);

    velmora::calc::ExactModesCalculator m_calculator;
    std::map<std::string, QLineEdit *> m_fields;
    QCheckBox *m_material = nullptr;
    QCheckBox *m_vector = nullptr;
    QPushButton *m_calculate = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLineEdit *m_vField = nullptr;
    QLineEdit *m_countField = nullptr;
    QTableWidget *m_table = nullptr;
    StaleResults *m_stale = nullptr; // results greyed once an input differs
    QCustomPlot *m_plot = nullptr;
    QCPColorMap *m_colorMap = nullptr;
    QLabel *m_mapTitle = nullptr;
    QGroupBox *m_inputsBox = nullptr;
    QGroupBox *m_optionsBox = nullptr;

    QThread *m_worker = nullptr;
    std::shared_ptr<ExactModeProgress> m_progress;
    std::shared_ptr<ExactModeSet> m_pending; // written by the worker only
    ExactModeSet m_shown;                    // what the table shows
    std::vector<velmora::calc::ExactModeRow> m_rows;
    QTimer m_poll;
};

#endif // EXACTMODESTAB_H
