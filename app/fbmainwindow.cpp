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
    helpView->setWindowTitle(QStringLiteral("Velmora 帮助"));
}

FBMainWindow::~FBMainWindow()
{
    delete helpView;
    delete ui;
}

void FBMainWindow::connectActions()
{
    ui->actionBscLaw->setStatusTip(QStringLiteral("反射折射"));
    ui->actionBscLaser->setStatusTip(QStringLiteral("频率与相干性"));
    ui->actionPls->setStatusTip(QStringLiteral("高斯脉冲"));
    ui->actionLasertrit->setStatusTip(QStringLiteral("纵模间隔、光光效率、量子亏损、小信号增益"));
    ui->actionFBbsc->setStatusTip(QStringLiteral("掺杂浓度、本征损耗、填充因子、端面反射率"));
    ui->actionNonlinear->setStatusTip(
        QStringLiteral("受激布里渊散射、受激拉曼散射、非线性相移、四波混频"));
    ui->actionFBmode->setStatusTip(QStringLiteral("光纤模式、光束质量、模式损耗"));
    ui->actionThreshold->setStatusTip(QStringLiteral("均匀双包层光纤"));
    ui->actionFbamp->setStatusTip(
        QStringLiteral("掺镱光纤放大器与激光器：泵浦、信号、ASE与热负载"));
    ui->actionClose->setStatusTip(QStringLiteral("退出应用程序"));
    ui->actionClear->setStatusTip(QStringLiteral("清空输出结果"));
    ui->actionDefaultPar->setStatusTip(QStringLiteral("恢复默认参数"));
    ui->actionExportData->setStatusTip(QStringLiteral("数据导出为excel格式"));
    ui->actionExportPic->setStatusTip(QStringLiteral("图片导出为jpg格式"));
    ui->actionTopHint->setStatusTip(QStringLiteral("窗口置顶"));
    ui->actionConstant->setStatusTip(QStringLiteral("查看常量"));
    ui->actionIntro->setStatusTip(QStringLiteral("使用说明"));
    ui->actionTopic->setStatusTip(QStringLiteral("帮助主题"));
    ui->actionAbout->setStatusTip(QStringLiteral("关于"));

    connect(ui->actionBscLaw, SIGNAL(triggered()), this, SLOT(bsclawtab()));
    connect(ui->actionNonlinear, SIGNAL(triggered()), this, SLOT(nolineartab()));
    connect(ui->actionBscLaser, SIGNAL(triggered()), this, SLOT(laserbsctab()));
    connect(ui->actionLasertrit, SIGNAL(triggered()), this, SLOT(traittab()));
    connect(ui->actionPls, SIGNAL(triggered()), this, SLOT(plstab()));
    connect(ui->actionFBbsc, SIGNAL(triggered()), this, SLOT(fbbsctab()));
    connect(ui->actionFBmode, SIGNAL(triggered()), this, SLOT(fbmodetab()));
    connect(ui->actionThreshold, SIGNAL(triggered()), this, SLOT(threshtab()));
    connect(ui->actionFbamp, &QAction::triggered, this, &FBMainWindow::amptab);
    connect(ui->actionAbout, SIGNAL(triggered()), this, SLOT(about()));
    connect(ui->actionClear, SIGNAL(triggered()), this, SLOT(clear()));
    connect(ui->actionClose, SIGNAL(triggered()), this, SLOT(close()));
    connect(ui->actionTopic, SIGNAL(triggered()), this, SLOT(startAssistant()));
    connect(ui->actionConstant, SIGNAL(triggered()), this, SLOT(showConstant()));
    connect(ui->actionWindows_Color, SIGNAL(triggered()), this, SLOT(showWindowColorDialog()));
    connect(ui->actionCalculator, SIGNAL(triggered()), this, SLOT(sysCalculator()));
    connect(ui->actionDefaultSettings, SIGNAL(triggered()), this, SLOT(defaultSettings()));
    connect(ui->actionDefaultPar, SIGNAL(triggered()), this, SLOT(defaultPar()));
    connect(ui->actionTopHint, SIGNAL(triggered()), this, SLOT(topshow()));
    connect(ui->actionExportData, SIGNAL(triggered()), this, SLOT(exportData()));
    connect(ui->actionExportPic, SIGNAL(triggered()), this, SLOT(exportPic()));
    connect(ui->actionIntro, SIGNAL(triggered()), this, SLOT(introduction()));
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
