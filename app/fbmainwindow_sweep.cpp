// 工具 → 参数扫描: opening the sweep window for the page and tab shown.
#include "fbmainwindow.h"

#include "fbmainwindowform.h"

#include "calcbinding.h"
#include "catalogue.h"
#include "sweeprunner.h"
#include "sweepwindow.h"

#include <QAction>
#include <QMenu>

void FBMainWindow::addSweepAction()
{
    sweepAction = new QAction(tr("参数扫描…"), this);
    sweepAction->setObjectName(QStringLiteral("actionSweep"));
    sweepAction->setStatusTip(tr("扫描一个输入参数，绘制输出随之的变化"));
    ui->menuTools->addAction(sweepAction);
    connect(sweepAction, &QAction::triggered, this, &FBMainWindow::showSweepWindow);
}

// The calculator of the page and tab shown (pages are named after their
// folder, which is what the catalogue records), with the texts the page holds.
void FBMainWindow::showSweepWindow()
{
    std::string id;
    velmora::calc::Inputs inputs;
    if (QWidget *page = currentPageWidget()) {
        const std::string folder = page->metaObject()->className();
        for (const auto &c : velmora::calc::catalogue().all()) {
            const auto &description = c->description();
            if (description.page == folder && description.tab == currentInnerTab()) {
                id = description.id;
                inputs = readInputs(page, description);
                break;
            }
        }
    }
    if (sweepWindow && !sweepWindow->runner()->isRunning()) {
        delete sweepWindow;
        sweepWindow = nullptr;
    }
    if (!sweepWindow)
        sweepWindow = new SweepWindow(this, id, inputs);
    sweepWindow->show();
    sweepWindow->raise();
    sweepWindow->activateWindow();
}
