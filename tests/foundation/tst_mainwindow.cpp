// The main window as the user sees it: titles, menus, toolbars, actions,
// fixed size, page switching and "清空" on the geometric-optics page.

#include "bscoptlaw.h"
#include "fbmainwindow.h"
#include "fbmode.h"

#include <QAction>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <iterator>

#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowHasTitleIconAndFixedSize();
    void contentAreaIsLightBlue();
    void menuBarHoldsTheFiveMenusInOrder();
    void menusListTheirEntriesInOrder();
    void toolbarsCarryTheirActionsAndIconSizes();
    void actionsHaveTheirTextsShortcutsAndTips();
    void actionsWithIconFilesShowIcons();
    void statusTipsReachTheStatusBar();
    void startPageIsTheFiberModePage();
    void everyPageActionShowsItsOwnPage();
    void switchingPagesKeepsTypedTextAndResults();
    void selectingTheShownPageCreatesNoSecondInstance();
    void clearEmptiesOnlyTheGeometricOpticsResults();
    void exitActionClosesTheWindow();

private:
    QAction *action(const char *name) const;
    QStringList entries(const QWidget *menuOrToolBar) const;
    QLineEdit *bscField(const char *name) const;

    std::unique_ptr<FBMainWindow> window;
};

namespace {

// One row of the action table.
struct ActionRow {
    const char *name;
    const char *text;
    bool hasIcon;
    const char *shortcut;
    const char *statusTip;
};

const ActionRow kActions[] = {
    {"actionBscLaw", "几何光学参数", true, "", "反射折射"},
    {"actionBscLaser", "连续激光参数", true, "", "频率与相干性"},
    {"actionPls", "脉冲激光参数", true, "", "高斯脉冲"},
    {"actionLasertrit", "激光器参数", true, "", "纵模间隔、光光效率、量子亏损、小信号增益"},
    {"actionFBbsc", "光纤参数", true, "", "掺杂浓度、本征损耗、填充因子、端面反射率"},
    {"actionNonlinear", "非线性效应", true, "",
     "受激布里渊散射、受激拉曼散射、非线性相移、四波混频"},
    {"actionFBmode", "光纤模式参数", true, "", "光纤模式、光束质量、模式损耗"},
    {"actionThreshold", "不稳定阈值", true, "", "均匀双包层光纤"},
    {"actionFbamp", "光纤放大器", true, "", "掺镱光纤放大器与激光器：泵浦、信号、ASE与热负载"},
    {"actionPulseamp", "脉冲放大", true, "",
     "脉冲在光纤中的传输：色散、自相位调制、拉曼与自陡峭（广义非线性薛定谔方程）"},
    {"actionClose", "退出", true, "Ctrl+Q", "退出应用程序"},
    {"actionClear", "清空", true, "Ctrl+R", "清空输出结果"},
    {"actionDefaultPar", "恢复默认参数", true, "", "恢复默认参数"},
    {"actionExportData", "数据导出", false, "", "数据导出为excel格式"},
    {"actionExportPic", "导出图片", false, "", "图片导出为jpg格式"},
    {"actionWindows_Color", "窗口背景色", false, "", ""},
    {"actionDefaultSettings", "恢复默认设置", false, "", ""},
    {"actionTopHint", "窗口置顶", false, "", "窗口置顶"},
    {"actionCalculator", "计算器", false, "", ""},
    {"actionConstant", "查看常量", true, "", "查看常量"},
    {"actionIntro", "使用说明", false, "", "使用说明"},
    {"actionTopic", "计算模型说明", true, "", "帮助主题"},
    {"actionAbout", "关于我们", false, "", "关于"},
};

// Page actions in the order of the page index 0..8.
const char *const kPageActions[] = {"actionBscLaw",    "actionNonlinear", "actionFBbsc",
                                    "actionFBmode",    "actionPls",       "actionBscLaser",
                                    "actionLasertrit", "actionThreshold", "actionFbamp"};

const char *const kBscResults[] = {"m_ThetalineEdit_4", "m_ThetalineEdit_5", "m_ThetalineEdit_6",
                                   "m_RadlineEdit_8",   "m_RadlineEdit_9",   "m_RadlineEdit_10"};

} // namespace

