// The window in English and back: the language menu, the stored choice, the
// command line's override, and a walk over every text of the shell, its
// dialogs and the translated pages.
#include "../shell/shelltest.h"

#include "commandline.h"
#include "exportformats.h"
#include "fbmainwindow.h"
#include "sheetlayouts.h"
#include "sweepwindow.h"
#include "uilanguageswitch.h"
#include "uitexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QWebFrame>
#include <QWebView>

#include <set>

namespace {

// Pages whose texts are not translated yet: their subtree is left out of the
// walk (none now; a new page starts here until it is translated).
const std::set<QString> kPagesNotYetTranslated = {};

// The Chinese entry of the language menu names its language in itself, so a
// user who reads no English finds the way back.
bool keepsItsOwnName(const UiText &t)
{
    return t.where.contains(QStringLiteral("/actionLanguageChinese."));
}

void trigger(QObject *window, const char *name)
{
    auto *action = window->findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    action->trigger();
}

// Opens every page (each page action) and the shell's dialogs, so that all of
// them are in the walk.
void openEverything(FBMainWindow &window)
{
    for (const char *page :
         {"actionBscLaw", "actionBscLaser", "actionPls", "actionLasertrit", "actionFBbsc",
          "actionNonlinear", "actionThreshold", "actionFbamp", "actionFBmode", "actionFblimits"})
        trigger(&window, page);
    trigger(&window, "actionConstant");
    trigger(&window, "actionFiberDock");
    window.showSweepWindow();
}

UiTexts textsOf(FBMainWindow &window)
{
    return collectUiTexts(&window, [](const QObject *o) {
        return kPagesNotYetTranslated.count(QString::fromLatin1(o->metaObject()->className())) > 0;
    });
}

QString helpFile(const QString &relative)
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/documentation/") +
               relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The skeleton of a help page: its section headings' anchors and levels and
// the number of formula blocks, tables and references, which translation keeps.
QStringList structureOf(const QString &html)
{
    QStringList shape;
    const QRegularExpression mark(QStringLiteral(
        "<(h[1-3])( id=\"[^\"]*\")?|class=\"(f|note|ref)\"|<table|<li><a href=\"#[^\"]*\""));
    for (auto it = mark.globalMatch(html); it.hasNext();)
        shape << it.next().captured(0);
    return shape;
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { applyUiLanguage(UiLanguage::Chinese); }

    void languageCodes()
    {
        QCOMPARE(parseUiLanguage(QStringLiteral("en")), std::optional(UiLanguage::English));
        QCOMPARE(parseUiLanguage(QStringLiteral("zh_CN")), std::optional(UiLanguage::Chinese));
        QCOMPARE(parseUiLanguage(QStringLiteral("EN_gb")), std::optional(UiLanguage::English));
        QVERIFY(!parseUiLanguage(QStringLiteral("fr")));
        QVERIFY(!parseUiLanguage(QString()));
        QCOMPARE(uiLanguageCode(UiLanguage::English), QStringLiteral("en"));
    }

    void commandLineChoosesForOneRun()
    {
        QString error;
        const char *none[] = {"velmora"};
        QVERIFY(!languageFromCommandLine(1, const_cast<char **>(none), &error));
        QVERIFY(error.isEmpty());
        const char *separate[] = {"velmora", "--lang", "en"};
        QCOMPARE(languageFromCommandLine(3, const_cast<char **>(separate), &error),
                 std::optional(UiLanguage::English));
        const char *joined[] = {"velmora", "--lang=zh"};
        QCOMPARE(languageFromCommandLine(2, const_cast<char **>(joined), &error),
                 std::optional(UiLanguage::Chinese));
        QVERIFY(error.isEmpty());
        const char *bad[] = {"velmora", "--lang", "fr"};
        QVERIFY(!languageFromCommandLine(3, const_cast<char **>(bad), &error));
        QVERIFY2(error.contains(QStringLiteral("--lang")) && error.contains(QStringLiteral("fr")),
                 qPrintable(error));
        const char *missing[] = {"velmora", "--lang"};
        error.clear();
        QVERIFY(!languageFromCommandLine(2, const_cast<char **>(missing), &error));
        QVERIFY(!error.isEmpty());
    }

    void menuStoresTheChoiceAndSwitchesAtOnce()
    {
        QSettings().remove(QStringLiteral("language"));
        QCOMPARE(storedUiLanguage(), UiLanguage::Chinese); // the default
        FBMainWindow window;
        auto *settingsMenu = window.findChild<QMenu *>(QStringLiteral("menuSettings"));
        auto *languageMenu = window.findChild<QMenu *>(QStringLiteral("menuLanguage"));
        QVERIFY(settingsMenu && languageMenu);
        QVERIFY(settingsMenu->actions().contains(languageMenu->menuAction()));
        QCOMPARE(languageMenu->title(), QStringLiteral("语言 / Language"));
        auto *english = window.findChild<QAction *>(QStringLiteral("actionLanguageEnglish"));
        auto *chinese = window.findChild<QAction *>(QStringLiteral("actionLanguageChinese"));
        QVERIFY(chinese->isChecked() && !english->isChecked());

        english->trigger();
        QCOMPARE(storedUiLanguage(), UiLanguage::English);
        QCOMPARE(currentUiLanguage(), UiLanguage::English);
        QVERIFY(english->isChecked() && !chinese->isChecked());
        QCOMPARE(languageMenu->title(), QStringLiteral("Language"));
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuSettings"))->title(),
                 QStringLiteral("Settings"));

        chinese->trigger();
        QCOMPARE(storedUiLanguage(), UiLanguage::Chinese);
        QCOMPARE(settingsMenu->title(), QStringLiteral("设置"));
    }

