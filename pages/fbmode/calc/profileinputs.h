#ifndef VELMORA_PROFILEINPUTS_H
#define VELMORA_PROFILEINPUTS_H

// Reading the index profile of modes.profile from its texts: the layer list
// "R1:N1,R2:N2,..." (outer radius in μm and index of each layer from the
// centre out) and a measured profile file (CSV rows "radius_um,index"; blank
// lines, lines starting with '#' and one header line are skipped).

#include "calculator.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::calc {

struct ProfileTable {
    std::vector<double> radius; // m
    std::vector<double> index;
};

// The layers, or the reason (both languages) they cannot be read.
struct LayerList {
    std::vector<double> radius; // m
    std::vector<double> index;
};
std::optional<LayerList> parseLayers(const std::string &text, Text *problem);

// At most this many layers and table rows, and this many bytes of file.
constexpr int kMaxProfileLayers = 50;
constexpr int kMaxProfileRows = 20000;
constexpr long kMaxProfileFileBytes = 2L * 1024 * 1024;

std::optional<ProfileTable> readProfileTable(const std::string &path, Text *problem);

} // namespace velmora::calc

#endif // VELMORA_PROFILEINPUTS_H