void TestMainWindow::init()
{
    window = std::make_unique<FBMainWindow>();
}

void TestMainWindow::cleanup()
{
    window.reset();
}

QAction *TestMainWindow::action(const char *name) const
{
    auto *found = window->findChild<QAction *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

// Object names of the entries, "-" for a separator.
QStringList TestMainWindow::entries(const QWidget *menuOrToolBar) const
{
    QStringList names;
    for (const QAction *entry : menuOrToolBar->actions())
        names << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
    return names;
}

QLineEdit *TestMainWindow::bscField(const char *name) const
{
    return window->bscoptlawPagePtr()->findChild<QLineEdit *>(QString::fromLatin1(name));
}

void TestMainWindow::windowHasTitleIconAndFixedSize()
{
    QCOMPARE(window->objectName(), QStringLiteral("FBMainWindow"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(window->font().pointSize(), 15);
    // The logo comes from the compiled-in resources.
    QVERIFY(!QPixmap(QStringLiteral(":/img/QLXLogo.png")).isNull());
    QVERIFY(!window->windowIcon().isNull());

    QCOMPARE(window->minimumSize(), QSize(900, 710));
    QCOMPARE(window->maximumSize(), QSize(900, 710));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->size(), QSize(900, 710));
    window->resize(1200, 900);
    QCOMPARE(window->size(), QSize(900, 710));
}

void TestMainWindow::contentAreaIsLightBlue()
{
    auto *content = window->findChild<QWidget *>(QStringLiteral("widget"));
    QVERIFY(content);
    QVERIFY(content->isEnabled());
    QCOMPARE(content->styleSheet(), QStringLiteral("background-color: rgb(245, 245, 245);\n"
                                                   "background-color: rgb(228, 241, 255);"));
    auto *grid = window->findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    QCOMPARE(grid->spacing(), 6);
    QCOMPARE(grid->contentsMargins(), QMargins(11, 11, 11, 11));
    QCOMPARE(window->centralWidget()->objectName(), QStringLiteral("centralWidget"));
}

void TestMainWindow::menuBarHoldsTheFiveMenusInOrder()
{
    QMenuBar *bar = window->menuBar();
    QCOMPARE(bar->objectName(), QStringLiteral("menuBar"));
    QCOMPARE(bar->font().pointSize(), 12);
    QStringList titles, names;
    for (QAction *entry : bar->actions()) {
        titles << entry->text();
        names << entry->menu()->objectName();
    }
    QCOMPARE(titles, QStringList({"查看", "操作", "设置", "工具", "帮助"}));
    QCOMPARE(names, QStringList({"menuFile", "menuEdit", "menuSettings", "menuTools", "menuHelp"}));
    QCOMPARE(window->findChild<QMenu *>(QStringLiteral("menuFile"))->font().pointSize(), 9);
}

void TestMainWindow::menusListTheirEntriesInOrder()
{
    const auto menu = [this](const char *name) {
        return window->findChild<QMenu *>(QString::fromLatin1(name));
    };
    QCOMPARE(entries(menu("menuFile")),
             QStringList({"actionBscLaw", "actionBscLaser", "actionPls", "actionLasertrit",
                          "actionFBbsc", "actionNonlinear", "actionFBmode", "actionThreshold",
                          "actionFbamp", "actionFblimits", "actionPulseamp", "-", "actionClose"}));
    // Designs follow the seeded entries: save, open, recent, undo, the fiber.
    QCOMPARE(entries(menu("menuEdit")),
             QStringList({"actionClear", "actionDefaultPar", "-", "actionExportData",
                          "actionExportPic", "-", "actionSaveDesign", "actionOpenDesign", "",
                          "actionUndoReplace", "actionUseFiber"}));
    // The language submenu follows the seeded entries.
    QCOMPARE(entries(menu("menuSettings")),
             QStringList(
                 {"actionWindows_Color", "actionDefaultSettings", "-", "actionTopHint", "-", ""}));
    QCOMPARE(entries(menu("menuLanguage")),
             QStringList({"actionLanguageChinese", "actionLanguageEnglish"}));
    // The sweep window follows the system calculator.
    QCOMPARE(entries(menu("menuTools")),
             QStringList({"actionCalculator", "actionSweep", "actionFiberDock"}));
    QCOMPARE(entries(menu("menuHelp")), QStringList({"actionIntro", "actionTopic", "actionAbout"}));
    // The constants action lives on the top toolbar only.
    for (const QMenu *each : window->findChildren<QMenu *>())
        QVERIFY(!each->actions().contains(action("actionConstant")));
}

void TestMainWindow::toolbarsCarryTheirActionsAndIconSizes()
{
    auto *left = window->findChild<QToolBar *>(QStringLiteral("toolBar"));
    auto *top = window->findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(left && top);
    QCOMPARE(window->toolBarArea(left), Qt::LeftToolBarArea);
    QCOMPARE(window->toolBarArea(top), Qt::TopToolBarArea);
    QCOMPARE(left->iconSize(), QSize(30, 30));
    QCOMPARE(top->iconSize(), QSize(24, 24));
    QCOMPARE(left->windowTitle(), QStringLiteral("toolBar"));
    QCOMPARE(top->toolTip(), QStringLiteral("常用常量查表"));
    QCOMPARE(entries(left),
             QStringList({"actionBscLaw", "actionBscLaser", "actionPls", "actionLasertrit",
                          "actionFBbsc", "actionNonlinear", "actionFBmode", "actionThreshold",
                          "actionFbamp", "actionFblimits", "actionPulseamp"}));
    QCOMPARE(entries(top), QStringList({"actionDefaultPar", "actionClear", "-", "actionConstant",
                                        "actionTopic", "-", "actionClose"}));
}

void TestMainWindow::actionsHaveTheirTextsShortcutsAndTips()
{
    for (const ActionRow &row : kActions) {
        QAction *each = action(row.name);
        QCOMPARE(each->parent(), window.get());
        QCOMPARE(each->text(), QString::fromUtf8(row.text));
        QCOMPARE(each->shortcut(), QKeySequence(QString::fromLatin1(row.shortcut)));
        QCOMPARE(each->statusTip(), QString::fromUtf8(row.statusTip));
        QCOMPARE(each->font().pointSize(), 11);
        QCOMPARE(each->isCheckable(), qstrcmp(row.name, "actionTopHint") == 0);
    }
    QCOMPARE(action("actionExportData")->iconText(), QStringLiteral("保存excel"));
    QCOMPARE(action("actionExportData")->toolTip(), QStringLiteral("数据导出excel表单"));
}

void TestMainWindow::actionsWithIconFilesShowIcons()
{
    // The tests run beside the program, where img/ holds the icons.
    for (const ActionRow &row : kActions)
        QVERIFY2(action(row.name)->icon().isNull() != row.hasIcon, row.name);
    const QIcon icon = action("actionBscLaw")->icon();
    QVERIFY(!icon.pixmap(QSize(30, 30)).isNull());
}

void TestMainWindow::statusTipsReachTheStatusBar()
{
    QCOMPARE(window->statusBar()->objectName(), QStringLiteral("statusBar"));
    action("actionClear")->showStatusText(window.get());
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("清空输出结果"));
}

void TestMainWindow::startPageIsTheFiberModePage()
{
    QCOMPARE(window->currentPageIndex(), int(FBMainWindow::FbmodePage));
    QVERIFY(window->fbmodePagePtr());
    QCOMPARE(window->currentPageWidget(), static_cast<QWidget *>(window->fbmodePagePtr()));
    QCOMPARE(window->fbmodePagePtr()->parentWidget(),
             window->findChild<QWidget *>(QStringLiteral("widget")));
    // No other page exists before it is chosen.
    QVERIFY(!window->bscoptlawPagePtr());
    QVERIFY(!window->nolinearPagePtr());
    QVERIFY(!window->threasholdPagePtr());
}

void TestMainWindow::everyPageActionShowsItsOwnPage()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (int index = 0; index < int(std::size(kPageActions)); ++index) {
        QAction *pageAction = action(kPageActions[index]);
        if (!pageAction->isEnabled())
            continue; // a page still to come
        pageAction->trigger();
        QCOMPARE(window->currentPageIndex(), index);
        QWidget *shown = window->currentPageWidget();
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        // Exactly one page is visible in the content area.
        int visible = 0;
        for (QObject *child : window->findChild<QWidget *>(QStringLiteral("widget"))->children())
            if (auto *page = qobject_cast<QWidget *>(child))
                visible += page->isVisible() ? 1 : 0;
        QCOMPARE(visible, 1);
    }
}

