#include "fbmainwindowform.h"

#include "pageconventions.h"
#include "pageregistry.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMetaObject>

namespace Ui {

// Icons are files beside the program ("img/<name>.png"); a missing file leaves
// the action without icon and everything else working.
QAction *FBMainWindow::createAction(QMainWindow *window, const char *objectName,
                                    const QString &iconName)
{
    auto *action = new QAction(window);
    action->setObjectName(QString::fromLatin1(objectName));
    QFont font;
    font.setPointSize(11);
    action->setFont(font);
    if (!iconName.isEmpty()) {
        const QString path =
            findRuntimeFile(QStringLiteral("img/") + iconName + QStringLiteral(".png"));
        if (QFileInfo::exists(path)) {
            QIcon icon;
            icon.addFile(path, QSize(), QIcon::Normal, QIcon::Off);
            action->setIcon(icon);
        }
    }
    return action;
}

void FBMainWindow::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("FBMainWindow"));
    window->resize(900, 710);
    QFont windowFont;
    windowFont.setPointSize(15);
    window->setFont(windowFont);

    for (const PageEntry &page : pageRegistry())
        pageActions.push_back(createAction(window, page.actionName, page.iconName));
    actionClose = createAction(window, "actionClose", QStringLiteral("退出"));
    actionClear = createAction(window, "actionClear", QStringLiteral("清除"));
    actionDefaultPar = createAction(window, "actionDefaultPar", QStringLiteral("恢复默认参数"));
    actionExportData = createAction(window, "actionExportData", QString());
    actionExportPic = createAction(window, "actionExportPic", QString());
    actionWindows_Color = createAction(window, "actionWindows_Color", QString());
    actionDefaultSettings = createAction(window, "actionDefaultSettings", QString());
    actionTopHint = createAction(window, "actionTopHint", QString());
    actionTopHint->setCheckable(true);
    actionCalculator = createAction(window, "actionCalculator", QString());
    actionConstant = createAction(window, "actionConstant", QStringLiteral("查看常量"));
    actionIntro = createAction(window, "actionIntro", QString());
    actionTopic = createAction(window, "actionTopic", QStringLiteral("帮助"));
    actionAbout = createAction(window, "actionAbout", QString());
    // Each language is named in itself, so it can be found from the other.
    actionLanguageChinese = createAction(window, "actionLanguageChinese", QString());
    actionLanguageEnglish = createAction(window, "actionLanguageEnglish", QString());
    auto *languages = new QActionGroup(window);
    for (QAction *language : {actionLanguageChinese, actionLanguageEnglish}) {
        language->setCheckable(true);
        languages->addAction(language);
    }

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    gridLayout = new QGridLayout(centralWidget);
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(11, 11, 11, 11);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    widget = new QWidget(centralWidget);
    widget->setObjectName(QStringLiteral("widget"));
    widget->setEnabled(true);
    // Two declarations as the window always had them; the second one wins and
    // gives the light-blue content area.
    widget->setStyleSheet(
        QStringLiteral("background-color: rgb(245, 245, 245);\n"
                       "background-color: rgb(228, 241, 255);"));
    gridLayout->addWidget(widget, 0, 0, 1, 1);
    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setGeometry(QRect(0, 0, 900, 27));
    QFont menuBarFont;
    menuBarFont.setPointSize(12);
    menuBar->setFont(menuBarFont);
    menuFile = new QMenu(menuBar);
    menuFile->setObjectName(QStringLiteral("menuFile"));
    QFont fileMenuFont;
    fileMenuFont.setPointSize(9);
    menuFile->setFont(fileMenuFont);
    menuEdit = new QMenu(menuBar);
    menuEdit->setObjectName(QStringLiteral("menuEdit"));
    menuHelp = new QMenu(menuBar);
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    menuSettings = new QMenu(menuBar);
    menuSettings->setObjectName(QStringLiteral("menuSettings"));
    menuTools = new QMenu(menuBar);
    menuTools->setObjectName(QStringLiteral("menuTools"));
    menuLanguage = new QMenu(menuSettings);
    menuLanguage->setObjectName(QStringLiteral("menuLanguage"));
    window->setMenuBar(menuBar);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);

    toolBar = new QToolBar(window);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setIconSize(QSize(30, 30));
    window->addToolBar(Qt::LeftToolBarArea, toolBar);
    mainToolBar = new QToolBar(window);
    mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    mainToolBar->setIconSize(QSize(24, 24));
    window->addToolBar(Qt::TopToolBarArea, mainToolBar);

    menuBar->addAction(menuFile->menuAction());
    menuBar->addAction(menuEdit->menuAction());
    menuBar->addAction(menuSettings->menuAction());
    menuBar->addAction(menuTools->menuAction());
    menuBar->addAction(menuHelp->menuAction());

    for (QAction *page : pageActions)
        menuFile->addAction(page);
    menuFile->addSeparator();
    menuFile->addAction(actionClose);
    menuEdit->addAction(actionClear);
    menuEdit->addAction(actionDefaultPar);
    menuEdit->addSeparator();
    menuEdit->addAction(actionExportData);
    menuEdit->addAction(actionExportPic);
    menuEdit->addSeparator();
    menuSettings->addAction(actionWindows_Color);
    menuSettings->addAction(actionDefaultSettings);
    menuSettings->addSeparator();
    menuSettings->addAction(actionTopHint);
    menuSettings->addSeparator();
    menuSettings->addMenu(menuLanguage);
    menuLanguage->addAction(actionLanguageChinese);
    menuLanguage->addAction(actionLanguageEnglish);
    menuTools->addAction(actionCalculator);
    menuHelp->addAction(actionIntro);
    menuHelp->addAction(actionTopic);
    menuHelp->addAction(actionAbout);

    for (QAction *page : pageActions)
        toolBar->addAction(page);
    mainToolBar->addAction(actionDefaultPar);
    mainToolBar->addAction(actionClear);
    mainToolBar->addSeparator();
    mainToolBar->addAction(actionConstant);
    mainToolBar->addAction(actionTopic);
    mainToolBar->addSeparator();
    mainToolBar->addAction(actionClose);

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
}

