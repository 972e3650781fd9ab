// Help, introduction and about pages, the system calculator, the constants.
#include "fbmainwindow.h"

#include "constant.h"
#include "pageconventions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>
#include <QWebView>

void FBMainWindow::about()
{
    showHelpPage(QStringLiteral("about.html"));
}

void FBMainWindow::startAssistant()
{
    showHelpPage(QStringLiteral("index.html"));
}

void FBMainWindow::introduction()
{
    showHelpPage(QStringLiteral("introduction.html"));
}

// The help page `name` in the window's language: documentation/<name> in
// Chinese, documentation/en/<name> in English. Beside the executable first,
// then wherever the program's other files are found.
static QString helpPagePath(const QString &name, UiLanguage language)
{
    const QString relative = (language == UiLanguage::English ? QStringLiteral("documentation/en/")
                                                              : QStringLiteral("documentation/")) +
                             name;
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative;
    return QFileInfo(beside).isFile() ? beside : findRuntimeFile(relative);
}

// All three help commands share the one help window, so the last command
// decides the page shown. The pages lie beside the executable; an installed
// program finds them in its data directory instead. An English page that is
// missing falls back to the Chinese one; a page that is nowhere to be found
// gets a short page naming the file rather than a blank window.
void FBMainWindow::showHelpPage(const QString &name)
{
    helpPageShown = name;
    QString path = helpPagePath(name, currentUiLanguage());
    if (!QFileInfo(path).isFile())
        path = helpPagePath(name, UiLanguage::Chinese);

    if (QFileInfo(path).isFile()) {
        helpView->load(QUrl::fromLocalFile(path));
    } else {
        const QString missing =
            (QCoreApplication::applicationDirPath() + QStringLiteral("/documentation/") + name)
                .toHtmlEscaped();
        helpView->setHtml(tr("<html><head><meta charset=\"utf-8\"><title>帮助页面缺失</title>"
                             "</head><body><h2>找不到帮助页面</h2><p>文件 <code>%1</code> "
                             "不存在，安装目录中也没有找到。请重新安装程序。</p>"
                             "</body></html>")
                              .arg(missing));
    }
    helpView->show();
}

// There is no one calculator on every desktop: take the first of the common
// ones found on PATH and start it detached, so it outlives this program.
void FBMainWindow::sysCalculator()
{
    static const char *const candidates[] = {
        "gnome-calculator", "kcalc",     "galculator", "qalculate-gtk",
        "qalculate-qt",     "mate-calc", "xcalc"};
    QStringList tried;
    for (const char *name : candidates) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        tried << QString::fromLatin1(name);
        if (!program.isEmpty() && QProcess::startDetached(program, QStringList()))
            return;
    }
    showNotice(this,
               tr("未找到可用的计算器程序，请安装以下任一程序：%1").arg(tried.join(tr("、"))));
}

// A new dialog per use; the earlier ones stay children of the window.
void FBMainWindow::showConstant()
{
    constantDialog = new Constant(this);
    constantDialog->show();
}
