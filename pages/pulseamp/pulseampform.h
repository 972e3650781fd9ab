#ifndef PULSEAMPFORM_H
#define PULSEAMPFORM_H

// The form of the pulse page, built in code from the calculator's field
// descriptions (pages/pulseamp/calc/pulsefields.h): inputs grouped (脉冲,
// 光纤, 数值), the result fields, the run controls and the plots.

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
class QWidget;

struct PulseampForm {
    QTabWidget *tabWidget = nullptr;            // the page frame
    std::map<std::string, QLineEdit *> inputs;  // by calculator key
    std::map<std::string, QComboBox *> choices; // by calculator key
    std::map<std::string, QCheckBox *> checks;  // by calculator key
    std::map<std::string, QLineEdit *> outputs; // by calculator key
    QPushButton *calculateButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QLabel *statusLabel = nullptr;
    QProgressBar *progressBar = nullptr;
    QTabWidget *plotTabs = nullptr;
    QCustomPlot *timePlot = nullptr;
    QCustomPlot *spectrumPlot = nullptr;

    QWidget *tab = nullptr;
    QGroupBox *outputBox = nullptr;
    std::vector<std::pair<QLabel *, const velmora::calc::FieldDescription *>> captions;
    std::vector<std::pair<QGroupBox *, const char *>> groups;

    void setupUi(QWidget *page, const std::vector<velmora::calc::FieldDescription> &fields);
    void retranslateUi();
};

#endif // PULSEAMPFORM_H
