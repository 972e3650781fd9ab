#ifndef FBMAINWINDOW_H
#define FBMAINWINDOW_H

#include "uilanguage.h"

#include <QColor>
#include <QMainWindow>

#include <functional>
#include <map>
#include <string>

class Constant;
class DesignController;
class SweepWindow;
class QAction;
class QVBoxLayout;
class QWebView;
class bscoptlaw;
class fbamp;
class fbmode;
class fbopt;
class nolinear;
class threashold;
struct PageEntry;

namespace Ui {
class FBMainWindow;
}

// The one main window: menus, toolbars and the content area in which exactly
// one calculator page is shown. The pages, their 查看 and toolbar actions
// come from the page list (pageregistry.h); a page is created on first
// selection and only hidden afterwards, so its fields, tables and plots
// survive switching.
class FBMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Index of the page shown (currentPageIndex), as each page's entry gives
    // it; named here for the callers that have always used the names.
    enum PageIndex {
        BscoptlawPage = 0,
        NolinearPage = 1,
        FboptPage = 2,
        FbmodePage = 3,
        LaserPlusePage = 4,
        LaserbscPage = 5,
        LaserTraitPage = 6,
        ThreasholdPage = 7,
        FbampPage = 8,
    };

    explicit FBMainWindow(QWidget *parent = nullptr);
    ~FBMainWindow() override;

    int currentPageIndex() const { return currentPage; }
    // The page shown, or nullptr before construction has created one.
    QWidget *currentPageWidget() const;
    // The inner tab shown on the current page (0 for pages with one tab).
    int currentInnerTab() const;

    // The page of a folder ("fbmode"), or nullptr before its first selection.
    QWidget *page(const std::string &folder) const;
    template <typename Page> Page *pageOf() const
    {
        return qobject_cast<Page *>(page(Page::staticMetaObject.className()));
    }
    // Shows the page of a folder, creating it on first selection; nullptr
    // (and nothing changed) for a folder without page.
    QWidget *showPage(const std::string &folder);

    // Kept for the callers that have always used them (fbmainwindow_compat.cpp).
    bscoptlaw *bscoptlawPagePtr() const;
    nolinear *nolinearPagePtr() const;
    fbopt *fboptPagePtr() const;
    fbmode *fbmodePagePtr() const;
    threashold *threasholdPagePtr() const;
    fbamp *fbampPagePtr() const;
    QWebView *helpWindow() const { return helpView; }
    Constant *lastConstantDialog() const { return constantDialog; }
    SweepWindow *lastSweepWindow() const { return sweepWindow; }
    // Current fiber, design files and undo of 恢复默认参数 / 打开设计.
    DesignController *designs() const { return designController; }

    // Stand-ins for the dialogs of the two export commands (tests use them);
    // an empty function brings the dialog back. The save-file provider gets
    // the preselected filter and may change it, as the dialog would.
    using SaveFileProvider = std::function<QString(QString *selectedFilter)>;
    using DirectoryProvider = std::function<QString()>;
    void setExportDialogs(SaveFileProvider saveFile, DirectoryProvider directory);

protected:
    // QEvent::LanguageChange: every text of the window anew.
    void changeEvent(QEvent *event) override;

public slots:
    // 设置 → 语言 / Language: stores the choice and switches at once.
    void chooseLanguage(UiLanguage language);
    // 工具 → 参数扫描: the sweep window, preset to the page and tab shown.
    void showSweepWindow();

    // Shows the page of a folder by name (QMetaObject::invokeMethod).
    void showPageOf(const QString &folder);

private slots:
    // The selecting slots the pages have always had, invokable by name
    // (fbmainwindow_compat.cpp); a new page needs none: showPageOf(folder).
    void bsclawtab();
    void nolineartab();
    void laserbsctab();
    void traittab();
    void plstab();
    void fbbsctab();
    void fbmodetab();
    void threshtab();
    void amptab();
    void clear();
    void about();
    void startAssistant();
    void introduction();
    void showConstant();
    void showWindowColorDialog();
    void windowColorChange(QColor color);
    void defaultSettings();
    void sysCalculator();
    void defaultPar();
    void topshow();
    void exportData();
    void exportPic();

private:
    void connectActions();
    void connectPageActions();
    void retranslate();
    void setStatusTips();
    void addLanguageMenu();
    void addSweepAction();
    void restoreSettings();
    void showHelpPage(const QString &name);

    QAction *sweepAction = nullptr;
    QString helpPageShown; // "about.html" etc., reopened in a new language

    Constant *constantDialog = nullptr;
    SweepWindow *sweepWindow = nullptr;
    DesignController *designController = nullptr;
    std::map<std::string, QWidget *> pages; // folder → page, once created
    QWidget *shownPage = nullptr;
    QVBoxLayout *pageLayout = nullptr;
    int currentPage = -1;
    Ui::FBMainWindow *ui = nullptr;
    QWebView *helpView = nullptr;
    SaveFileProvider exportSaveFile;
    DirectoryProvider exportDirectory;
};

#endif // FBMAINWINDOW_H
