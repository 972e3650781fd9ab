#ifndef DESIGNCONTROLLER_H
#define DESIGNCONTROLLER_H

// The main window's designs: the current fiber (its dock, its summary in the
// status bar and "使用当前光纤"), saving and opening design files, the
// recent-designs list, and one step of undo for the three commands that
// replace many inputs at once (恢复默认参数, 打开设计 and 使用当前光纤): undo
// brings back the inputs as they were just before the last of them, so one
// click never loses a typed input set.

#include "calculator.h"
#include "fiberdesign.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class FBMainWindow;
class FiberDock;
class QAction;
class QLabel;
class QMenu;
class QWidget;

class DesignController : public QObject
{
    Q_OBJECT

public:
    explicit DesignController(FBMainWindow *window);

    const velmora::designs::FiberDesign &currentFiber() const { return m_fiber; }
    // False (and nothing changed) when a value is outside its range.
    bool setCurrentFiber(const velmora::designs::FiberDesign &fiber);

    // The page of a folder ("fbmode"); created (and shown) when `create`,
    // else nullptr when it was never opened.
    QWidget *pageFor(const std::string &folder, bool create);

    bool saveDesignTo(const QString &path, QString *error);
    // Validates the whole file first; on any problem nothing changes.
    // `skipped` receives the unknown tabs and keys that were left out.
    bool openDesignFrom(const QString &path, QString *error, QStringList *skipped = nullptr);
    bool canUndo() const { return m_undo.has_value(); }
    // Fills the current tab from the current fiber; the keys written.
    QStringList useCurrentFiber();

    QStringList recentDesigns() const;
    FiberDock *fiberDock() const { return m_dock; }

    // Stand-ins for the file dialogs (tests); empty brings the dialog back.
    using FileProvider = std::function<QString()>;
    void setFileDialogs(FileProvider save, FileProvider open);

    // Texts of the actions, the recent-designs menu and the fiber dock in the
    // language installed (the main window calls it on a language change).
    void retranslate();

public slots:
    void saveDesign();
    void openDesign();
    void undo();
    void useCurrentFiberAndReport();
    void showFiberDock();

private:
    // Every tab's inputs as the pages hold them (defaults for pages never
    // opened), with the page and tab shown.
    struct Snapshot {
        std::map<std::string, velmora::calc::Inputs> tabs; // only opened pages
        velmora::designs::FiberDesign fiber;
        std::string page;
        int tab = 0;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot &snapshot);
    void showPageTab(const std::string &folder, int tab);
    std::string currentFolder() const;
    void keepForUndo();
    void restoreDefaultsWithUndo();
    void addActions();
    void rememberRecent(const QString &path);
    void refreshRecentMenu();
    void refreshFiberSummary();
    void notice(const QString &text);

    FBMainWindow *m_window;
    velmora::designs::FiberDesign m_fiber;
    std::optional<Snapshot> m_undo;
    FiberDock *m_dock = nullptr;
    QLabel *m_fiberSummary = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_save = nullptr;
    QAction *m_open = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_use = nullptr;
    QAction *m_dockAction = nullptr;
    FileProvider m_saveFile;
    FileProvider m_openFile;
};

#endif // DESIGNCONTROLLER_H
