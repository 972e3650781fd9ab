#include "fbmainwindow.h"

#include "designcontroller.h"
#include "fbmainwindowform.h"
#include "tabfields.h"

#include "bscoptlaw.h"
#include "enterkey.h"
#include "fbamp.h"
#include "fbmode.h"
#include "fbopt.h"
#include "laserbsc.h"
#include "laserpluse.h"
#include "lasertrait.h"
#include "nolinear.h"
#include "readablecombos.h"
#include "threashold.h"

#include <QPixmap>
#include <QVBoxLayout>
#include <QWebView>

FBMainWindow::FBMainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::FBMainWindow)
{
    ui->setupUi(this);
    setMaximumSize(900, 710);
    setMinimumSize(900, 710);
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/img/QLXLogo.png"))));

    pageLayout = new QVBoxLayout(ui->widget);
    fbmodetab();
    restoreSettings();
    connectActions();
    addSweepAction();
    designController = new DesignController(this);

    // The help window is a top-level window of its own (no parent), created
    // once and reused by every help command.
    helpView = new QWebView();
    // The product name, not the settings store's application name.
    helpView->setWindowTitle(tr("Velmora 帮助"));
}

FBMainWindow::~FBMainWindow()
{
    delete helpView;
    delete ui;
}

void FBMainWindow::setStatusTips()
{
    ui->actionBscLaw->setStatusTip(tr("反射折射"));
    ui->actionBscLaser->setStatusTip(tr("频率与相干性"));
    ui->actionPls->setStatusTip(tr("高斯脉冲"));
    ui->actionLasertrit->setStatusTip(tr("纵模间隔、光光效率、量子亏损、小信号增益"));
    ui->actionFBbsc->setStatusTip(tr("掺杂浓度、本征损耗、填充因子、端面反射率"));
    ui->actionNonlinear->setStatusTip(tr("受激布里渊散射、受激拉曼散射、非线性相移、四波混频"));
    ui->actionFBmode->setStatusTip(tr("光纤模式、光束质量、模式损耗"));
    ui->actionThreshold->setStatusTip(tr("均匀双包层光纤"));
    ui->actionFbamp->setStatusTip(tr("掺镱光纤放大器与激光器：泵浦、信号、ASE与热负载"));
    ui->actionClose->setStatusTip(tr("退出应用程序"));
    ui->actionClear->setStatusTip(tr("清空输出结果"));
    ui->actionDefaultPar->setStatusTip(tr("恢复默认参数"));
    ui->actionExportData->setStatusTip(tr("数据导出为excel格式"));
    ui->actionExportPic->setStatusTip(tr("图片导出为jpg格式"));
    ui->actionTopHint->setStatusTip(tr("窗口置顶"));
    ui->actionConstant->setStatusTip(tr("查看常量"));
    ui->actionIntro->setStatusTip(tr("使用说明"));
    ui->actionTopic->setStatusTip(tr("帮助主题"));
    ui->actionAbout->setStatusTip(tr("关于"));
}

