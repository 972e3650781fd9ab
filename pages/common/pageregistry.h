#ifndef PAGEREGISTRY_H
#define PAGEREGISTRY_H

// The calculator pages of the window, in the order of the 查看 menu and the
// left toolbar. Each page folder describes its page in one entry (a function
// <Folder>PageEntry() in the folder); pages/page_list.cpp lists the folders,
// one line each. The main window makes its page actions, creates, shows and
// finds pages from this list alone, the saved designs open pages through it,
// so a new page needs no change to the window.

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QWidget;

struct PageEntry {
    // The page folder; also the page's class name and object name, which the
    // calculators' descriptions and saved designs record.
    std::string folder;
    // Makes the page (the window creates it on first selection).
    std::function<QWidget *(QWidget *parent)> create;
    // Object name of the page's 查看 and toolbar action.
    const char *actionName = nullptr;
    // Toolbar icon img/<iconName>.png beside the program; empty: none.
    QString iconName;
    // Action text and status tip: Chinese source texts of the translation
    // catalogue in context "FBMainWindow" (mark them QT_TRANSLATE_NOOP).
    const char *title = nullptr;
    const char *statusTip = nullptr;
    // FBMainWindow::currentPageIndex() while the page is shown: the index the
    // page has always had, the next free number for a new page.
    int index = -1;
};

// A page entry for class Page (named after its folder), created with `new
// Page(parent)`.
template <typename Page> PageEntry makePageEntry(const char *actionName, const QString &iconName,
                                                 const char *title, const char *statusTip,
                                                 int index)
{
    PageEntry entry;
    entry.folder = Page::staticMetaObject.className();
    entry.create = [](QWidget *parent) -> QWidget * { return new Page(parent); };
    entry.actionName = actionName;
    entry.iconName = iconName;
    entry.title = title;
    entry.statusTip = statusTip;
    entry.index = index;
    return entry;
}

// Every page in menu order (pages/page_list.cpp).
const std::vector<PageEntry> &pageRegistry();

// The entry of a folder, or nullptr.
const PageEntry *findPageEntry(const std::string &folder);

#endif // PAGEREGISTRY_H
