#ifndef VELMORA_DESIGNFILE_H
#define VELMORA_DESIGNFILE_H

// A saved design (".velmora.json"): the current fiber, every input field of
// every tab by its calculator id and key (the texts as typed), and the page
// and tab shown. JSON with a format name and a version, keys sorted, so the
// same design always gives the same bytes.
//
//   {"format": "velmora-design", "version": 1,
//    "fiber": {...}, "page": "fbmode", "tab": 0,
//    "tabs": {"modes.solve": {"a_um": "10", ...}, ...}}
//
// Reading validates everything before anything is used: a file that is not a
// design, a newer version, or a value a tab would refuse makes the whole file
// refused with one message. Unknown tabs and keys (a newer program's) are
// listed and skipped.

#include "catalogue.h"
#include "fiberdesign.h"

#include <map>
#include <string>
#include <vector>

namespace velmora::designs {

constexpr const char *kDesignFormat = "velmora-design";
constexpr int kDesignVersion = 1;
constexpr const char *kDesignSuffix = ".velmora.json";

struct Design {
    FiberDesign fiber;
    std::string page; // page folder of the page shown
    int tab = 0;
    std::map<std::string, calc::Inputs> tabs; // calculator id -> key -> text
};

struct DesignReading {
    bool ok = false;
    calc::Text error;                 // when !ok: what is wrong, naming it
    Design design;                    // when ok
    std::vector<std::string> skipped; // "id" or "id.key" not known here
};

std::string writeDesign(const Design &design);
DesignReading readDesign(const std::string &text, const calc::Catalogue &catalogue);

} // namespace velmora::designs

#endif // VELMORA_DESIGNFILE_H
