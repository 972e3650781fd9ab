#include "sheetlayouts.h"

#include "catalogue.h"
#include "staleresults.h"
#include "uilanguage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QWidget>

#include <map>

const char *const kInputSectionCaption = "输入项";
const char *const kOutputSectionCaption = "输出项";
const char *const kCheckedText = "是";
const char *const kUncheckedText = "否";

namespace {

constexpr CellSource kNone = CellSource::None;
constexpr CellSource kEdit = CellSource::LineEdit;
constexpr CellSource kCombo = CellSource::ComboText;
constexpr CellSource kCheck = CellSource::CheckState;

// Captions a description makes from its fields' texts (the amplifier and the
// exact modes), with their English form, for a sheet exported from the
// English window.
std::map<std::string, std::string> &describedCaptions()
{
    static std::map<std::string, std::string> captions;
    return captions;
}

void rememberEnglish(const std::string &caption, const std::string &english)
{
    if (!english.empty())
        describedCaptions()[caption] = english;
}

// A tab's sheet as its calculator describes it: one row per SheetRow, the
// value the text of the field its key names, then the table if it has one.
// The calculator descriptions live as long as the program, so the layout
// points into their strings.
SheetLayout describedLayout(const velmora::calc::CalculatorDescription &description)
{
    using velmora::calc::SheetCell;
    SheetLayout layout{
        description.page.c_str(), description.tab, description.title.zh.c_str(), {}, {}};
    int row = 1;
    for (const velmora::calc::SheetRow &sheetRow : description.sheet) {
        const char *caption = sheetRow.caption.empty() ? nullptr : sheetRow.caption.c_str();
        const velmora::calc::FieldDescription *field =
            sheetRow.key.empty() ? nullptr : description.field(sheetRow.key);
        if (!field) {
            layout.rows.push_back({row++, caption, nullptr, kNone});
            continue;
        }
        rememberEnglish(sheetRow.caption, sheetRow.captionEn);
        const CellSource source = sheetRow.cell == SheetCell::ComboText    ? kCombo
                                  : sheetRow.cell == SheetCell::FiberType  ? CellSource::FiberType
                                  : sheetRow.cell == SheetCell::CheckState ? kCheck
                                                                           : kEdit;
        LayoutRow layoutRow{row++, caption, field->objectName.c_str(), source};
        for (const velmora::calc::SheetButton &button : sheetRow.buttons)
            layoutRow.buttons.emplace_back(button.objectName.c_str(), button.text.c_str());
        layout.rows.push_back(std::move(layoutRow));
    }
    if (!description.sheetTable.objectName.empty()) {
        layout.table.headerRow = row;
        const velmora::calc::SheetTable &table = description.sheetTable;
        for (std::size_t i = 0; i < table.headers.size(); ++i) {
            if (i < table.headersEn.size())
                rememberEnglish(table.headers[i], table.headersEn[i]);
            layout.table.headers.push_back(table.headers[i].c_str());
        }
        layout.table.widget = description.sheetTable.objectName.c_str();
        layout.table.firstRow = row + 1;
    }
    return layout;
}

// Every tab whose calculator describes its sheet, the first calculator of a
// tab (the mode list before the field map).
std::vector<SheetLayout> buildLayouts()
{
    std::vector<SheetLayout> all;
    for (const auto &calculator : velmora::calc::catalogue().all()) {
        const velmora::calc::CalculatorDescription &description = calculator->description();
        if (!description.sheet.empty())
            all.push_back(describedLayout(description));
    }
    return all;
}

QString fieldText(const QWidget *page, const LayoutRow &row, QStringList *missing)
{
    const QString name = QString::fromLatin1(row.widget);
    auto noteMissing = [&](const QString &what) {
        if (missing)
            missing->append(what);
        return QString();
    };
    // An input edited after the results shown were calculated holds the
    // value that produced them (staleresults.h): the sheet writes that one.
    auto produced = [](const QWidget *input) { return input->property(kResultInputProperty); };
    switch (row.source) {
    case CellSource::None: return QString();
    case CellSource::LineEdit:
        if (const auto *edit = page->findChild<QLineEdit *>(name))
            return produced(edit).isValid() ? produced(edit).toString() : edit->text();
        return noteMissing(name);
    case CellSource::ComboText:
        // The item at the current index; no selection (index -1) is empty.
        if (const auto *combo = page->findChild<QComboBox *>(name))
            return combo->itemText(produced(combo).isValid() ? produced(combo).toInt()
                                                             : combo->currentIndex());
        return noteMissing(name);
    case CellSource::CheckState:
        if (const auto *button = page->findChild<QAbstractButton *>(name)) {
            const bool checked =
                produced(button).isValid() ? produced(button).toBool() : button->isChecked();
            return QCoreApplication::translate("SheetLayout",
                                               checked ? kCheckedText : kUncheckedText);
        }
        return noteMissing(name);
    case CellSource::FiberType: {
        QStringList names;
        for (const auto &button : row.buttons)
            names << QString::fromLatin1(button.first);
        const char *checked = nullptr;
        for (std::size_t i = 0; i < row.buttons.size(); ++i) {
            const auto *button = page->findChild<QAbstractButton *>(names[static_cast<int>(i)]);
            if (!button)
                return noteMissing(names.join(QLatin1Char('/')));
            if (!checked && button->isChecked())
                checked = row.buttons[i].second;
        }
        return checked ? QCoreApplication::translate("SheetLayout", checked) : QString();
    }
    }
    return QString();
}

} // namespace

const std::vector<SheetLayout> &sheetLayouts()
{
    static const std::vector<SheetLayout> layouts = buildLayouts();
    return layouts;
}

const SheetLayout *findSheetLayout(const std::string &page, int tab)
{
    for (const SheetLayout &layout : sheetLayouts())
        if (layout.page == page && layout.tab == tab)
            return &layout;
    return nullptr;
}

QString captionInUiLanguage(const char *caption)
{
    if (currentUiLanguage() == UiLanguage::English) {
        const auto described = describedCaptions().find(caption);
        if (described != describedCaptions().end())
            return QString::fromStdString(described->second);
    }
    return QCoreApplication::translate("SheetLayout", caption);
}

Sheet fillSheet(const SheetLayout &layout, const QWidget *page, QStringList *missing)
{
    Sheet sheet;
    for (const LayoutRow &row : layout.rows) {
        if (row.caption)
            sheet.setText(row.row, 1, captionInUiLanguage(row.caption));
        if (row.source == CellSource::LineEdit)
            sheet.setValue(row.row, 2, page ? fieldText(page, row, missing) : QString());
        else if (row.source != CellSource::None)
            sheet.setText(row.row, 2, page ? fieldText(page, row, missing) : QString());
    }

    const LayoutTable &table = layout.table;
    if (table.headerRow > 0) {
        for (std::size_t c = 0; c < table.headers.size(); ++c)
            sheet.setText(table.headerRow, static_cast<int>(c) + 1,
                          captionInUiLanguage(table.headers[c]));
        const auto *widget =
            page ? page->findChild<QTableWidget *>(QString::fromLatin1(table.widget)) : nullptr;
        if (!widget) {
            if (missing)
                missing->append(QString::fromLatin1(table.widget));
        } else {
            // Row-major, one sheet row per table row; an empty item slot
            // (never filled) gives an empty cell.
            for (int r = 0; r < widget->rowCount(); ++r)
                for (int c = 0; c < widget->columnCount(); ++c) {
                    const QTableWidgetItem *item = widget->item(r, c);
                    sheet.setValue(table.firstRow + r, c + 1, item ? item->text() : QString());
                }
        }
    }
    return sheet;
}