void TestMainWindow::switchingPagesKeepsTypedTextAndResults()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    action("actionBscLaw")->trigger();
    bscoptlaw *page = window->bscoptlawPagePtr();
    QVERIFY(page);
    QLineEdit *n1 = bscField("m_RfrlineEdit_1");
    n1->clear();
    QTest::keyClicks(n1, QStringLiteral("1.6"));
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    const QString brewster = bscField("m_RadlineEdit_9")->text();
    QVERIFY(!brewster.isEmpty());

    action("actionFBmode")->trigger();
    QVERIFY(!page->isVisible());
    QVERIFY(window->fbmodePagePtr()->isVisible());
    action("actionBscLaw")->trigger();
    QCOMPARE(window->bscoptlawPagePtr(), page);
    QVERIFY(page->isVisible());
    QCOMPARE(n1->text(), QStringLiteral("1.6"));
    QCOMPARE(bscField("m_RadlineEdit_9")->text(), brewster);
}

void TestMainWindow::selectingTheShownPageCreatesNoSecondInstance()
{
    action("actionBscLaw")->trigger();
    bscoptlaw *first = window->bscoptlawPagePtr();
    action("actionBscLaw")->trigger();
    QCOMPARE(window->bscoptlawPagePtr(), first);
    QCOMPARE(window->findChildren<bscoptlaw *>().size(), 1);
    action("actionFBmode")->trigger();
    action("actionFBmode")->trigger();
    QCOMPARE(window->findChildren<fbmode *>().size(), 1);
}