void FBMainWindow::connectActions()
{
    setStatusTips();
    connect(ui->actionBscLaw, &QAction::triggered, this, &FBMainWindow::bsclawtab);
    connect(ui->actionNonlinear, &QAction::triggered, this, &FBMainWindow::nolineartab);
    connect(ui->actionBscLaser, &QAction::triggered, this, &FBMainWindow::laserbsctab);
    connect(ui->actionLasertrit, &QAction::triggered, this, &FBMainWindow::traittab);
    connect(ui->actionPls, &QAction::triggered, this, &FBMainWindow::plstab);
    connect(ui->actionFBbsc, &QAction::triggered, this, &FBMainWindow::fbbsctab);
    connect(ui->actionFBmode, &QAction::triggered, this, &FBMainWindow::fbmodetab);
    connect(ui->actionThreshold, &QAction::triggered, this, &FBMainWindow::threshtab);
    connect(ui->actionFbamp, &QAction::triggered, this, &FBMainWindow::amptab);
    connect(ui->actionAbout, &QAction::triggered, this, &FBMainWindow::about);
    connect(ui->actionClear, &QAction::triggered, this, &FBMainWindow::clear);
    connect(ui->actionClose, &QAction::triggered, this, &FBMainWindow::close);
    connect(ui->actionTopic, &QAction::triggered, this, &FBMainWindow::startAssistant);
    connect(ui->actionConstant, &QAction::triggered, this, &FBMainWindow::showConstant);
    connect(ui->actionWindows_Color, &QAction::triggered, this,
            &FBMainWindow::showWindowColorDialog);
    connect(ui->actionCalculator, &QAction::triggered, this, &FBMainWindow::sysCalculator);
    connect(ui->actionDefaultSettings, &QAction::triggered, this, &FBMainWindow::defaultSettings);
    connect(ui->actionDefaultPar, &QAction::triggered, this, &FBMainWindow::defaultPar);
    connect(ui->actionTopHint, &QAction::triggered, this, &FBMainWindow::topshow);
    connect(ui->actionExportData, &QAction::triggered, this, &FBMainWindow::exportData);
    connect(ui->actionExportPic, &QAction::triggered, this, &FBMainWindow::exportPic);
    connect(ui->actionIntro, &QAction::triggered, this, &FBMainWindow::introduction);
    addLanguageMenu();
}

// Creates the page on its first selection, then shows it and hides the rest.
template <typename Page> void FBMainWindow::showPage(Page *&page, int index)
{
    currentPage = index;
    if (!page) {
        page = new Page(this);
        connectEnterToCalculate(page);
        makeComboListsReadable(page);
        pageLayout->addWidget(page);
        ui->widget->setLayout(pageLayout);
    }
    const QList<QWidget *> pages = {bscoptlawPage,  nolinearPage,   laserbscPage,
                                    laserTraitPage, laserPlusePage, fboptPage,
                                    fbmodePage,     threasholdPage, fbampPage};
    for (QWidget *other : pages)
        if (other && other != page)
            other->setVisible(false);
    page->setVisible(true);
}

void FBMainWindow::bsclawtab()
{
    showPage(bscoptlawPage, BscoptlawPage);
}
void FBMainWindow::nolineartab()
{
    showPage(nolinearPage, NolinearPage);
}
void FBMainWindow::laserbsctab()
{
    showPage(laserbscPage, LaserbscPage);
}
void FBMainWindow::traittab()
{
    showPage(laserTraitPage, LaserTraitPage);
}
void FBMainWindow::plstab()
{
    showPage(laserPlusePage, LaserPlusePage);
}
void FBMainWindow::fbbsctab()
{
    showPage(fboptPage, FboptPage);
}
void FBMainWindow::fbmodetab()
{
    showPage(fbmodePage, FbmodePage);
}
void FBMainWindow::threshtab()
{
    showPage(threasholdPage, ThreasholdPage);
}
void FBMainWindow::amptab()
{
    showPage(fbampPage, FbampPage);
}

QWidget *FBMainWindow::currentPageWidget() const
{
    switch (currentPage) {
    case BscoptlawPage: return bscoptlawPage;
    case NolinearPage: return nolinearPage;
    case FboptPage: return fboptPage;
    case FbmodePage: return fbmodePage;
    case LaserPlusePage: return laserPlusePage;
    case LaserbscPage: return laserbscPage;
    case LaserTraitPage: return laserTraitPage;
    case ThreasholdPage: return threasholdPage;
    case FbampPage: return fbampPage;
    default: return nullptr;
    }
}

int FBMainWindow::currentInnerTab() const
{
    return shownTab(currentPageWidget());
}

// Empties the result fields of the page and inner tab shown; inputs, linked
// fields, tables and plots keep their contents.
void FBMainWindow::clear()
{
    QWidget *page = currentPageWidget();
    if (!page)
        return;
    clearTabResults(page, currentInnerTab());
    // Pages with plots, maps or tables clear those too (Q_INVOKABLE
    // clearResults(int tab)), so no picture of the old calculation remains.
    if (page->metaObject()->indexOfMethod("clearResults(int)") >= 0)
        QMetaObject::invokeMethod(page, "clearResults", Qt::DirectConnection,
                                  Q_ARG(int, currentInnerTab()));
}
