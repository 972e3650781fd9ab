// What the fiber-mode page hands to the picture export: the mode maps of the
// last list as pictures drawn on the export's own plot (the page's map plot
// keeps the mode the user selected), and the mixture map of the beam quality.
#include "fbmode.h"

#include "catalogue.h"
#include "textformat.h"
#include "uilanguage.h"

#include <qcustomplot.h>

namespace {

// Tabs with pictures.
constexpr int kModeDistributionTab = 0; // "模式分布"
constexpr int kBeamQualityTab = 1;      // "光束质量因子"

// The mixture map's picture size in pixels.
constexpr int kMixtureMapWidth = 478, kMixtureMapHeight = 400;

// The colour map of a plot prepared for field maps, prepared on first use.
QCPColorMap *fieldMapOf(QCustomPlot *plot)
{
    for (int i = 0; i < plot->plottableCount(); ++i)
        if (auto *map = qobject_cast<QCPColorMap *>(plot->plottable(i)))
            return map;
    return setupFieldMapPlot(plot);
}

// Computes one mode map with the field-map calculator and draws it as the
// page draws its own.
bool drawModeMapPicture(const FieldMapPicture &picture, QCustomPlot *plot, QString *error)
{
    const velmora::calc::Calculator *fieldMap = velmora::calc::catalogue().find("modes.field_map");
    const velmora::calc::Result computed = fieldMap->evaluate(picture.inputs);
    if (computed.refused) {
        if (error)
            *error = inUiLanguage(computed.notices.front().text);
        return false;
    }
    const auto a = picture.inputs.find("a_um");
    drawFieldMap(plot, fieldMapOf(plot),
                 velmora::calc::readNumber(a == picture.inputs.end() ? "" : a->second),
                 computed.outputs.at("map").data, picture.coreCircle);
    return true;
}

} // namespace

TabPictures fbmode::tabPictures(int tab)
{
    TabPictures result;
    if (tab != kModeDistributionTab && tab != kBeamQualityTab)
        return result;
    const bool computed = tab == kModeDistributionTab ? m_mapComputed : m_beamComputed;
    if (!computed) {
        result.state = TabPictures::State::NotComputed;
        return result;
    }
    result.state = TabPictures::State::Ready;
    if (tab == kBeamQualityTab) {
        redrawMixtureMap();
        PagePicture mixture;
        mixture.fileName = pictureFileName(QT_TRANSLATE_NOOP("PictureFileName", "模式功率比例图"));
        mixture.width = kMixtureMapWidth;
        mixture.height = kMixtureMapHeight;
        mixture.plot = mixturePlot();
        result.pictures.push_back(mixture);
        return result;
    }
    result.progressLabel = tr("正在保存模式分布图…");
    for (const FieldMapPicture &map : modeMapPictures()) {
        PagePicture picture;
        picture.fileName = map.fileName;
        picture.width = map.width;
        picture.height = map.height;
        picture.draw = [map](QCustomPlot *plot, QString *error) {
            return drawModeMapPicture(map, plot, error);
        };
        result.pictures.push_back(std::move(picture));
    }
    return result;
}
