#include "exportnaming.h"

const char *const kCsvFilter = "Excel File(*.csv)";
const char *const kXlsxFilter = "Excel Workbook(*.xlsx)";

QString sheetFileFilters()
{
    return QString::fromLatin1(kCsvFilter) + QStringLiteral(";;") +
           QString::fromLatin1(kXlsxFilter);
}

SheetFormat sheetFormatOf(const QString &path)
{
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) ? SheetFormat::Xlsx
                                                                       : SheetFormat::Csv;
}

SheetTarget resolveSheetTarget(const QString &chosenName, const QString &selectedFilter)
{
    if (chosenName.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return {chosenName, SheetFormat::Xlsx};
    if (chosenName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return {chosenName, SheetFormat::Csv};
    if (selectedFilter == QLatin1String(kXlsxFilter))
        return {chosenName + QStringLiteral(".xlsx"), SheetFormat::Xlsx};
    return {chosenName + QStringLiteral(".csv"), SheetFormat::Csv};
}

QString pictureDirPrefix(const QString &directory)
{
    if (directory.isEmpty())
        return QString();
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

QString modeMapFileName(int m, int n, int orientation, int kind)
{
    if (m == 0 && orientation == 1)
        return QString();
    static const char *const letters[] = {"I", "A", "P"};
    const char *letter = (kind >= 0 && kind < 3) ? letters[kind] : "I";
    QString suffix;
    if (m >= 1)
        suffix = orientation == 0 ? QStringLiteral("_E") : QStringLiteral("_O");
    return QStringLiteral("LP") + QString::number(m) + QString::number(n) + suffix +
           QLatin1String(letter) + QStringLiteral(".jpg");
}

int modeMapFileCount(const std::vector<int> &modeCounts)
{
    int files = 0;
    for (std::size_t m = 0; m < modeCounts.size(); ++m)
        if (modeCounts[m] > 0)
            files += modeCounts[m] * (m == 0 ? 3 : 6);
    return files;
}
