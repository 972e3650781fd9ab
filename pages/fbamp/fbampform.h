#ifndef FBAMPFORM_H
#define FBAMPFORM_H

// The form of the fiber-amplifier page, built in code from the calculator's
// field descriptions (pages/fbamp/calc/amplifierfields.h): one line edit or
// combo box per input, grouped (光纤, 泵浦, 信号, ASE, 激光器), the result
// fields, the run controls and four plots.

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velmora::calc {
struct FieldDescription;
}

class QComboBox;
class QCustomPlot;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QWidget;

struct FbampForm {
    QTabWidget *tabWidget = nullptr; // the page frame
    QComboBox *presetCombo = nullptr;
    std::map<std::string, QLineEdit *> inputs;  // by calculator key
    std::map<std::string, QComboBox *> choices; // by calculator key
    std::map<std::string, QLineEdit *> outputs; // by calculator key
    QPushButton *calculateButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *tableButton = nullptr;
    QLabel *tableLabel = nullptr;
    QLabel *statusLabel = nullptr;
    QProgressBar *progressBar = nullptr;
    QTabWidget *plotTabs = nullptr;
    QCustomPlot *powerPlot = nullptr;
    QCustomPlot *inversionPlot = nullptr;
    QCustomPlot *spectrumPlot = nullptr;
    QCustomPlot *heatPlot = nullptr;

    // Texts set by retranslateUi: captions of the fields, group titles.
    QWidget *tab = nullptr;
    QLabel *presetLabel = nullptr;
    QGroupBox *outputBox = nullptr;
    std::vector<std::pair<QLabel *, const velmora::calc::FieldDescription *>> captions;
    std::vector<std::pair<QGroupBox *, const char *>> groups;

    void setupUi(QWidget *page);
    // Every text in the window's language: the calculator's captions and
    // choices in its zh or en half, the form's own texts through tr().
    void retranslateUi();
};

#endif // FBAMPFORM_H
