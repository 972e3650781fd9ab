#include "sheetrows.h"

#include <QString>

namespace velmora::calc {

std::string captionWithUnit(const std::string &caption, const std::string &unit,
                            const char *unitFormat)
{
    return unit.empty() ? caption
                        : caption + QString::asprintf(unitFormat, unit.c_str()).toStdString();
}

std::vector<SheetRow> sheetRowsFromFields(const std::vector<FieldDescription> &fields,
                                          SheetCell choiceCell)
{
    std::vector<SheetRow> rows;
    for (const bool inputs : {true, false}) {
        rows.push_back({inputs ? "输入项" : "输出项"});
        for (const FieldDescription &f : fields) {
            if ((f.role == FieldRole::Output) == inputs || f.kind == ValueKind::Curve ||
                f.objectName.empty())
                continue;
            SheetRow row{captionWithUnit(f.caption.zh, f.unit, "[%s]"), f.key,
                         f.kind == ValueKind::Choice ? choiceCell : SheetCell::Text};
            row.captionEn =
                captionWithUnit(f.caption.en.empty() ? f.caption.zh : f.caption.en, f.unit, "[%s]");
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace velmora::calc