    // Without the English catalogue the window stays Chinese, says which file
    // is missing and does not store English.
    void aMissingCatalogueKeepsChinese()
    {
        FBMainWindow window;
        QSettings().setValue(QStringLiteral("language"), QStringLiteral("zh"));
        const QString catalogue = englishCatalogueFile();
        QVERIFY(QFile::rename(catalogue, catalogue + QStringLiteral(".aside")));
        QString notice;
        captureNextNotice(&notice);
        trigger(&window, "actionLanguageEnglish");
        QVERIFY(QFile::rename(catalogue + QStringLiteral(".aside"), catalogue));
        QVERIFY2(notice.contains(QStringLiteral("velmora_en.qm")), qPrintable(notice));
        QCOMPARE(currentUiLanguage(), UiLanguage::Chinese);
        QCOMPARE(storedUiLanguage(), UiLanguage::Chinese);
        QVERIFY(window.findChild<QAction *>(QStringLiteral("actionLanguageChinese"))->isChecked());
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuFile"))->title(),
                 QStringLiteral("查看"));
    }

    void everyTextIsEnglishAndComesBackInChinese()
    {
        FBMainWindow window;
        openEverything(window);
        const UiTexts chinese = textsOf(window);
        QVERIFY(chinese.size() > 200);

        QVERIFY(applyUiLanguage(UiLanguage::English));
        const UiTexts english = textsOf(window);
        QStringList faults;
        int checked = 0;
        for (auto it = chinese.cbegin(); it != chinese.cend(); ++it) {
            const UiText &zh = it.value();
            const UiText en = english.value(it.key());
            if (keepsItsOwnName(zh))
                continue;
            ++checked;
            if (!zh.text.isEmpty() && en.text.isEmpty())
                faults << QStringLiteral("empty in English: %1 (%2)").arg(zh.where, zh.text);
            if (containsCjk(en.text))
                faults << QStringLiteral("not English: %1 = %2").arg(zh.where, en.text);
        }
        // A new or changed Chinese text needs its English entry:
        // scripts/update_translations.sh, then translate it in the .ts file.
        QVERIFY2(faults.isEmpty(),
                 qPrintable(faults.join(QLatin1Char('\n')) +
                            QStringLiteral("\n(run scripts/update_translations.sh "
                                           "and translate the new entries)")));
        QVERIFY(checked > 200);

        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
        const UiTexts back = textsOf(window);
        for (auto it = chinese.cbegin(); it != chinese.cend(); ++it)
            if (back.value(it.key()).text != it.value().text)
                faults << QStringLiteral("%1: %2 became %3")
                              .arg(it.value().where, it.value().text, back.value(it.key()).text);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Every Chinese help page has an English one of the same structure (the
    // same sections, formulas, notes, tables and references) in English only;
    // the Chinese names of the language entry and of the shipped data file
    // are quoted as they are.
    void englishHelpPagesMirrorTheChineseOnes()
    {
        const QDir zh(QCoreApplication::applicationDirPath() + QStringLiteral("/documentation"));
        const QStringList pages = zh.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.size() >= 3);
        for (const QString &page : pages) {
            const QString chinese = helpFile(page);
            const QString english = helpFile(QStringLiteral("en/") + page);
            QVERIFY2(!english.isEmpty(), qPrintable(page));
            QCOMPARE(structureOf(english), structureOf(chinese));
            QString text = QTextDocumentFragment::fromHtml(english).toPlainText();
            text.remove(QStringLiteral("YDF吸收发射参数")).remove(QStringLiteral("中文"));
            QVERIFY2(!containsCjk(text), qPrintable(page));
        }
    }

    void helpWindowShowsThePagesOfTheLanguage()
    {
        FBMainWindow window;
        QWebView *help = window.helpWindow();
        QSignalSpy loaded(help, &QWebView::loadFinished);
        QVERIFY(applyUiLanguage(UiLanguage::English));
        trigger(&window, "actionTopic");
        QVERIFY(loaded.wait(10000));
        const QString dir = QCoreApplication::applicationDirPath();
        QCOMPARE(help->url(),
                 QUrl::fromLocalFile(dir + QStringLiteral("/documentation/en/index.html")));
        QVERIFY(help->page()->mainFrame()->toPlainText().contains(
            QStringLiteral("Velmora calculation models")));
        QCOMPARE(help->windowTitle(), QStringLiteral("Velmora help"));
        // Switching while it is open reopens the page in the other language.
        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
        QVERIFY(loaded.wait(10000));
        QCOMPARE(help->url(),
                 QUrl::fromLocalFile(dir + QStringLiteral("/documentation/index.html")));
        help->close();
    }

    // The pictures of the README's "English" section (and a look at the
    // English window as a user sees it): the main window on the laser
    // parameters page after a gain calculation, and the sweep window.
    void screenshotsForTheReadme()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set VELMORA_SCREENSHOTS to a folder to write the README pictures");
        QVERIFY(applyUiLanguage(UiLanguage::English));
        FBMainWindow window;
        trigger(&window, "actionLasertrit");
        auto *tabs =
            window.currentPageWidget()->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        tabs->setCurrentIndex(3);
        window.currentPageWidget()
            ->findChild<QAbstractButton *>(QStringLiteral("pushButton_4"))
            ->click();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.grab().save(folder + QStringLiteral("/english-ui.png")));
        // Every page and the sweep window too, into a scratch folder when asked.
        const QString scratch = qEnvironmentVariable("VELMORA_SCREENSHOTS_SCRATCH");
        if (scratch.isEmpty())
            return;
        for (const char *page : {"actionBscLaw", "actionBscLaser", "actionPls", "actionThreshold",
                                 "actionFBbsc", "actionNonlinear", "actionFBmode", "actionFbamp"}) {
            trigger(&window, page);
            auto *pageTabs =
                window.currentPageWidget()->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
            for (int tab = 0; tab < pageTabs->count(); ++tab) {
                pageTabs->setCurrentIndex(tab);
                QVERIFY(window.grab().save(scratch + QStringLiteral("/english-") +
                                           QString::fromLatin1(page) + QString::number(tab) +
                                           QStringLiteral(".png")));
            }
        }
        window.showSweepWindow();
        QVERIFY(
            window.lastSweepWindow()->grab().save(scratch + QStringLiteral("/english-sweep.png")));
    }

    // A sheet exported from the English window is captioned in English: every
    // caption and table header of every layout (the amplifier's
    // and exact-mode ones from their calculator descriptions) has its translation.
    void sheetCaptionsAreTranslated()
    {
        QVERIFY(applyUiLanguage(UiLanguage::English));
        QStringList untranslated;
        for (const SheetLayout &layout : sheetLayouts()) {
            std::vector<const char *> captions = layout.table.headers;
            for (const LayoutRow &row : layout.rows)
                if (row.caption)
                    captions.push_back(row.caption);
            for (const char *caption : captions)
                if (containsCjk(captionInUiLanguage(caption)))
                    untranslated << QString::fromUtf8(caption);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char(' '))));
        const Sheet sheet = fillSheet(*findSheetLayout("LaserPluse", 0), nullptr);
        QCOMPARE(sheet.text(1, 1), QStringLiteral("Inputs"));
    }

    // 导出图片 from the English window: English messages, an English progress
    // dialog and English names for pictures the Chinese window names in
    // Chinese; back in Chinese, the names are the Chinese ones again.
    void pictureExportSpeaksTheWindowsLanguage()
    {
        QVERIFY(applyUiLanguage(UiLanguage::English));
        FBMainWindow window;
        QTemporaryDir dir;
        window.setExportDialogs([](QString *) { return QString(); }, [&] { return dir.path(); });
        // "title|text" of the message box that reports the export, closed.
        const auto exportPictures = [&] {
            QString message;
            QTimer closer;
            connect(&closer, &QTimer::timeout, this, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    message = box->windowTitle() + QLatin1Char('|') + box->text();
                    box->accept();
                }
            });
            closer.start(10);
            trigger(&window, "actionExportPic");
            return message;
        };
        const auto showTab = [&](const char *action, int tab) {
            trigger(&window, action);
            window.currentPageWidget()->findChild<QTabWidget *>()->setCurrentIndex(tab);
            return window.currentPageWidget();
        };

        QWidget *trait = showTab("actionLasertrit", 3);
        const QString refused = exportPictures();
        QVERIFY2(!refused.isEmpty() && !containsCjk(refused), qPrintable(refused));
        QVERIFY(QMetaObject::invokeMethod(trait, "calresLasertrait4"));
        const QString saved = exportPictures();
        QVERIFY2(!containsCjk(saved), qPrintable(saved));
        QVERIFY(QMetaObject::invokeMethod(showTab("actionFBmode", 1), "calresFB6"));
        exportPictures();
        const QStringList english = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(english.size(), 2);
        for (const QString &name : english)
            QVERIFY2(!containsCjk(name) && name.endsWith(QLatin1String(".jpg")), qPrintable(name));

        // The mode-map loop's progress dialog, cancelled at once.
        QWidget *modes = showTab("actionFBmode", 0);
        modes->findChild<QLineEdit *>(QStringLiteral("m_ALineEdit_2"))->setText("40");
        QVERIFY(QMetaObject::invokeMethod(modes, "calresFB5"));
        QStringList progressTexts;
        QTimer canceller;
        connect(&canceller, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<QProgressDialog *>(w);
                    progress && progress->isVisible() && progressTexts.isEmpty()) {
                    progressTexts << progress->windowTitle() << progress->labelText();
                    for (const QAbstractButton *b : progress->findChildren<QAbstractButton *>())
                        progressTexts << b->text();
                    progress->cancel();
                }
        });
        canceller.start(20);
        const QString cancelled = exportPictures();
        canceller.stop();
        QVERIFY(progressTexts.size() >= 3);
        for (const QString &text : progressTexts << cancelled)
            QVERIFY2(!text.isEmpty() && !containsCjk(text), qPrintable(text));

        // A failure lists its files with an English reason.
        PictureExportResult failed;
        failed.status = PictureExportResult::PartlyFailed;
        failed.failed << QStringLiteral("LP01I.jpg: x");
        QVERIFY(!containsCjk(pictureExportMessage(failed)));

        QVERIFY(applyUiLanguage(UiLanguage::Chinese));
        QTemporaryDir chinese;
        window.setExportDialogs([](QString *) { return QString(); },
                                [&] { return chinese.path(); });
        showTab("actionFBmode", 1);
        QCOMPARE(exportPictures(), QStringLiteral("提示|图片保存在指定目录下"));
        QCOMPARE(QDir(chinese.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("模式功率比例图.jpg")});
    }

    void aWindowOpenedInEnglishIsEnglish()
    {
        QVERIFY(applyUiLanguage(UiLanguage::English));
        FBMainWindow window;
        QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuFile"))->title(),
                 QStringLiteral("View"));
        QVERIFY(window.findChild<QAction *>(QStringLiteral("actionLanguageEnglish"))->isChecked());
        trigger(&window, "actionFiberDock");
        auto *dock = window.findChild<QDockWidget *>(QStringLiteral("fiberDock"));
        QCOMPARE(dock->windowTitle(), QStringLiteral("Current fiber"));
    }
};

VELMORA_SHELL_TEST_MAIN(LanguageTest)

#include "tst_language.moc"
