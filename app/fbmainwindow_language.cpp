// 设置 → 语言 / Language and re-setting every text of the shell when the
// language changes. Pages and dialogs re-set their own texts on the same
// QEvent::LanguageChange; the help window reopens its page in the new language.
#include "fbmainwindow.h"

#include "designcontroller.h"
#include "fbmainwindowform.h"
#include "pageconventions.h"
#include "uilanguageswitch.h"

#include <QAction>
#include <QEvent>
#include <QWebView>

void FBMainWindow::addLanguageMenu()
{
    const UiLanguage shown = currentUiLanguage();
    ui->actionLanguageChinese->setChecked(shown == UiLanguage::Chinese);
    ui->actionLanguageEnglish->setChecked(shown == UiLanguage::English);
    connect(ui->actionLanguageChinese, &QAction::triggered, this,
            [this]() { chooseLanguage(UiLanguage::Chinese); });
    connect(ui->actionLanguageEnglish, &QAction::triggered, this,
            [this]() { chooseLanguage(UiLanguage::English); });
}

void FBMainWindow::chooseLanguage(UiLanguage language)
{
    if (applyUiLanguage(language)) {
        storeUiLanguage(language);
    } else {
        // Still Chinese, and stored so: the check mark goes back.
        ui->actionLanguageChinese->setChecked(true);
        showNotice(this, tr("找不到英文翻译文件 %1，界面保持中文。").arg(englishCatalogueFile()));
    }
}

void FBMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void FBMainWindow::retranslate()
{
    ui->retranslateUi(this);
    setStatusTips();
    const UiLanguage shown = currentUiLanguage();
    ui->actionLanguageChinese->setChecked(shown == UiLanguage::Chinese);
    ui->actionLanguageEnglish->setChecked(shown == UiLanguage::English);
    if (sweepAction) {
        sweepAction->setText(tr("参数扫描…"));
        sweepAction->setStatusTip(tr("扫描一个输入参数，绘制输出随之的变化"));
    }
    if (designController)
        designController->retranslate();
    if (helpView) {
        helpView->setWindowTitle(tr("Velmora 帮助"));
        if (helpView->isVisible() && !helpPageShown.isEmpty())
            showHelpPage(helpPageShown);
    }
}
