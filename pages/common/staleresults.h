#ifndef STALERESULTS_H
#define STALERESULTS_H

// Results belong to the inputs that produced them. A tab hands its input
// widgets (line edits, combo boxes, check boxes, radio buttons, spin boxes
// and tables of inputs), its
// result widgets and a note label to one StaleResults. When the calculation
// starts, the inputs are kept; once results are shown, any input differing
// from what was kept greys the results and shows the note ("the results
// belong to the previous inputs") until the next calculation, and an input
// typed back to its kept value makes them current again. While results are
// stale, each changed input carries the value that produced them (property
// kResultInputProperty), which the spreadsheet export writes instead of the
// edited text, so an exported sheet never pairs new inputs with old results.

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <map>
#include <vector>

class QLabel;
class QWidget;

// The property an input widget holds while the results shown come from
// another value of it: a QString (line edit text), an int (combo box index)
// or a bool (check state).
extern const char *const kResultInputProperty;

class StaleResults : public QObject
{
    Q_OBJECT

public:
    StaleResults(QObject *parent, QLabel *note);

    void watchInput(QWidget *input);
    void addResult(QWidget *result);

    // The inputs as the calculation reads them now.
    void calculationStarted();
    // Its results are shown: current, unless an input changed meanwhile.
    void resultsShown();
    // It was cancelled: the results shown still belong to the inputs kept
    // at the calculation before.
    void calculationCancelled();
    // No results (清空, a refused calculation): nothing to be stale.
    void resultsCleared();

    bool isStale() const { return m_stale; }
    bool haveResults() const { return m_haveResults; }
    // The note's text in the window's language (a language change).
    void retranslate();

signals:
    void staleChanged(bool stale);

private:
    QVariant valueOf(const QWidget *input) const;
    void check();
    void setStale(bool stale);

    QLabel *m_note;
    std::vector<QPointer<QWidget>> m_inputs;
    std::vector<QPointer<QWidget>> m_results;
    std::map<const QWidget *, QVariant> m_kept;     // at the calculation
    std::map<const QWidget *, QVariant> m_previous; // at the one before
    bool m_haveResults = false;
    bool m_stale = false;
};

#endif // STALERESULTS_H