void FBMainWindow::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(QStringLiteral("Velmora"));
    for (std::size_t i = 0; i < pageActions.size(); ++i)
        pageActions[i]->setText(
            QCoreApplication::translate("FBMainWindow", pageRegistry()[i].title));
    actionClose->setText(QCoreApplication::translate("FBMainWindow", "退出"));
    actionClose->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    actionClear->setText(QCoreApplication::translate("FBMainWindow", "清空"));
    actionClear->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    actionDefaultPar->setText(QCoreApplication::translate("FBMainWindow", "恢复默认参数"));
    actionExportData->setText(QCoreApplication::translate("FBMainWindow", "数据导出"));
    actionExportData->setIconText(QCoreApplication::translate("FBMainWindow", "保存excel"));
    actionExportData->setToolTip(QCoreApplication::translate("FBMainWindow", "数据导出excel表单"));
    actionExportPic->setText(QCoreApplication::translate("FBMainWindow", "导出图片"));
    actionWindows_Color->setText(QCoreApplication::translate("FBMainWindow", "窗口背景色"));
    actionDefaultSettings->setText(QCoreApplication::translate("FBMainWindow", "恢复默认设置"));
    actionTopHint->setText(QCoreApplication::translate("FBMainWindow", "窗口置顶"));
    actionCalculator->setText(QCoreApplication::translate("FBMainWindow", "计算器"));
    actionConstant->setText(QCoreApplication::translate("FBMainWindow", "查看常量"));
    actionIntro->setText(QCoreApplication::translate("FBMainWindow", "使用说明"));
    actionTopic->setText(QCoreApplication::translate("FBMainWindow", "计算模型说明"));
    actionAbout->setText(QCoreApplication::translate("FBMainWindow", "关于我们"));
    menuFile->setTitle(QCoreApplication::translate("FBMainWindow", "查看"));
    menuEdit->setTitle(QCoreApplication::translate("FBMainWindow", "操作"));
    menuHelp->setTitle(QCoreApplication::translate("FBMainWindow", "帮助"));
    menuSettings->setTitle(QCoreApplication::translate("FBMainWindow", "设置"));
    menuTools->setTitle(QCoreApplication::translate("FBMainWindow", "工具"));
    menuLanguage->setTitle(QCoreApplication::translate("FBMainWindow", "语言 / Language"));
    actionLanguageChinese->setText(QStringLiteral("中文"));
    actionLanguageEnglish->setText(QStringLiteral("English"));
    toolBar->setWindowTitle(QStringLiteral("toolBar"));
    mainToolBar->setToolTip(QCoreApplication::translate("FBMainWindow", "常用常量查表"));
}

} // namespace Ui
