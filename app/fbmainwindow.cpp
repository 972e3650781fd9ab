#include "fbmainwindow.h"

#include "designcontroller.h"
#include "enterkey.h"
#include "fbmainwindowform.h"
#include "pageregistry.h"
#include "readablecombos.h"
#include "tabfields.h"
#include "wholetext.h"

#include <QPixmap>
#include <QVBoxLayout>
#include <QWebView>

namespace {
// The page shown when the window opens.
const char *const kStartPage = "fbmode";
} // namespace

FBMainWindow::FBMainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::FBMainWindow)
{
    ui->setupUi(this);
    setMaximumSize(900, 710);
    setMinimumSize(900, 710);
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/img/QLXLogo.png"))));

    pageLayout = new QVBoxLayout(ui->widget);
    showPage(kStartPage);
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
    for (std::size_t i = 0; i < pageRegistry().size(); ++i)
        ui->pageActions[i]->setStatusTip(tr(pageRegistry()[i].statusTip));
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
    connectPageActions();
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

void FBMainWindow::connectPageActions()
{
    for (std::size_t i = 0; i < pageRegistry().size(); ++i) {
        const std::string folder = pageRegistry()[i].folder;
        connect(ui->pageActions[i], &QAction::triggered, this,
                [this, folder] { showPage(folder); });
    }
}

// Creates the page on its first selection, then shows it and hides the rest.
QWidget *FBMainWindow::showPage(const std::string &folder)
{
    const PageEntry *entry = findPageEntry(folder);
    if (!entry)
        return nullptr;
    currentPage = entry->index;
    QWidget *&shown = pages[folder];
    if (!shown) {
        shown = entry->create(this);
        connectEnterToCalculate(shown);
        makeComboListsReadable(shown);
        keepResultsWhole(shown);
        pageLayout->addWidget(shown);
        ui->widget->setLayout(pageLayout);
    }
    shownPage = shown;
    for (const auto &other : pages)
        if (other.second && other.second != shown)
            other.second->setVisible(false);
    shown->setVisible(true);
    return shown;
}

void FBMainWindow::showPageOf(const QString &folder)
{
    showPage(folder.toStdString());
}

QWidget *FBMainWindow::page(const std::string &folder) const
{
    const auto found = pages.find(folder);
    return found == pages.end() ? nullptr : found->second;
}

QWidget *FBMainWindow::currentPageWidget() const
{
    return shownPage;
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
