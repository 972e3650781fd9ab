#include "designcontroller.h"

#include "boundedfile.h"
#include "calcbinding.h"
#include "catalogue.h"
#include "designfile.h"
#include "fbmainwindow.h"
#include "fiberdock.h"
#include "pageconventions.h"
#include "uilanguage.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>

#include <set>
#include <utility>
#include <vector>

using namespace velmora;

namespace {

constexpr int kMaxRecentDesigns = 8;

QString qs(const std::string &s)
{
    return QString::fromStdString(s);
}

QAction *findAction(QObject *window, const char *name)
{
    return window->findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

DesignController::DesignController(FBMainWindow *window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("designController"));
    m_dock = new FiberDock(window);
    m_dock->hide();
    connect(m_dock, &FiberDock::fiberEdited, this,
            [this](const designs::FiberDesign &f) { setCurrentFiber(f); });
    connect(m_dock, &FiberDock::useRequested, this, &DesignController::useCurrentFiberAndReport);
    m_fiberSummary = new QLabel(window);
    m_fiberSummary->setObjectName(QStringLiteral("fiberSummary"));
    window->statusBar()->addPermanentWidget(m_fiberSummary);
    addActions();

    // The last current fiber comes back; a stored value that cannot be read
    // (out of range, corrupt, nested too deep) falls back to the default
    // fiber, said in the status bar.
    QSettings settings;
    const QString stored = settings.value(QStringLiteral("designs/currentFiber")).toString();
    if (!stored.isEmpty()) {
        const designs::DesignReading r =
            designs::readDesign(stored.toStdString(), calc::catalogue());
        if (r.ok)
            m_fiber = r.design.fiber;
        else
            window->statusBar()->showMessage(
                tr("保存的当前光纤无法读取（%1），已改用默认光纤").arg(inUiLanguage(r.error)));
    }
    m_dock->showFiber(m_fiber);
    refreshFiberSummary();
}

void DesignController::addActions()
{
    QMenu *edit = m_window->findChild<QMenu *>(QStringLiteral("menuEdit"));
    QMenu *tools = m_window->findChild<QMenu *>(QStringLiteral("menuTools"));
    auto add = [this](QMenu *menu, const char *name, const QKeySequence &key) {
        auto *action = new QAction(m_window);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        menu->addAction(action);
        return action;
    };
    QAction *save = m_save = add(edit, "actionSaveDesign", QKeySequence(Qt::CTRL + Qt::Key_S));
    QAction *open = m_open = add(edit, "actionOpenDesign", QKeySequence(Qt::CTRL + Qt::Key_O));
    m_recentMenu = new QMenu(m_window);
    m_recentMenu->setObjectName(QStringLiteral("menuRecentDesigns"));
    edit->addMenu(m_recentMenu);
    QAction *undo = m_undoAction =
        add(edit, "actionUndoReplace", QKeySequence(Qt::CTRL + Qt::Key_Z));
    undo->setEnabled(false);
    QAction *use = m_use = add(edit, "actionUseFiber", QKeySequence(Qt::CTRL + Qt::Key_U));
    QAction *dock = m_dockAction = add(tools, "actionFiberDock", QKeySequence());
    retranslate();
    connect(save, &QAction::triggered, this, &DesignController::saveDesign);
    connect(open, &QAction::triggered, this, &DesignController::openDesign);
    connect(undo, &QAction::triggered, this, &DesignController::undo);
    connect(use, &QAction::triggered, this, &DesignController::useCurrentFiberAndReport);
    connect(dock, &QAction::triggered, this, &DesignController::showFiberDock);

    // 恢复默认参数 first keeps what it replaces, so it can be undone.
    if (QAction *defaults = findAction(m_window, "actionDefaultPar")) {
        disconnect(defaults, &QAction::triggered, m_window, nullptr);
        connect(defaults, &QAction::triggered, this, &DesignController::restoreDefaultsWithUndo);
    }
    refreshRecentMenu();
}

void DesignController::retranslate()
{
    m_save->setText(tr("保存设计…"));
    m_save->setStatusTip(tr("把当前光纤和所有输入保存为设计文件"));
    m_open->setText(tr("打开设计…"));
    m_open->setStatusTip(tr("从设计文件恢复当前光纤和所有输入"));
    m_recentMenu->setTitle(tr("最近的设计"));
    m_undoAction->setText(tr("撤销"));
    m_undoAction->setStatusTip(tr("撤销上一次恢复默认参数、打开设计或使用当前光纤"));
    m_use->setText(tr("使用当前光纤"));
    m_use->setStatusTip(tr("用当前光纤填写本页的光纤参数"));
    m_dockAction->setText(tr("当前光纤…"));
    m_dockAction->setStatusTip(tr("编辑当前光纤，选择常用光纤类型"));
    refreshFiberSummary();
}

void DesignController::setFileDialogs(FileProvider save, FileProvider open)
{
    m_saveFile = std::move(save);
    m_openFile = std::move(open);
}

bool DesignController::setCurrentFiber(const designs::FiberDesign &fiber)
{
    if (const auto bad = designs::checkFiber(fiber)) {
        notice(inUiLanguage(*bad));
        m_dock->showFiber(m_fiber);
        return false;
    }
    m_fiber = fiber;
    designs::Design only;
    only.fiber = fiber;
    QSettings().setValue(QStringLiteral("designs/currentFiber"), qs(designs::writeDesign(only)));
    m_dock->showFiber(m_fiber);
    refreshFiberSummary();
    return true;
}

void DesignController::refreshFiberSummary()
{
    m_fiberSummary->setText(tr("当前光纤：%1").arg(shownFiberName(m_fiber.name)));
    // A long status message shares the bar: the summary keeps its room.
    m_fiberSummary->setMinimumWidth(m_fiberSummary->sizeHint().width());
}

QWidget *DesignController::pageFor(const std::string &folder, bool create)
{
    return create ? m_window->showPage(folder) : m_window->page(folder);
}

std::string DesignController::currentFolder() const
{
    const QWidget *page = m_window->currentPageWidget();
    return page ? page->metaObject()->className() : std::string();
}

void DesignController::showPageTab(const std::string &folder, int tab)
{
    QWidget *page = m_window->showPage(folder);
    if (!page)
        return;
    if (auto *tabs = page->findChild<QTabWidget *>())
        if (tab >= 0 && tab < tabs->count())
            tabs->setCurrentIndex(tab);
}

DesignController::Snapshot DesignController::snapshot() const
{
    Snapshot s;
    s.fiber = m_fiber;
    s.page = currentFolder();
    s.tab = m_window->currentInnerTab();
    for (const auto &c : calc::catalogue().all()) {
        const calc::CalculatorDescription &description = c->description();
        if (QWidget *page = const_cast<DesignController *>(this)->pageFor(description.page, false))
            s.tabs[description.id] = readInputs(page, description);
    }
    return s;
}

void DesignController::restore(const Snapshot &s)
{
    for (const auto &c : calc::catalogue().all()) {
        const calc::CalculatorDescription &description = c->description();
        QWidget *page = pageFor(description.page, false);
        if (!page)
            continue;
        const auto kept = s.tabs.find(description.id);
        // A page first opened after the snapshot held its defaults then.
        writeInputs(page, description,
                    kept != s.tabs.end() ? kept->second : calc::withDefaults(description, {}));
    }
    setCurrentFiber(s.fiber);
    if (!s.page.empty())
        showPageTab(s.page, s.tab);
}

void DesignController::keepForUndo()
{
    m_undo = snapshot();
    m_undoAction->setEnabled(true);
}

void DesignController::restoreDefaultsWithUndo()
{
    keepForUndo();
    QMetaObject::invokeMethod(m_window, "defaultPar");
}

void DesignController::undo()
{
    if (!m_undo)
        return;
    const Snapshot kept = *m_undo;
    m_undo.reset();
    findAction(m_window, "actionUndoReplace")->setEnabled(false);
    restore(kept);
}

bool DesignController::saveDesignTo(const QString &path, QString *error)
{
    designs::Design design;
    const Snapshot now = snapshot();
    design.fiber = m_fiber;
    design.page = now.page;
    design.tab = now.tab;
    for (const auto &c : calc::catalogue().all()) {
        const calc::CalculatorDescription &description = c->description();
        const auto held = now.tabs.find(description.id);
        calc::Inputs inputs =
            held != now.tabs.end() ? held->second : calc::withDefaults(description, {});
        // Only what a user types: input and linked fields. An empty required
        // field holds nothing to keep (a design refuses it, as the command
        // line refuses key=): it is left out.
        for (auto it = inputs.begin(); it != inputs.end();) {
            const calc::FieldDescription *f = description.field(it->first);
            const bool kept =
                f && f->role != calc::FieldRole::Output && (!it->second.empty() || !f->required);
            it = kept ? std::next(it) : inputs.erase(it);
        }
        design.tabs[description.id] = inputs;
    }
    const QByteArray bytes = QByteArray::fromStdString(designs::writeDesign(design));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        *error = tr("无法保存设计文件 %1：%2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    rememberRecent(path);
    return true;
}

bool DesignController::openDesignFrom(const QString &path, QString *error, QStringList *skipped)
{
    // A regular file of at most 16 MB, opened without blocking: a FIFO or a
    // device picked in the dialog is refused instead of freezing the window.
    const boundedfile::Reading file =
        boundedfile::readRegularFile(QFile::encodeName(path).toStdString());
    if (file.failure == boundedfile::Failure::TooLarge) {
        *error = tr("%1 太大，不是设计文件").arg(path);
        return false;
    }
    if (file.failure == boundedfile::Failure::NotRegular) {
        *error = tr("%1 不是普通文件，不是设计文件").arg(path);
        return false;
    }
    if (file.failure != boundedfile::Failure::None) {
        *error =
            tr("无法打开设计文件 %1：%2").arg(path, QString::fromLocal8Bit(file.detail.c_str()));
        return false;
    }
    const designs::DesignReading r = designs::readDesign(file.text, calc::catalogue());
    if (!r.ok) {
        *error = QStringLiteral("%1：%2").arg(QFileInfo(path).fileName(), inUiLanguage(r.error));
        return false;
    }
    keepForUndo();
    for (const auto &[id, inputs] : r.design.tabs) {
        const calc::Calculator *c = calc::catalogue().find(id);
        if (QWidget *page = pageFor(c->description().page, true))
            writeInputs(page, c->description(), inputs);
    }
    setCurrentFiber(r.design.fiber);
    if (!r.design.page.empty())
        showPageTab(r.design.page, r.design.tab);
    if (skipped)
        for (const std::string &s : r.skipped)
            *skipped << qs(s);
    rememberRecent(path);
    return true;
}

QStringList DesignController::useCurrentFiber()
{
    QStringList written;
    QWidget *page = m_window->currentPageWidget();
    if (!page)
        return written;
    // Every calculator of the tab shown; two of one tab (the mode list and
    // the field map) share their fiber fields, written and named once.
    std::vector<std::pair<const calc::CalculatorDescription *, calc::Inputs>> fills;
    std::set<std::string> objects;
    for (const auto &c : calc::catalogue().all()) {
        const calc::CalculatorDescription &description = c->description();
        if (description.page != currentFolder() || description.tab != m_window->currentInnerTab())
            continue;
        calc::Inputs inputs;
        for (const designs::FiberFill &fill : designs::fiberFillsFor(description, m_fiber)) {
            const calc::FieldDescription *field = description.field(fill.key);
            if (!field->objectName.empty() && !objects.insert(field->objectName).second)
                continue;
            inputs[fill.key] = fill.text;
            written << inUiLanguage(field->caption);
        }
        if (!inputs.empty())
            fills.emplace_back(&description, std::move(inputs));
    }
    if (fills.empty())
        return written;
    // Many inputs replaced at once: one step of undo brings them back.
    keepForUndo();
    for (const auto &[description, inputs] : fills)
        writeInputs(page, *description, inputs);
    return written;
}

void DesignController::useCurrentFiberAndReport()
{
    const QStringList written = useCurrentFiber();
    if (written.isEmpty())
        notice(tr("本页没有可由当前光纤填写的参数"));
    else
        m_window->statusBar()->showMessage(
            tr("已用当前光纤 %1 填写：%2")
                .arg(shownFiberName(m_fiber.name), written.join(tr("、"))),
            8000);
}

void DesignController::saveDesign()
{
    QString path = m_saveFile ? m_saveFile()
                              : QFileDialog::getSaveFileName(m_window, tr("保存设计"), QString(),
                                                             tr("Velmora 设计 (*.velmora.json)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(designs::kDesignSuffix)))
        path += QLatin1String(designs::kDesignSuffix);
    QString error;
    if (!saveDesignTo(path, &error))
        notice(error);
}

void DesignController::openDesign()
{
    const QString path = m_openFile ? m_openFile()
                                    : QFileDialog::getOpenFileName(
                                          m_window, tr("打开设计"), QString(),
                                          tr("Velmora 设计 (*.velmora.json);;JSON (*.json)"));
    if (path.isEmpty())
        return;
    QString error;
    QStringList skipped;
    if (!openDesignFrom(path, &error, &skipped))
        notice(error);
    else if (!skipped.isEmpty())
        notice(tr("设计文件中有本程序不认识的项目，已跳过：%1")
                   .arg(skipped.join(QStringLiteral(", "))));
}

void DesignController::showFiberDock()
{
    m_dock->showFiber(m_fiber);
    m_dock->show();
    m_dock->raise();
}

QStringList DesignController::recentDesigns() const
{
    return QSettings().value(QStringLiteral("designs/recent")).toStringList();
}

void DesignController::rememberRecent(const QString &path)
{
    // Two windows saving at once would each write back the list they read
    // and drop the other's entry: read, change and write it under a lock
    // file beside the settings, re-reading what another process stored.
    QSettings settings;
    QLockFile lock(settings.fileName() + QStringLiteral(".recent.lock"));
    lock.setStaleLockTime(10000);           // a crashed window's lock is taken over
    const bool locked = lock.tryLock(2000); // unlocked, the entry is still kept
    settings.sync();
    QStringList recent = settings.value(QStringLiteral("designs/recent")).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > kMaxRecentDesigns)
        recent.removeLast();
    settings.setValue(QStringLiteral("designs/recent"), recent);
    settings.sync();
    if (locked)
        lock.unlock();
    refreshRecentMenu();
}

void DesignController::refreshRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = recentDesigns();
    m_recentMenu->setEnabled(!recent.isEmpty());
    for (const QString &path : recent) {
        QAction *a = m_recentMenu->addAction(QFileInfo(path).fileName());
        a->setToolTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            QString error;
            QStringList skipped;
            if (!openDesignFrom(path, &error, &skipped))
                notice(error);
        });
    }
}

void DesignController::notice(const QString &text)
{
    showNotice(m_window, text);
}
