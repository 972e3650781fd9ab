#include "profileinputs.h"

#include "textformat.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::calc {

namespace {

std::string trimmed(const std::string &s)
{
    const std::size_t first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const std::size_t last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

std::vector<std::string> split(const std::string &s, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, separator))
        parts.push_back(trimmed(part));
    return parts;
}

bool readPair(const std::string &a, const std::string &b, double *radius, double *index)
{
    return parseNumber(a, radius) && parseNumber(b, index) && std::isfinite(*radius) &&
           std::isfinite(*index);
}

} // namespace

std::optional<LayerList> parseLayers(const std::string &text, Text *problem)
{
    LayerList list;
    const std::vector<std::string> items = split(text, ',');
    if (trimmed(text).empty()) {
        *problem = {"请输入各层“外半径:折射率”", "give each layer as outer radius:index"};
        return std::nullopt;
    }
    if (static_cast<int>(items.size()) > kMaxProfileLayers) {
        *problem = {"层数不超过" + std::to_string(kMaxProfileLayers),
                    "at most " + std::to_string(kMaxProfileLayers) + " layers"};
        return std::nullopt;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::vector<std::string> pair = split(items[i], ':');
        double radius = 0;
        double index = 0;
        const std::string number = std::to_string(i + 1);
        if (pair.size() != 2 || !readPair(pair[0], pair[1], &radius, &index)) {
            *problem = {"第" + number + "层“" + items[i] + "”应为“外半径:折射率”",
                        "layer " + number + " \"" + items[i] + "\" is not outer radius:index"};
            return std::nullopt;
        }
        if (!(radius > 0) || radius > 10000 || (i > 0 && !(radius * 1e-6 > list.radius.back()))) {
            *problem = {"第" + number + "层外半径应为正、不超过10000 μm且由内向外递增",
                        "layer " + number +
                            ": outer radii must be positive, at most 10000 μm and increase "
                            "from the centre out"};
            return std::nullopt;
        }
        if (!(index >= 1.0) || !(index <= 5.0)) {
            *problem = {"第" + number + "层折射率应在1到5之间",
                        "layer " + number + ": the index must lie between 1 and 5"};
            return std::nullopt;
        }
        list.radius.push_back(radius * 1e-6);
        list.index.push_back(index);
    }
    return list;
}

std::optional<ProfileTable> readProfileTable(const std::string &path, Text *problem)
{
    std::error_code error;
    if (path.empty()) {
        *problem = {"请选择折射率分布文件", "choose the index profile file"};
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        *problem = {"折射率分布文件不存在或不是普通文件：" + path,
                    "the index profile file does not exist or is not a regular file: " + path};
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > static_cast<std::uintmax_t>(kMaxProfileFileBytes)) {
        *problem = {"折射率分布文件超过2 MB：" + path,
                    "the index profile file exceeds 2 MB: " + path};
        return std::nullopt;
    }
    std::ifstream in(path);
    if (!in) {
        *problem = {"无法读取折射率分布文件：" + path,
                    "cannot read the index profile file: " + path};
        return std::nullopt;
    }
    ProfileTable table;
    std::string line;
    int lineNumber = 0;
    bool headerSkipped = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string text = trimmed(line);
        if (text.empty() || text[0] == '#')
            continue;
        const std::vector<std::string> cells =
            split(text, text.find(',') != std::string::npos ? ',' : ';');
        double radius = 0;
        double index = 0;
        if (cells.size() < 2 || !readPair(cells[0], cells[1], &radius, &index)) {
            if (!headerSkipped && table.radius.empty()) {
                headerSkipped = true; // a header row such as "radius_um,index"
                continue;
            }
            *problem = {
                "折射率分布文件第" + std::to_string(lineNumber) + "行应为“半径(μm),折射率”",
                "index profile line " + std::to_string(lineNumber) + " is not radius (μm),index"};
            return std::nullopt;
        }
        if (static_cast<int>(table.radius.size()) >= kMaxProfileRows) {
            *problem = {
                "折射率分布文件超过" + std::to_string(kMaxProfileRows) + "行",
                "the index profile has more than " + std::to_string(kMaxProfileRows) + " rows"};
            return std::nullopt;
        }
        table.radius.push_back(radius * 1e-6);
        table.index.push_back(index);
    }
    return table;
}

} // namespace velmora::calc
