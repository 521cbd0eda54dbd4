#include <QtTest>

#include <QPainter>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "WorldMapWriter.h"

// The world map and its nine region overlays, with and without Debian's
// picture of the earth. Composites of the map and each overlay are saved
// to the temporary folder for a look.
class TestWorldMap : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_withPicture, m_withoutPicture;

    static QString mapFolder(const QTemporaryDir &tree) { return tree.path() + QStringLiteral("/World Map/"); }

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(WorldMapWriter::defaultEarthPicture()))
            qWarning("xplanet-images is not installed: only the drawn map is checked against it");
        QVERIFY(WorldMapWriter::writeMaps(m_withPicture.path(), WorldMapWriter::defaultEarthPicture()));
        QVERIFY(WorldMapWriter::writeMaps(m_withoutPicture.path(), m_withoutPicture.path() + "/no_earth.jpg"));
    }

    void tenFilesOfOneSize_data()
    {
        QTest::addColumn<bool>("withPicture");
        QTest::addRow("from the picture") << true;
        QTest::addRow("drawn") << false;
    }

    void tenFilesOfOneSize()
    {
        QFETCH(bool, withPicture);
        const QString folder = mapFolder(withPicture ? m_withPicture : m_withoutPicture);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 10);
        const QImage map(folder + "world_map.jpg");
        QCOMPARE(map.size(), QSize(840, 450));
        QVERIFY(!map.hasAlphaChannel());
        for (const QString &entry : WorldMapWriter::overlayEntries()) {
            const QImage overlay(folder + "world_map_" + entry + ".png");
            QVERIFY2(overlay.size() == QSize(840, 450) && overlay.hasAlphaChannel(), qPrintable(entry));
        }
    }

    void overlaysMarkOnlyTheirRegion_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("withPicture");
        for (const QString &entry : WorldMapWriter::overlayEntries()) {
            QTest::addRow("%s", qPrintable(entry)) << entry << true;
            QTest::addRow("%s, drawn", qPrintable(entry)) << entry << false;
        }
    }

    void overlaysMarkOnlyTheirRegion()
    {
        QFETCH(QString, entry);
        QFETCH(bool, withPicture);
        const QImage overlay(mapFolder(withPicture ? m_withPicture : m_withoutPicture) + "world_map_" + entry + ".png");
        QPainterPath area;
        for (const QString &region : WorldMapWriter::overlayEntries().mid(1)) {
            if (entry == region || entry == QLatin1String("Ranking"))
                area = area.united(WorldMapWriter::areaOf(region));
        }
        int marked = 0;
        for (int y = 0; y < overlay.height(); ++y) {
            for (int x = 0; x < overlay.width(); ++x) {
                if (qAlpha(overlay.pixel(x, y)) == 0)
                    continue;
                ++marked;
                if (!area.intersects(QRectF(x, y, 1, 1)))
                    QFAIL(qPrintable(QStringLiteral("marked outside the region at %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY2(marked > 150, qPrintable(QString::number(marked)));
        QVERIFY(marked < overlay.width() * overlay.height() / 3);
    }

    // Places on the map, and the overlays that mark them: the nations go by
    // the nations table's regions, not by continent.
    void placesAreMarkedByTheirRegion_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QPointF>("place"); // longitude, latitude
        QTest::addColumn<bool>("marked");
        QTest::addRow("Mexico City in South America") << "South America" << QPointF(-99.1, 19.4) << true;
        QTest::addRow("Mexico City not in North America") << "North America" << QPointF(-99.1, 19.4) << false;
        QTest::addRow("Managua in North America") << "North America" << QPointF(-86.3, 12.1) << true;
        QTest::addRow("Santa Clara in North America") << "North America" << QPointF(-80.0, 22.4) << true;
        QTest::addRow("Athens in Western Europe") << "Western Europe" << QPointF(23.7, 38.2) << true;
        QTest::addRow("Tampere in Western Europe") << "Western Europe" << QPointF(23.8, 61.5) << true;
        QTest::addRow("Reykjavik in Western Europe") << "Western Europe" << QPointF(-21.5, 64.1) << true;
        QTest::addRow("Warsaw not in Western Europe") << "Western Europe" << QPointF(21.0, 52.2) << false;
        QTest::addRow("Warsaw in Eastern Europe") << "Eastern Europe" << QPointF(21.0, 52.2) << true;
        QTest::addRow("Yakutsk in Eastern Europe") << "Eastern Europe" << QPointF(129.7, 62.0) << true;
        QTest::addRow("Cairo in the Middle East") << "Middle East" << QPointF(31.2, 30.0) << true;
        QTest::addRow("Cairo not in Africa") << "Africa" << QPointF(31.2, 30.0) << false;
        QTest::addRow("Tehran in the Middle East") << "Middle East" << QPointF(51.4, 35.7) << true;
        QTest::addRow("Kabul in the Middle East") << "Middle East" << QPointF(69.2, 34.5) << true;
        QTest::addRow("Astana in the Middle East") << "Middle East" << QPointF(71.4, 51.2) << true;
        QTest::addRow("Ankara in the Middle East") << "Middle East" << QPointF(32.9, 39.9) << true;
        QTest::addRow("Delhi in no region") << "Middle East" << QPointF(77.2, 28.6) << false;
        QTest::addRow("Nairobi in Africa") << "Africa" << QPointF(36.8, -1.3) << true;
        QTest::addRow("Ulaanbaatar in East Asia") << "East Asia" << QPointF(106.9, 47.9) << true;
        QTest::addRow("Tokyo in East Asia") << "East Asia" << QPointF(139.7, 35.7) << true;
        QTest::addRow("Bangkok in Oceania") << "Oceania" << QPointF(100.5, 13.9) << true;
        QTest::addRow("Bangkok not in East Asia") << "East Asia" << QPointF(100.5, 13.9) << false;
        QTest::addRow("Manila in Oceania") << "Oceania" << QPointF(121.0, 14.6) << true;
        QTest::addRow("Singapore in Oceania") << "Oceania" << QPointF(103.8, 1.35) << true;
        QTest::addRow("Samoa in Oceania") << "Oceania" << QPointF(-172.1, -13.7) << true;
        QTest::addRow("Alice Springs in the ranking") << "Ranking" << QPointF(133.9, -23.7) << true;
    }

    void placesAreMarkedByTheirRegion()
    {
        QFETCH(QString, entry);
        QFETCH(QPointF, place);
        QFETCH(bool, marked);
        const QImage overlay(mapFolder(m_withPicture) + "world_map_" + entry + ".png");
        const QPoint pixel(int((place.x() + 180) / 360 * 840), int((90 - place.y()) / 180 * 450));
        QCOMPARE(qAlpha(overlay.pixel(pixel)) > 0, marked);
    }

    // A nation too small for the map still gets its mark: Bahrain's dot.
    void aSmallNationGetsADot()
    {
        const QImage overlay(mapFolder(m_withPicture) + "world_map_Middle East.png");
        const QPoint bahrain(qRound((50.55 + 180) / 360 * 840), qRound((90 - 26.05) / 180 * 450));
        QVERIFY(qAlpha(overlay.pixel(bahrain)) > 0);
    }

    void theDrawnMapDiffersFromThePicture()
    {
        if (!QFileInfo::exists(WorldMapWriter::defaultEarthPicture()))
            QSKIP("xplanet-images is not installed");
        QVERIFY(QImage(mapFolder(m_withPicture) + "world_map.jpg") != QImage(mapFolder(m_withoutPicture) + "world_map.jpg"));
    }

    void writingAgainGivesTheSameBytes()
    {
        QTemporaryDir again;
        QVERIFY(WorldMapWriter::writeMaps(again.path(), WorldMapWriter::defaultEarthPicture()));
        QCOMPARE(TestFiles::digestOfTree(again.path()), TestFiles::digestOfTree(m_withPicture.path()));
    }

    void cleanupTestCase()
    {
        const QString shots = QDir::tempPath() + QStringLiteral("/ringwright_shots/");
        QDir().mkpath(shots);
        const QStringList entries = WorldMapWriter::overlayEntries();
        QImage sheet(2 * 420, 5 * 225, QImage::Format_RGB32);
        sheet.fill(Qt::black);
        QPainter painter(&sheet);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        auto composite = [](const QString &folder, const QString &entry) {
            QImage picture = QImage(folder + "world_map.jpg").convertToFormat(QImage::Format_ARGB32);
            QPainter over(&picture);
            over.drawImage(0, 0, QImage(folder + "world_map_" + entry + ".png"));
            return picture;
        };
        for (int i = 0; i < entries.size(); ++i)
            painter.drawImage(QRect(i % 2 * 420, i / 2 * 225, 420, 225), composite(mapFolder(m_withPicture), entries.at(i)));
        // Last, the map drawn without the picture.
        painter.drawImage(QRect(420, 4 * 225, 420, 225), composite(mapFolder(m_withoutPicture), "Ranking"));
        painter.end();
        sheet.save(shots + QStringLiteral("world_map_composites.png"));
    }
};

QTEST_MAIN(TestWorldMap)
#include "tst_world_map.moc"
