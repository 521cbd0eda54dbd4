#include <QtTest>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "DefaultNamesWriter.h"
#include "data/NameTables.h"
#include "data/NationTable.h"
#include "records/GameDataStream.h"
#include "world/ResourcePaths.h"

namespace {

// The fighter generator's choice of name file: by region, and by the
// nation's position in that region's list (-1 when the list lacks it).
QString cultureAt(int region, int position)
{
    struct Rule
    {
        QString fallback;                    // other positions and absent nations
        QVector<QPair<QString, QList<int>>> positions;
    };
    static const QVector<Rule> rules = {
        {"british", {{"anglo", {0, 1, 5, 11, -1}}, {"hispanic", {2, 3, 4, 8}}, {"french", {6}}}},
        {"hispanic", {{"portuguese", {2}}}},
        {"british", {{"germanic", {0, 1, 6, 18, -1}}, {"french", {5}}, {"greek", {7}},
                     {"scandinavian", {2, 4, 8, 13, 17}}, {"italian", {10}}, {"dutch", {11}},
                     {"portuguese", {14}}, {"hispanic", {16}}}},
        {"eastern_european", {{"balkan", {4, 14, 15, 16}}, {"russian", {2, 13, 17}}}},
        {"african", {{"dutch", {14}}, {"french", {6}}, {"arab", {0, 8, 10, 16}}}},
        {"arab", {{"israeli", {5}}, {"turkic", {13, 14, 16}}, {"russian", {7}}}},
        {"chinese", {{"japanese", {2}}, {"korean", {4, 5}}}},
        {"oceanic", {{"anglo", {0, 6}}, {"thai", {9}}, {"chinese", {8}}, {"hispanic", {7}}}},
    };
    if (region < 0 || region >= rules.size())
        return QStringLiteral("anglo");
    const Rule &rule = rules.at(region);
    for (const auto &entry : rule.positions) {
        if (entry.second.contains(position))
            return entry.first;
    }
    return rule.fallback;
}

const QStringList cultureFiles = {
    "anglo", "hispanic", "french", "british", "portuguese", "germanic", "greek", "scandinavian",
    "italian", "dutch", "balkan", "russian", "eastern_european", "arab", "african", "israeli",
    "turkic", "japanese", "korean", "chinese", "thai", "oceanic"};

// Reads `count` string lists through the bounded reader; the file must hold
// exactly those and nothing after them.
QVector<QStringList> readStringLists(const QString &path, int count)
{
    QVector<QStringList> lists;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lists;
    GameDataStream in(&file);
    for (int i = 0; i < count; ++i) {
        QStringList list;
        if (!StreamRead::readList(in, list, 4))
            return {};
        lists.append(list);
    }
    if (!in.atEnd())
        return {};
    return lists;
}

QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            contents.insert(name, file.readAll());
    }
    return contents;
}

} // namespace

class TestDataNames : public QObject
{
    Q_OBJECT

private slots:
    void everyCultureHasItsFileAndEnoughNames_data()
    {
        QTest::addColumn<int>("index");
        const QVector<CultureNames> &cultures = NameTables::cultures();
        QCOMPARE(cultures.size(), cultureFiles.size());
        for (int i = 0; i < cultures.size(); ++i)
            QTest::addRow("%s", qPrintable(cultures.at(i).culture)) << i;
    }

