// The window's pages come from the page list alone: every entry has its
// action in the 查看 menu and the left toolbar, in list order, and selecting
// it shows a page of that folder's class under the entry's index; every page
// a calculator names can be opened; saved designs open pages through it.
#include "shelltest.h"

#include "catalogue.h"
#include "designcontroller.h"
#include "fbmainwindow.h"
#include "pageregistry.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include <set>

class TestPageRegistry : public QObject
{
    Q_OBJECT

private slots:
    void entriesAreDistinct()
    {
        std::set<std::string> folders, actions;
        std::set<int> indices;
        for (const PageEntry &entry : pageRegistry()) {
            QVERIFY2(folders.insert(entry.folder).second, entry.folder.c_str());
            QVERIFY2(actions.insert(entry.actionName).second, entry.actionName);
            QVERIFY2(indices.insert(entry.index).second, entry.folder.c_str());
            QCOMPARE(findPageEntry(entry.folder), &entry);
        }
        QVERIFY(!findPageEntry("noSuchPage"));
    }

    // A tab without a page to show it could be neither calculated in the
    // window nor restored from a design.
    void everyCalculatorsPageIsListed()
    {
        for (const auto &calculator : velmora::calc::catalogue().all())
            QVERIFY2(findPageEntry(calculator->description().page),
                     calculator->description().id.c_str());
    }

    void menuAndToolbarCarryOneActionPerEntryInListOrder()
    {
        FBMainWindow window;
        const auto pageActions = [](const QWidget *bar) {
            QStringList names;
            for (const QAction *a : bar->actions())
                if (findPageActionEntry(a))
                    names << a->objectName();
            return names;
        };
        QStringList expected;
        for (const PageEntry &entry : pageRegistry())
            expected << QString::fromLatin1(entry.actionName);
        QCOMPARE(pageActions(window.findChild<QMenu *>(QStringLiteral("menuFile"))), expected);
        QCOMPARE(pageActions(window.findChild<QToolBar *>(QStringLiteral("toolBar"))), expected);
        // The page actions lead the 查看 menu, before its separator and 退出.
        const QList<QAction *> menu =
            window.findChild<QMenu *>(QStringLiteral("menuFile"))->actions();
        QCOMPARE(menu.at(expected.size())->isSeparator(), true);
        for (const PageEntry &entry : pageRegistry()) {
            auto *action = window.findChild<QAction *>(QString::fromLatin1(entry.actionName));
            QCOMPARE(action->text(), QString::fromUtf8(entry.title));
            QCOMPARE(action->statusTip(), QString::fromUtf8(entry.statusTip));
        }
    }

    void selectingAnActionShowsAPageOfItsFolder()
    {
        FBMainWindow window;
        for (const PageEntry &entry : pageRegistry()) {
            window.findChild<QAction *>(QString::fromLatin1(entry.actionName))->trigger();
            QWidget *shown = window.currentPageWidget();
            QVERIFY(shown);
            QCOMPARE(shown->metaObject()->className(), entry.folder.c_str());
            QCOMPARE(window.currentPageIndex(), entry.index);
            QCOMPARE(window.page(entry.folder), shown);
            QVERIFY(!shown->isHidden());
            for (const PageEntry &other : pageRegistry())
                if (QWidget *page = window.page(other.folder); page && page != shown)
                    QVERIFY2(page->isHidden(), other.folder.c_str());
        }
        // Selected again: the same instance, found by name as well.
        QWidget *first = window.page(pageRegistry().front().folder);
        QVERIFY(QMetaObject::invokeMethod(
            &window, "showPageOf",
            Q_ARG(QString, QString::fromStdString(pageRegistry().front().folder))));
        QCOMPARE(window.currentPageWidget(), first);
        // An unknown folder changes nothing.
        QVERIFY(!window.showPage("noSuchPage"));
        QCOMPARE(window.currentPageWidget(), first);
    }

    void designsOpenPagesThroughTheList()
    {
        FBMainWindow window;
        for (const PageEntry &entry : pageRegistry()) {
            QWidget *page = window.designs()->pageFor(entry.folder, true);
            QVERIFY2(page, entry.folder.c_str());
            QCOMPARE(page->metaObject()->className(), entry.folder.c_str());
            QCOMPARE(window.designs()->pageFor(entry.folder, false), page);
        }
    }

private:
    static const PageEntry *findPageActionEntry(const QAction *action)
    {
        for (const PageEntry &entry : pageRegistry())
            if (action->objectName() == QLatin1String(entry.actionName))
                return &entry;
        return nullptr;
    }
};

VELMORA_SHELL_TEST_MAIN(TestPageRegistry)

#include "tst_pageregistry.moc"
