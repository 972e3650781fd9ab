// Designs in the window: a design file restores every input of every tab
// and re-saves to the same bytes; a refused file changes nothing; 恢复默认参数
// 打开设计 and 使用当前光纤 can be undone once; the current fiber fills a tab
// by what each field holds.
#include "calcbinding.h"
#include "catalogue.h"
#include "designcontroller.h"
#include "fbmainwindow.h"
#include "fiberdesign.h"
#include "fiberdock.h"
#include "sweeprunner.h"
#include "sweepwindow.h"
#include "textformat.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <sys/stat.h>
#include <QtTest>

#include <map>

using namespace velmora;

namespace {

using AllInputs = std::map<std::string, calc::Inputs>;

// Every opened tab's inputs as the pages hold them.
AllInputs allInputs(DesignController *designs)
{
    AllInputs all;
    for (const auto &c : calc::catalogue().all())
        if (QWidget *page = designs->pageFor(c->description().page, false))
            all[c->description().id] = readInputs(page, c->description());
    return all;
}

// Closes the next notice box, whatever it says.
void closeNextNotice()
{
    QTimer::singleShot(0, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
}

} // namespace

class TestDesigns : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings().clear();
        window = new FBMainWindow;
        designs = window->designs();
        // Open every page, so every tab's fields exist.
        for (const auto &c : calc::catalogue().all())
            QVERIFY(designs->pageFor(c->description().page, true));
    }
    void cleanup() { delete window; }

    void aDesignRestoresEveryInputAndResavesTheSameBytes()
    {
        // A distinct value in every line-edit input: its default scaled by a
        // factor unique to the field, so a swapped or lost field shows.
        int n = 0;
        AllInputs typed;
        for (const auto &c : calc::catalogue().all()) {
            const calc::CalculatorDescription &description = c->description();
            QWidget *page = designs->pageFor(description.page, false);
            calc::Inputs inputs = readInputs(page, description);
            for (const calc::FieldDescription &f : description.fields) {
                double v = 0;
                if (f.role != calc::FieldRole::Input || f.kind != calc::ValueKind::Number ||
                    !page->findChild<QLineEdit *>(QString::fromStdString(f.objectName)) ||
                    !calc::parseNumber(f.defaultText, &v) || v == 0)
                    continue;
                const double scaled = v * (1 + 1e-3 * ++n);
                if (scaled >= f.min && scaled <= f.max)
                    inputs[f.key] = calc::formatNumber(scaled, 'g', 8);
            }
            writeInputs(page, description, inputs);
        }
        // Read back once all are written: tabs of one page may share fields
        // (the mode list and the field map read the same fiber).
        for (const auto &c : calc::catalogue().all())
            typed[c->description().id] =
                readInputs(designs->pageFor(c->description().page, false), c->description());
        QVERIFY(n > 0);

        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("a.velmora.json"));
        QString error;
        QVERIFY2(designs->saveDesignTo(first, &error), qPrintable(error));
        QAction *defaults = window->findChild<QAction *>(QStringLiteral("actionDefaultPar"));
        for (const auto &c : calc::catalogue().all()) { // lose everything typed
            const calc::CalculatorDescription &description = c->description();
            writeInputs(designs->pageFor(description.page, false), description,
                        calc::withDefaults(description, {}));
        }
        (void)defaults;
        QVERIFY(allInputs(designs) != typed);
        QVERIFY2(designs->openDesignFrom(first, &error), qPrintable(error));
        QCOMPARE(allInputs(designs), typed);

        const QString second = dir.filePath(QStringLiteral("b.velmora.json"));
        QVERIFY(designs->saveDesignTo(second, &error));
        QFile a(first), b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
        QCOMPARE(designs->recentDesigns().size(), 2);
    }

    void theExactModeTabsCheckBoxesAreSavedToo()
    {
        QWidget *page = designs->pageFor("fbmode", true);
        const QStringList boxes{"m_exactMaterialCheckBox", "m_exactVectorCheckBox"};
        for (const QString &name : boxes)
            page->findChild<QCheckBox *>(name)->setChecked(true);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("c.velmora.json"));
        QString error;
        QVERIFY2(designs->saveDesignTo(path, &error), qPrintable(error));
        for (const QString &name : boxes)
            page->findChild<QCheckBox *>(name)->setChecked(false);
        QVERIFY2(designs->openDesignFrom(path, &error), qPrintable(error));
        for (const QString &name : boxes)
            QVERIFY2(page->findChild<QCheckBox *>(name)->isChecked(), qPrintable(name));
    }

    void aRefusedFileChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.velmora.json"));
        QString error;
        QVERIFY(designs->saveDesignTo(path, &error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        // One bad value late in the file (the last tab in the file's sorted
        // order, its last number input): nothing before it may be applied.
        std::map<std::string, const calc::Calculator *> byId;
        for (const auto &c : calc::catalogue().all())
            byId[c->description().id] = c.get();
        std::string key;
        for (const calc::FieldDescription &f : byId.rbegin()->second->description().fields)
            if (f.role == calc::FieldRole::Input && f.kind == calc::ValueKind::Number &&
                (key.empty() || f.key > key))
                key = f.key;
        const QByteArray marker = QByteArray::fromStdString("\"" + key + "\": \"");
        const int at = text.lastIndexOf(marker);
        QVERIFY(at > 0);
        text.insert(at + marker.size(), "1e309");
        QFile broken(dir.filePath(QStringLiteral("bad.velmora.json")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(text) == text.size());
        broken.close();

        QWidget *page = designs->pageFor("fbmode", false);
        page->findChild<QLineEdit *>()->setText(QStringLiteral("7.25"));
        const AllInputs before = allInputs(designs);
        const auto fiber = designs->currentFiber().name;
        QVERIFY(!designs->openDesignFrom(broken.fileName(), &error));
        QVERIFY2(error.contains(QString::fromStdString(key)), qPrintable(error));
        QCOMPARE(allInputs(designs), before);
        QCOMPARE(designs->currentFiber().name, fiber);
        QVERIFY(!designs->canUndo());
    }

    void specialFilesAndCorruptSettingsDoNoHarm()
    {
        // A FIFO named as a design would block the window in open(): refused at once.
        QTemporaryDir dir;
        const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo")));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        QString error;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!designs->openDesignFrom(QFile::decodeName(fifo), &error));
        QVERIFY(!designs->openDesignFrom(QStringLiteral("/dev/zero"), &error));
        QVERIFY2(error.contains(QStringLiteral("不是普通文件")), qPrintable(error));
        QVERIFY(timer.elapsed() < 5000);

        // A stored current fiber nested deep enough to overflow a recursive
        // copy: the next window starts with the default fiber and says so.
        const std::string deep = "{\"format\": \"velmora-design\", \"version\": 1, \"fiber\": " +
                                 std::string(200000, '[') + std::string(200000, ']') + "}";
        QSettings().setValue(QStringLiteral("designs/currentFiber"), QString::fromStdString(deep));
        delete window;
        window = new FBMainWindow;
        designs = window->designs();
        QCOMPARE(designs->currentFiber().name, designs::FiberDesign().name);
        QVERIFY(!window->statusBar()->currentMessage().isEmpty());
    }

    void restoreDefaultsCanBeUndoneOnce()
    {
        // The first typed input of the page shown.
        QWidget *page = window->currentPageWidget();
        QLineEdit *first = nullptr;
        for (const auto &c : calc::catalogue().all())
            if (c->description().page == page->metaObject()->className())
                for (const calc::FieldDescription &f : c->description().fields)
                    if (!first && f.role == calc::FieldRole::Input)
                        first = page->findChild<QLineEdit *>(QString::fromStdString(f.objectName));
        QVERIFY(first);
        const AllInputs typed = [&] {
            first->setText(QStringLiteral("12.34"));
            return allInputs(designs);
        }();
        window->findChild<QAction *>(QStringLiteral("actionDefaultPar"))->trigger();
        QVERIFY(first->text() != QStringLiteral("12.34"));
        QAction *undo = window->findChild<QAction *>(QStringLiteral("actionUndoReplace"));
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(first->text(), QStringLiteral("12.34"));
        QCOMPARE(allInputs(designs), typed);
        QVERIFY(!undo->isEnabled()); // once
    }

    void theCurrentFiberFillsTheTabInItsUnits()
    {
        designs::FiberDesign fiber = designs::genericFibers()[4]; // 25/250
        QVERIFY(designs->setCurrentFiber(fiber));
        const calc::Calculator *tmi = calc::catalogue().find("tmi.threshold");
        if (!tmi)
            QSKIP("the mode-instability calculator is not in the catalogue");
        QMetaObject::invokeMethod(window, "threshtab");
        const QStringList written = designs->useCurrentFiber();
        QVERIFY(!written.isEmpty());
        const calc::Inputs now = readInputs(window->currentPageWidget(), tmi->description());
        QCOMPARE(now.at("a_um"), std::string("12.5"));
        QCOMPARE(now.at("b_um"), std::string("125"));
        // A value out of range is refused by name and the fiber stays.
        fiber.na = 7;
        closeNextNotice();
        QVERIFY(!designs->setCurrentFiber(fiber));
        QCOMPARE(designs->currentFiber().na, 0.065);
    }

    // The amplifier's `b_um` is the doped radius: it takes the fiber's doped
    // radius, the pump-cladding field the cladding radius, and the status bar
    // names exactly the fields written. A design saved then runs in the CLI.
    void theAmplifierTakesTheFiberByQuantityAndItsDesignRunsInTheCli()
    {
        QVERIFY(designs->setCurrentFiber(designs::FiberDesign{})); // 20/400
        QWidget *page = window->showPage("fbamp");
        const calc::Calculator *amp = calc::catalogue().find("amp.steady_state");
        window->findChild<QAction *>(QStringLiteral("actionUseFiber"))->trigger();
        const calc::Inputs now = readInputs(page, amp->description());
        QCOMPARE(now.at("a_um"), std::string("10"));
        QCOMPARE(now.at("b_um"), std::string("10"));
        QCOMPARE(now.at("clad_um"), std::string("200"));
        QCOMPARE(now.at("length_m"), std::string("10"));
        QCOMPARE(now.at("loss_db_m"), std::string("0.015"));
        QCOMPARE(now.at("nt_m3"), std::string("4.456616309e+25")); // ten digits
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("已用当前光纤 20/400 填写：纤芯半径、掺杂半径、内包层半径、"
                                "纤芯数值孔径、光纤长度、掺杂浓度、背景损耗、泵浦波长、信号波长"));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("amp.velmora.json"));
        QString error;
        QVERIFY2(designs->saveDesignTo(path, &error), qPrintable(error));
        QProcess cli;
        cli.start(
            QCoreApplication::applicationDirPath() + QStringLiteral("/velmora-cli"),
            {QStringLiteral("run"), QStringLiteral("amp.steady_state"), QStringLiteral("--design"),
             path, QStringLiteral("--format"), QStringLiteral("json")});
        QVERIFY(cli.waitForFinished(60000));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        const QJsonObject run = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        const QJsonObject inputs = run.value(QStringLiteral("inputs")).toObject();
        QCOMPARE(inputs.value(QStringLiteral("b_um")).toDouble(), 10.0);
        QCOMPARE(inputs.value(QStringLiteral("clad_um")).toDouble(), 200.0);
        QVERIFY(
            run.value(QStringLiteral("outputs")).toObject().contains(QStringLiteral("gain_db")));
    }

    // Undo brings back what was there just before the last replacing
    // command, here 使用当前光纤 after an earlier 恢复默认参数.
    void undoRestoresTheInputsJustBeforeUsingTheFiber()
    {
        QWidget *page = window->showPage("fbamp");
        auto *doped = page->findChild<QLineEdit *>(QStringLiteral("m_DopedRadiuslineEdit"));
        window->findChild<QAction *>(QStringLiteral("actionDefaultPar"))->trigger();
        doped->setText(QStringLiteral("4.5"));
        const AllInputs typed = allInputs(designs);
        window->findChild<QAction *>(QStringLiteral("actionUseFiber"))->trigger();
        QCOMPARE(doped->text(), QStringLiteral("10"));
        window->findChild<QAction *>(QStringLiteral("actionUndoReplace"))->trigger();
        QCOMPARE(doped->text(), QStringLiteral("4.5"));
        QCOMPARE(allInputs(designs), typed);
    }

    // The README's pictures: VELMORA_SCREENSHOTS=<folder> writes them.
    void screenshotsForTheReadme()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set VELMORA_SCREENSHOTS to a folder to write the README pictures");
        QVERIFY(designs->setCurrentFiber(designs::genericFibers()[4]));
        QMetaObject::invokeMethod(window, "threshtab");
        designs->useCurrentFiber();
        designs->showFiberDock();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Saved, restored to defaults, opened again: the picture shows the
        // opened design.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("25-250.velmora.json"));
        QString error;
        QVERIFY2(designs->saveDesignTo(path, &error), qPrintable(error));
        window->findChild<QAction *>(QStringLiteral("actionDefaultPar"))->trigger();
        QVERIFY2(designs->openDesignFrom(path, &error), qPrintable(error));
        QVERIFY(window->grab().save(folder + QStringLiteral("/designs-mainwindow.png")));
        QVERIFY(
            designs->fiberDock()->grab().save(folder + QStringLiteral("/designs-fiberdock.png")));
        window->showSweepWindow();
        SweepWindow *sweep = window->lastSweepWindow();
        auto *preset = sweep->findChild<QComboBox *>(QStringLiteral("presetCombo"));
        QVERIFY(preset->count() > 1);
        QSignalSpy finished(sweep->runner(), &SweepRunner::finished);
        QMetaObject::invokeMethod(preset, "activated", Q_ARG(int, 1));
        sweep->startSweep();
        QVERIFY(finished.wait(120000));
        QVERIFY(sweep->grab().save(folder + QStringLiteral("/sweep-tmi-core-radius.png")));
    }

private:
    FBMainWindow *window = nullptr;
    DesignController *designs = nullptr;
};

QTEST_MAIN(TestDesigns)
#include "tst_designs.moc"