void TestMainWindow::clearEmptiesOnlyTheGeometricOpticsResults()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    action("actionBscLaw")->trigger();
    bscoptlaw *page = window->bscoptlawPagePtr();
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton); // defaults: no notice
    for (const char *name : kBscResults)
        QVERIFY2(!bscField(name)->text().isEmpty(), name);
    bscField("m_RadianlineEdit")->setText(QStringLiteral("0.7"));

    action("actionClear")->trigger();
    for (const char *name : kBscResults)
        QVERIFY2(bscField(name)->text().isEmpty(), name);
    QCOMPARE(bscField("m_RfrlineEdit_1")->text(), QStringLiteral("1.45"));
    QCOMPARE(bscField("m_RfrlineEdit_2")->text(), QStringLiteral("1"));
    QCOMPARE(bscField("m_ThetalineEdit_3")->text(), QStringLiteral("30"));
    QCOMPARE(bscField("m_RadianlineEdit")->text(), QStringLiteral("0.7"));
}

void TestMainWindow::exitActionClosesTheWindow()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    action("actionClose")->trigger();
    QVERIFY(!window->isVisible());
}

// The settings store lives in a temporary folder so the test neither reads
// nor changes the user's window position and colours.
int main(int argc, char *argv[])
{
    QTemporaryDir configHome;
    if (!configHome.isValid())
        return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Marlo"));
    QCoreApplication::setApplicationName(QStringLiteral("Quolux"));
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
