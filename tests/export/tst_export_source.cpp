// The export takes what a page hands over (pageexport.h) and nothing else: a
// page of this test's own, unknown to the export, gets its plots and drawn
// pictures saved under its names and sizes, its refusals reported, a failing
// picture named, and its number table written in place of a sheet.
#include "exportformats.h"
#include "pageexport.h"
#include "plotpicture.h"

#include <qcustomplot.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class FakePage : public QWidget, public PageExportSource
{
public:
    TabPictures::State state = TabPictures::State::Ready;
    int drawCalls = 0;
    QCustomPlot shown;

    TabPictures tabPictures(int tab) override
    {
        TabPictures t;
        t.state = tab == 0 ? state : TabPictures::State::None;
        t.pictures.push_back({QStringLiteral("shown.jpg"), 320, 200, &shown, {}});
        for (const char *name : {"drawn1.jpg", "drawn2.jpg"})
            t.pictures.push_back({QString::fromLatin1(name), 150, 100, nullptr,
                                  [this](QCustomPlot *scratch, QString *error) {
                                      ++drawCalls;
                                      if (scratch == &shown) {
                                          *error = QStringLiteral("drawn on the page's plot");
                                          return false;
                                      }
                                      scratch->addGraph()->setData({0, 1}, {0, double(drawCalls)});
                                      return true;
                                  }});
        t.pictures.push_back(
            {QStringLiteral("refused.jpg"), 150, 100, nullptr, [](QCustomPlot *, QString *error) {
                 *error = QStringLiteral("no such mode");
                 return false;
             }});
        return t;
    }
    std::optional<NumberTableExport> numberTable(int tab) override
    {
        if (tab != 1)
            return std::nullopt;
        NumberTableExport table;
        table.columns = {{1000, 1001}, {0.5, 0.25}};
        table.digits = 4;
        return table;
    }
};

QSize pictureSize(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format() == "jpeg" ? reader.size() : QSize();
}

} // namespace

class TestExportSource : public QObject
{
    Q_OBJECT

private slots:
    void handedOverPicturesAreSavedUnderTheirNamesAndSizes()
    {
        QTemporaryDir dir;
        FakePage page;
        const PictureExportResult r = exportPictures(&page, 0, dir.path() + QLatin1Char('/'));
        QCOMPARE(r.status, PictureExportResult::PartlyFailed);
        QCOMPARE(r.written.size(), 3);
        QCOMPARE(pictureSize(dir.filePath("shown.jpg")), QSize(320, 200));
        QCOMPARE(pictureSize(dir.filePath("drawn1.jpg")), QSize(150, 100));
        QCOMPARE(pictureSize(dir.filePath("drawn2.jpg")), QSize(150, 100));
        QCOMPARE(page.drawCalls, 2);
        // The failing picture is named with its reason, and nothing is left
        // under its name.
        QCOMPARE(r.failed, QStringList{QStringLiteral("refused.jpg：no such mode")});
        QVERIFY(!QFile::exists(dir.filePath("refused.jpg")));
        QVERIFY(pictureExportMessage(r).contains(QStringLiteral("refused.jpg")));
    }

    void refusalsFollowWhatThePageSays()
    {
        QTemporaryDir dir;
        FakePage page;
        page.state = TabPictures::State::NotComputed;
        QCOMPARE(exportPictures(&page, 0, dir.path() + QLatin1Char('/')).status,
                 PictureExportResult::NotComputed);
        QCOMPARE(exportPictures(&page, 1, dir.path() + QLatin1Char('/')).status,
                 PictureExportResult::NoPictureTab);
        QWidget plain; // a page that hands over nothing has no pictures
        QCOMPARE(exportPictures(&plain, 0, dir.path() + QLatin1Char('/')).status,
                 PictureExportResult::NoPicturePage);
        QVERIFY(QDir(dir.path()).isEmpty());
        QCOMPARE(pictureExportMessage({PictureExportResult::NotComputed, {}, {}}),
                 QStringLiteral("请先点击计算按钮再保存图片"));
    }

    void aNumberTableReplacesTheSheet()
    {
        QTemporaryDir dir;
        FakePage page;
        const SheetExportResult r = exportSheet(&page, 1, dir.filePath("t.xlsx"));
        QCOMPARE(r.status, SheetExportResult::Written);
        QCOMPARE(r.path, dir.filePath("t.csv"));
        QFile file(r.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1000,0.5\n1001,0.25\n"));
    }
};

QTEST_MAIN(TestExportSource)
#include "tst_export_source.moc"