    void everyCultureHasItsFileAndEnoughNames()
    {
        QFETCH(int, index);
        const CultureNames &names = NameTables::cultures().at(index);
        QCOMPARE(names.culture, cultureFiles.at(index));
        for (const QStringList *list : {&names.givenNames, &names.surnames}) {
            QVERIFY2(list->size() >= 100, qPrintable(QString::number(list->size())));
            QCOMPARE(QSet<QString>(list->begin(), list->end()).size(), list->size());
            for (const QString &name : *list)
                QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(name));
        }
    }

    void accentedNamesSurviveAsUnicode()
    {
        const CultureNames &hispanic = NameTables::cultures().at(cultureFiles.indexOf("hispanic"));
        QVERIFY(hispanic.givenNames.contains(QStringLiteral("Jos\u00e9")));
        const CultureNames &turkic = NameTables::cultures().at(cultureFiles.indexOf("turkic"));
        QVERIFY(turkic.surnames.contains(QStringLiteral("Y\u0131lmaz")));
    }

    void builtInNationsDrawFromTheirCulture_data()
    {
        QTest::addColumn<QString>("nation");
        QTest::addColumn<int>("region");
        QTest::addColumn<QString>("culture");
        const QVector<std::tuple<const char *, int, const char *>> rows = {
            {"Canada", 0, "anglo"}, {"United States", 0, "anglo"},
            {"Argentina", 1, "hispanic"}, {"Brazil", 1, "portuguese"}, {"Mexico", 1, "hispanic"},
            {"Denmark", 2, "scandinavian"}, {"England", 2, "british"}, {"Finland", 2, "scandinavian"},
            {"France", 2, "french"}, {"Germany", 2, "germanic"}, {"Greece", 2, "greek"},
            {"Italy", 2, "italian"}, {"Netherlands", 2, "dutch"}, {"Norway", 2, "scandinavian"},
            {"Spain", 2, "hispanic"}, {"Sweden", 2, "scandinavian"},
            {"Croatia", 3, "balkan"}, {"Russia", 3, "russian"}, {"Serbia", 3, "balkan"},
            {"Cameroon", 4, "african"}, {"Ghana", 4, "african"}, {"Ivory Coast", 4, "french"},
            {"South Africa", 4, "dutch"},
            {"Egypt", 5, "arab"}, {"Israel", 5, "israeli"}, {"Turkey", 5, "turkic"},
            {"Saudi Arabia", 5, "arab"}, {"United Arab Emirates", 5, "arab"},
            {"China", 6, "chinese"}, {"Japan", 6, "japanese"}, {"South Korea", 6, "korean"},
            {"Australia", 7, "anglo"}, {"New Zealand", 7, "anglo"}, {"Thailand", 7, "thai"},
        };
        for (const auto &row : rows)
            QTest::addRow("%s", std::get<0>(row)) << QString(std::get<0>(row)) << std::get<1>(row)
                                                  << QString(std::get<2>(row));
    }

    void builtInNationsDrawFromTheirCulture()
    {
        QFETCH(QString, nation);
        QFETCH(int, region);
        QFETCH(QString, culture);
        QTemporaryDir folder;
        QVERIFY(DefaultNamesWriter::writeNations(folder.path()));
        const QVector<QStringList> lists =
            readStringLists(ResourcePaths::nationsFile(folder.path()), 8);
        QCOMPARE(lists.size(), 8);
        const int position = lists.at(region).indexOf(nation);
        QVERIFY2(position >= 0, "the nation is missing from its region's list");
        QCOMPARE(cultureAt(region, position), culture);
    }

    void everyListedNationIsPlacedForItsCulture()
    {
        QCOMPARE(NationTable::regionNames(),
                 QStringList({"North America", "South America", "Western Europe", "Eastern Europe",
                              "Africa", "Middle East", "East Asia", "Oceania"}));
        const QVector<QVector<NationTable::Nation>> &regions = NationTable::regions();
        QCOMPARE(regions.size(), 8);
        QSet<QString> seen;
        for (int region = 0; region < regions.size(); ++region) {
            for (int position = 0; position < regions.at(region).size(); ++position) {
                const NationTable::Nation &nation = regions.at(region).at(position);
                QVERIFY2(!seen.contains(nation.name), qPrintable(nation.name + " is listed twice"));
                seen.insert(nation.name);
                QVERIFY2(cultureFiles.contains(nation.culture), qPrintable(nation.culture));
                QVERIFY2(cultureAt(region, position) == nation.culture,
                         qPrintable(nation.name + " does not get " + nation.culture));
            }
        }
    }

    void writtenFilesReadBackToTheTables()
    {
        QTemporaryDir folder;
        QVERIFY(DefaultNamesWriter::writeAll(folder.path()));

        const QVector<QStringList> nations =
            readStringLists(ResourcePaths::nationsFile(folder.path()), 8);
        QCOMPARE(nations.size(), 8);
        for (int region = 0; region < 8; ++region)
            QCOMPARE(nations.at(region), NationTable::nationsOf(region));

        for (const CultureNames &names : NameTables::cultures()) {
            const QVector<QStringList> lists =
                readStringLists(ResourcePaths::namesFile(names.culture, folder.path()), 2);
            QVERIFY2(lists.size() == 2, qPrintable(names.culture));
            QCOMPARE(lists.at(0), names.givenNames);
            QCOMPARE(lists.at(1), names.surnames);
        }
    }

    void nationsFileStartsWithACountAndBigEndianUtf16()
    {
        QTemporaryDir folder;
        QVERIFY(DefaultNamesWriter::writeNations(folder.path()));
        QFile file(ResourcePaths::nationsFile(folder.path()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(4 + 4 + 12);
        const QByteArray count = QByteArray::number(NationTable::nationsOf(0).size(), 16)
                                     .rightJustified(8, '0');
        // count, then "Canada": 12 bytes of UTF-16, high byte first
        QCOMPARE(head.toHex(), count + "0000000c" "00430061006e006100640061");
    }

    void writingAgainGivesIdenticalBytes()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(DefaultNamesWriter::writeAll(first.path()));
        const QMap<QString, QByteArray> once = filesIn(first.filePath("Defaults"));
        QCOMPARE(once.size(), 1 + cultureFiles.size());
        QVERIFY(once.contains("default_nations.dat"));
        for (const QString &culture : cultureFiles)
            QVERIFY2(once.contains(culture + "_names.dat"), qPrintable(culture));

        QVERIFY(DefaultNamesWriter::writeAll(first.path()));
        QVERIFY(DefaultNamesWriter::writeAll(second.path()));
        QCOMPARE(filesIn(first.filePath("Defaults")), once);
        QCOMPARE(filesIn(second.filePath("Defaults")), once);
    }

    void unwritableFolderIsReported()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath("Resources"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!DefaultNamesWriter::writeAll(blocker.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestDataNames)
#include "tst_data_names.moc"
