#ifndef FBMAINWINDOWFORM_H
#define FBMAINWINDOWFORM_H

// The main window's form, built in code: actions, menus, toolbars and the
// content area that holds the pages. Object names, texts and order are those
// other parts of the program (and users' muscle memory) rely on.

#include <QAction>
#include <QGridLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

#include <vector>

namespace Ui {

class FBMainWindow
{
public:
    // One action per page of the page list (pageregistry.h), in its order:
    // the 查看 menu and the left toolbar.
    std::vector<QAction *> pageActions;
    QAction *actionClose;
    QAction *actionClear;
    QAction *actionDefaultPar;
    QAction *actionExportData;
    QAction *actionExportPic;
    QAction *actionWindows_Color;
    QAction *actionDefaultSettings;
    QAction *actionTopHint;
    QAction *actionCalculator;
    QAction *actionConstant;
    QAction *actionIntro;
    QAction *actionTopic;
    QAction *actionAbout;
    QAction *actionLanguageChinese;
    QAction *actionLanguageEnglish;
    QWidget *centralWidget;
    QGridLayout *gridLayout;
    QWidget *widget;
    QMenuBar *menuBar;
    QMenu *menuFile;
    QMenu *menuEdit;
    QMenu *menuHelp;
    QMenu *menuSettings;
    QMenu *menuTools;
    QMenu *menuLanguage;
    QStatusBar *statusBar;
    QToolBar *toolBar;
    QToolBar *mainToolBar;

    void setupUi(QMainWindow *window);
    // Sets every text of the form in the language installed (the Chinese
    // source texts through the translators, context "FBMainWindow").
    void retranslateUi(QMainWindow *window);

private:
    QAction *createAction(QMainWindow *window, const char *objectName, const QString &iconName);
};

} // namespace Ui

#endif // FBMAINWINDOWFORM_H
