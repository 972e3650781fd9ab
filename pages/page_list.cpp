// The pages of the window in the order of the 查看 menu and the left toolbar:
// the folders of the build list (VELMORA_PAGES in pages/CMakeLists.txt),
// written here as one VELMORA_PAGE line each (page_list.inc). A folder's
// <Folder>PageEntry() (action name, icon, title, status tip, index, factory)
// lives in the folder itself.
#include "pageregistry.h"

// Declares the page's entry function where it is called, so the list needs
// no page header.
#define VELMORA_PAGE(Folder)              \
    extern PageEntry Folder##PageEntry(); \
    entries.push_back(Folder##PageEntry())

static std::vector<PageEntry> listPages()
{
    std::vector<PageEntry> entries;
#include "page_list.inc"
    return entries;
}

const std::vector<PageEntry> &pageRegistry()
{
    static const std::vector<PageEntry> entries = listPages();
    return entries;
}

const PageEntry *findPageEntry(const std::string &folder)
{
    for (const PageEntry &entry : pageRegistry())
        if (entry.folder == folder)
            return &entry;
    return nullptr;
}
