#ifndef FIBERDOCK_H
#define FIBERDOCK_H

// "当前光纤": a floating dock that shows and edits the current fiber, picks a
// generic fiber type or one of the user's own fibers (kept in the settings
// store), and fills the tab shown from it. It floats, so the main window and
// its pages keep their size.

#include "fiberdesign.h"

#include <QDockWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// A fiber's name as shown: the generic fibers' names in the window's
// language, the user's own as typed.
QString shownFiberName(const std::string &name);

class FiberDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit FiberDock(QWidget *parent = nullptr);
    ~FiberDock() override;

    void showFiber(const velmora::designs::FiberDesign &fiber);
    // The fiber the fields describe (values as typed; not range-checked).
    velmora::designs::FiberDesign fiberInFields() const;

    // The user's own fibers, stored in the settings store.
    static std::vector<velmora::designs::FiberDesign> userFibers();

protected:
    void changeEvent(QEvent *event) override;

signals:
    void fiberEdited(const velmora::designs::FiberDesign &fiber);
    void useRequested();

private slots:
    void typeChosen(int index);
    void saveAsUserFiber();
    void removeUserFiber();

private:
    void refreshTypes();
    void retranslate();
    void fitToTexts();
    static void storeUserFibers(const std::vector<velmora::designs::FiberDesign> &fibers);

    QComboBox *m_types = nullptr;
    QLineEdit *m_name = nullptr;
    std::vector<QLineEdit *> m_values; // one per number of the fiber, in kFields order
    std::vector<QLabel *> m_captions;  // their captions, in the same order
    std::string m_nameSource;          // the fiber name last shown, and its text
    QString m_nameShown;
    QLabel *m_typesLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QPushButton *m_useButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_removeButton = nullptr;
};

#endif // FIBERDOCK_H
