#ifndef FBLIMITSFORM_H
#define FBLIMITSFORM_H

// The form of the power-limit page, built in code from the calculators' field
// descriptions (pages/fblimits/calc/limitsinputs.h): the preset box, the
// fiber, pump, signal and scan inputs in groups, the material constants as an
// editable table with their sources, one check box per limit, the run
// controls, the map, the curves and the result fields.

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora::calc {
struct FieldDescription;
}

class QCheckBox;
class QComboBox;
class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QWidget;

struct FblimitsForm {
    QTabWidget *tabWidget = nullptr; // the page frame
    QComboBox *presetCombo = nullptr;
    std::map<std::string, QLineEdit *> inputs;  // by calculator key
    std::map<std::string, QComboBox *> choices; // by calculator key
    std::map<std::string, QCheckBox *> limits;  // "use_…" by calculator key
    QTableWidget *constantsTable = nullptr;     // value column editable
    std::vector<std::string> constantKeys;      // the table's rows
    std::map<std::string, QLineEdit *> outputs; // by calculator key
    QPushButton *designButton = nullptr;
    QPushButton *mapButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QProgressBar *progressBar = nullptr;
    QLabel *statusLabel = nullptr;
    QTabWidget *plotTabs = nullptr;
    QCustomPlot *powerMapPlot = nullptr;
    QCustomPlot *bindingMapPlot = nullptr;
    QCustomPlot *curvesPlot = nullptr;

    // Texts set by retranslateUi.
    QWidget *tab = nullptr;
    QLabel *presetLabel = nullptr;
    std::vector<std::pair<QLabel *, const velmora::calc::FieldDescription *>> captions;
    std::vector<std::pair<QGroupBox *, const char *>> groups;

    void setupUi(QWidget *page);
    void retranslateUi();
};

#endif // FBLIMITSFORM_H
