// The pages of the window in the order of the 查看 menu and the left toolbar.
// Adding a page adds one line here; its <Folder>PageEntry() (action name,
// icon, title, status tip, index, factory) lives in the page's own folder.
#include "pageregistry.h"

// Declares the page's entry function where it is called, so a page needs no
// header include here: one line per page.
#define VELMORA_PAGE(Folder)              \
    extern PageEntry Folder##PageEntry(); \
    entries.push_back(Folder##PageEntry())

static std::vector<PageEntry> listPages()
{
    std::vector<PageEntry> entries;
    VELMORA_PAGE(bscoptlaw);
    VELMORA_PAGE(Laserbsc);
    VELMORA_PAGE(LaserPluse);
    VELMORA_PAGE(LaserTrait);
    VELMORA_PAGE(fbopt);
    VELMORA_PAGE(nolinear);
    VELMORA_PAGE(fbmode);
    VELMORA_PAGE(threashold);
    VELMORA_PAGE(fbamp);
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
