#ifndef FBMAINWINDOW_H
#define FBMAINWINDOW_H

#include "uilanguage.h"

#include <QColor>
#include <QMainWindow>

#include <functional>

class Constant;
class DesignController;
class SweepWindow;
class LaserPluse;
class LaserTrait;
class Laserbsc;
class QAction;
class QVBoxLayout;
class QWebView;
class bscoptlaw;
class fbamp;
class fbmode;
class fbopt;
class nolinear;
class threashold;

namespace Ui {
class FBMainWindow;
}

// The one main window: menus, toolbars and the content area in which exactly
// one calculator page is shown. Pages are created on first selection and only
// hidden afterwards, so their fields, tables and plots survive switching.
class FBMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Index of the page shown (currentPage).
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

    bscoptlaw *bscoptlawPagePtr() const { return bscoptlawPage; }
    nolinear *nolinearPagePtr() const { return nolinearPage; }
    Laserbsc *laserbscPagePtr() const { return laserbscPage; }
    LaserTrait *laserTraitPagePtr() const { return laserTraitPage; }
    LaserPluse *laserPlusePagePtr() const { return laserPlusePage; }
    fbopt *fboptPagePtr() const { return fboptPage; }
    fbmode *fbmodePagePtr() const { return fbmodePage; }
    threashold *threasholdPagePtr() const { return threasholdPage; }
    fbamp *fbampPagePtr() const { return fbampPage; }
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

private slots:
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
    template <typename Page> void showPage(Page *&page, int index);
    void connectActions();
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
    bscoptlaw *bscoptlawPage = nullptr;
    nolinear *nolinearPage = nullptr;
    Laserbsc *laserbscPage = nullptr;
    LaserTrait *laserTraitPage = nullptr;
    LaserPluse *laserPlusePage = nullptr;
    fbopt *fboptPage = nullptr;
    fbmode *fbmodePage = nullptr;
    threashold *threasholdPage = nullptr;
    fbamp *fbampPage = nullptr;
    QVBoxLayout *pageLayout = nullptr;
    int currentPage = -1;
    Ui::FBMainWindow *ui = nullptr;
    QWebView *helpView = nullptr;
    SaveFileProvider exportSaveFile;
    DirectoryProvider exportDirectory;
};

#endif // FBMAINWINDOW_H
