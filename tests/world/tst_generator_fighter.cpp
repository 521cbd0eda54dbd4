#include <QtTest>

#include "core/GeneratorTestFiles.h"
#include "TestSupport.h"
#include "records/Fighter.h"
#include "world/FighterGenerator.h"
#include "world/GeneratorTables.h"
#include "world/OriginFiles.h"
#include "world/ResourcePaths.h"

namespace {

// A generated fighter taken apart.
struct Made
{
    QStringList texts;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    QStringList titles;

    QString text(Fighter::TextIndex index) const { return texts.at(index); }
    int number(int index) const { return ints.at(index); }
    QStringList bioLines() const { return text(Fighter::BioText).split('\n', Qt::SkipEmptyParts).mid(1); }
    bool hasTraits() const { return text(Fighter::BioText) != "New Fighter"; }
    QPair<int, int> attributeRange() const
    {
        const QVector<int> attributes = ints.mid(Fighter::FirstAttributeIndex, Fighter::AttributeCount);
        return {*std::min_element(attributes.begin(), attributes.end()),
                *std::max_element(attributes.begin(), attributes.end())};
    }
};

const QDate GameDate(2013, 6, 10);

FighterGenerator::Input professional(int lastId = 1058)
{
    FighterGenerator::Input input;
    input.lastFighterId = lastId;
    input.date = GameDate;
    return input;
}

FighterGenerator::Input student(const QString &nationality = "Japan", const QString &region = "East Asia")
{
    FighterGenerator::Input input = professional();
    input.student = true;
    input.gymStyle = "Muay Thai";
    input.gymPrimaryColour = "Teal";
    input.gymSecondaryColour = "Gold";
    input.gymPrestige = "Unknown";
    input.managerNationality = nationality;
    input.managerRegion = region;
    input.managerReputation = "Unknown";
    input.managerIntuition = 10;
    return input;
}

// Generates `count` fighters; each new name is added to the taken names as
// the world would hold it (to `taken` when given, so runs can share them).
QVector<Made> generateMany(FighterGenerator::Input input, int count, QSet<QString> *taken = nullptr)
{
    QVector<Made> made;
    if (taken)
        input.takenNames = *taken;
    for (int i = 0; i < count; ++i) {
        Made one;
        FighterGenerator(input).generate().getData(one.texts, one.ints, one.birthday, one.history, one.titles);
        input.takenNames.insert(one.text(Fighter::FirstNameText) + " " + one.text(Fighter::LastNameText));
        made.append(one);
    }
    if (taken)
        *taken = input.takenNames;
    return made;
}

// The nation belongs to the region: by the nations file or the built-in list.
bool nationFitsRegion(const Made &fighter, const QVector<QStringList> &nations)
{
    const int region = GeneratorTables::regions().indexOf(fighter.text(Fighter::RegionText));
    if (region < 0)
        return false;
    const QString nation = fighter.text(Fighter::NationalityText);
    return nations.value(region).contains(nation) || GeneratorTables::builtInNationsOf(region).contains(nation);
}

} // namespace

class GeneratorFighterTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        GeneratorTestFiles::removeResources();
    }
    void cleanupTestCase()
    {
        GeneratorTestFiles::removeResources();
    }

    void cultureTable_data()
    {
        QTest::addColumn<int>("region");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("culture");
        QTest::addRow("North America absent") << 0 << -1 << "anglo";
        QTest::addRow("North America 8") << 0 << 8 << "hispanic";
        QTest::addRow("North America 6") << 0 << 6 << "french";
        QTest::addRow("North America other") << 0 << 7 << "british";
        QTest::addRow("South America absent") << 1 << -1 << "hispanic";
        QTest::addRow("South America 2") << 1 << 2 << "portuguese";
        QTest::addRow("Western Europe absent") << 2 << -1 << "germanic";
        QTest::addRow("Western Europe 18") << 2 << 18 << "germanic";
        QTest::addRow("Western Europe 17") << 2 << 17 << "scandinavian";
        QTest::addRow("Western Europe 14") << 2 << 14 << "portuguese";
        QTest::addRow("Western Europe other") << 2 << 3 << "british";
        QTest::addRow("Eastern Europe absent") << 3 << -1 << "eastern_european";
        QTest::addRow("Eastern Europe 15") << 3 << 15 << "balkan";
        QTest::addRow("Eastern Europe 13") << 3 << 13 << "russian";
        QTest::addRow("Africa absent") << 4 << -1 << "african";
        QTest::addRow("Africa 14") << 4 << 14 << "dutch";
        QTest::addRow("Africa 16") << 4 << 16 << "arab";
        QTest::addRow("Middle East absent") << 5 << -1 << "arab";
        QTest::addRow("Middle East 5") << 5 << 5 << "israeli";
        QTest::addRow("Middle East 7") << 5 << 7 << "russian";
        QTest::addRow("Middle East 14") << 5 << 14 << "turkic";
        QTest::addRow("East Asia absent") << 6 << -1 << "chinese";
        QTest::addRow("East Asia 2") << 6 << 2 << "japanese";
        QTest::addRow("East Asia 4") << 6 << 4 << "korean";
        QTest::addRow("Oceania absent") << 7 << -1 << "oceanic";
        QTest::addRow("Oceania 9") << 7 << 9 << "thai";
        QTest::addRow("Oceania 8") << 7 << 8 << "chinese";
        QTest::addRow("Oceania 7") << 7 << 7 << "hispanic";
        QTest::addRow("Oceania 6") << 7 << 6 << "anglo";
        QTest::addRow("no region") << -1 << 0 << "anglo";
        QTest::addRow("past the regions") << 8 << 2 << "anglo";
    }
    void cultureTable()
    {
        QFETCH(int, region);
        QFETCH(int, position);
        QFETCH(QString, culture);
        QCOMPARE(GeneratorTables::cultureFor(region, position), culture);
        QVERIFY(GeneratorTestFiles::cultures().contains(culture));
    }

    void builtInRegions_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("nation");
        QTest::addColumn<QString>("region");
        QTest::addRow("first") << 0 << "Canada" << "North America";
        QTest::addRow("Mexico") << 4 << "Mexico" << "South America";
        QTest::addRow("Sweden") << 15 << "Sweden" << "Western Europe";
        QTest::addRow("Croatia") << 16 << "Croatia" << "Eastern Europe";
        QTest::addRow("South Africa") << 22 << "South Africa" << "Africa";
        QTest::addRow("Emirates") << 27 << "United Arab Emirates" << "Middle East";
        QTest::addRow("South Korea") << 30 << "South Korea" << "East Asia";
        QTest::addRow("Thailand") << 33 << "Thailand" << "Oceania";
    }
    void builtInRegions()
    {
        QFETCH(int, position);
        QFETCH(QString, nation);
        QFETCH(QString, region);
        QCOMPARE(GeneratorTables::builtInNations().size(), 34);
        QCOMPARE(GeneratorTables::builtInNations().at(position), nation);
        QCOMPARE(GeneratorTables::regions().at(GeneratorTables::regionOfBuiltIn(position)), region);
    }

    void nationsFileForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVector<int>>("sizes");
        QByteArray whole;
        {
            GameDataStream out(&whole, QIODevice::WriteOnly);
            QStringList list;
            for (int region = 0; region < 8; ++region) {
                list.append("Nation");
                out << list;
            }
        }
        QTest::addRow("complete") << whole << QVector<int>{1, 2, 3, 4, 5, 6, 7, 8};
        // Cut inside the fourth list: the three before it stand. A list is its
        // count and then 16 bytes per "Nation".
        QTest::addRow("short") << whole.left(4 + 16 + 4 + 2 * 16 + 4 + 3 * 16 + 10)
                               << QVector<int>{1, 2, 3, 0, 0, 0, 0, 0};
        QByteArray huge;
        {
            GameDataStream out(&huge, QIODevice::WriteOnly);
            out << quint32(0xFFFFFFF0u) << QString("Nation");
        }
        QTest::addRow("huge count") << huge << QVector<int>(8, 0);
        QTest::addRow("empty") << QByteArray() << QVector<int>(8, 0);
    }
    void nationsFileForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QVector<int>, sizes);
        GeneratorTestFiles::writeRaw(ResourcePaths::nationsFile(), bytes);
        const QVector<QStringList> nations = OriginFiles::readNations(ResourcePaths::nationsFile());
        QVector<int> read;
        for (const QStringList &list : nations)
            read.append(list.size());
        QCOMPARE(read, sizes);
    }

    void damagedNationsFileKeepsWholeLists_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addRow("huge count") << QByteArray("\x7f\xff\xff\xff", 4);
        QTest::addRow("count past the end") << QByteArray("\x00\x00\x00\x03\x00\x00\x00\x02\x00\x41", 10);
        QTest::addRow("file ends") << QByteArray();
    }

    void damagedNationsFileKeepsWholeLists()
    {
        QFETCH(QByteArray, tail);
        QByteArray bytes;
        {
            GameDataStream out(&bytes, QIODevice::WriteOnly);
            out << QStringList({"Canada"}) << QStringList({"Brazil", "Peru"});
        }
        bytes += tail;
        GeneratorTestFiles::writeRaw("damaged_nations.dat", bytes);
        bool opened = false;
        const QVector<QStringList> lists = OriginFiles::readNations("damaged_nations.dat", &opened);
        QVERIFY(opened);
        QCOMPARE(lists.size(), 8);
        QCOMPARE(lists.at(0), QStringList({"Canada"}));
        QCOMPARE(lists.at(1), QStringList({"Brazil", "Peru"}));
        for (int i = 2; i < 8; ++i)
            QVERIFY(lists.at(i).isEmpty());
    }

    void professionalInvariants()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(20);
        DeterministicRandom random(100);
        const QVector<Made> made = generateMany(professional(1200), 150);
        for (const Made &one : made) {
            QCOMPARE(one.number(Fighter::IdIndex), 1201);
            QCOMPARE(one.number(Fighter::StandingIndex), 8000);
            QCOMPARE(one.ints.mid(0, 4), (QVector<int>{18, 0, 0, 0}));
            QCOMPARE(one.text(Fighter::OrganizationText), QString("Free Agent"));
            QCOMPARE(one.text(Fighter::ReputationText), QString("Unknown"));
            QCOMPARE(one.birthday.year(), GameDate.year() - 18);
            QVERIFY(one.birthday.day() >= 1 && one.birthday.day() <= 28);
            QVERIFY(one.history.isEmpty() && one.titles.isEmpty());
            QVERIFY(nationFitsRegion(one, GeneratorTestFiles::sampleNations()));
            QVERIFY(GeneratorTables::colours().contains(one.text(Fighter::ShortsColourText)));
            QVERIFY(GeneratorTables::colours().contains(one.text(Fighter::TrimColourText)));
            QVERIFY(GeneratorTables::hairColours().contains(one.text(Fighter::HairColourText)));
            QVERIFY(GeneratorTables::backgrounds().contains(one.text(Fighter::BackgroundText)));
            QVERIFY(GeneratorTables::styles().contains(one.text(Fighter::StyleText)));
            QCOMPARE(one.number(Fighter::ContractMatchesIndex), 0);
            QVERIFY(one.number(Fighter::BodyImageIndex) >= 1 && one.number(Fighter::BodyImageIndex) <= 21);
            QVERIFY(one.number(Fighter::HeadImageIndex) >= 1 && one.number(Fighter::HeadImageIndex) <= 7);
            QVERIFY(one.number(Fighter::FaceImageIndex) >= 1 && one.number(Fighter::FaceImageIndex) <= 4);
            for (int index : {Fighter::HeadDurabilityIndex, Fighter::BodyDurabilityIndex})
                QVERIFY(one.number(index) >= 7 && one.number(index) <= 99);
            // A professional sees every trait he has: 1, 3, 5 or 7 lines, all different.
            const QStringList lines = one.bioLines();
            if (one.hasTraits()) {
                QVERIFY(one.text(Fighter::BioText).startsWith("New Fighter\n"));
                QVERIFY(lines.size() % 2 == 1 && lines.size() <= 7);
                QCOMPARE(QSet<QString>(lines.begin(), lines.end()).size(), lines.size());
            }
            // Without traits every attribute is one draw of 0-10 over one base.
            if (!one.hasTraits()) {
                const QPair<int, int> range = one.attributeRange();
                QVERIFY(range.first >= 7 && range.second <= 83);
                QVERIFY(range.second - range.first <= 10);
            }
        }
    }

    void namesComeFromTheNationsCulture()
    {
        const QVector<QStringList> nations = GeneratorTestFiles::sampleNations();
        GeneratorTestFiles::writeNations(nations);
        GeneratorTestFiles::writeAllNames(20);
        DeterministicRandom random(7);
        QSet<QString> seen;
        for (const Made &one : generateMany(professional(), 300)) {
            const int region = GeneratorTables::regions().indexOf(one.text(Fighter::RegionText));
            const int position = nations.at(region).indexOf(one.text(Fighter::NationalityText));
            const QString culture = GeneratorTables::cultureFor(region, position);
            QCOMPARE(GeneratorTestFiles::cultureOfName(one.text(Fighter::FirstNameText)), culture);
            QCOMPARE(GeneratorTestFiles::cultureOfName(one.text(Fighter::LastNameText)), culture);
            if (one.text(Fighter::NationalityText) == "Thailand")
                QCOMPARE(culture, QString("thai"));
            seen.insert(culture);
        }
        QVERIFY2(seen.size() >= 12, "the draws should reach most cultures");
    }

    void noDuplicateFullNames()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(20);
        DeterministicRandom random(3);
        // 20 x 20 names per culture: the draws often repeat a name in use.
        QSet<QString> taken;
        generateMany(student("Canada", "North America"), 200, &taken);
        generateMany(professional(), 200, &taken);
        QCOMPARE(taken.size(), 400);
    }

    void usedUpNamesEndTheSearch()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        for (const QString &culture : GeneratorTestFiles::cultures())
            GeneratorTestFiles::writeNames(culture, {"Ann", "Bo"}, {"Cole", "Dent"});
        DeterministicRandom random(11);
        FighterGenerator::Input input = professional();
        input.takenNames = {"Ann Cole", "Ann Dent", "Bo Cole"};
        Fighter fresh = FighterGenerator(input).generate();
        QCOMPARE(fresh.getFullName(), QString("Bo Dent"));

        // Every combination is taken: the search still ends with a name.
        input.takenNames.insert("Bo Dent");
        Fighter last = FighterGenerator(input).generate();
        QVERIFY(input.takenNames.contains(last.getFullName()));
    }

    void missingFilesFallBack_data()
    {
        QTest::addColumn<bool>("withFolder");
        QTest::addRow("no resources") << false;
        QTest::addRow("empty defaults folder") << true;
    }
    void missingFilesFallBack()
    {
        QFETCH(bool, withFolder);
        if (withFolder)
            QVERIFY(QDir().mkpath("./Resources/Defaults"));
        DeterministicRandom random(21);
        // The manager's region is none of the eight and his nation is none of
        // the built-in ones: his students draw from the first list.
        FighterGenerator::Input stranger = student("Atlantis", "Nowhere");
        const QVector<Made> made = generateMany(professional(), 150) + generateMany(student(), 150)
            + generateMany(stranger, 100);
        for (const Made &one : made) {
            QCOMPARE(one.text(Fighter::FirstNameText), QString("N/A"));
            QCOMPARE(one.text(Fighter::LastNameText), QString("N/A"));
            const QString nation = one.text(Fighter::NationalityText);
            QVERIFY2(GeneratorTables::builtInNations().contains(nation), qPrintable(nation));
            if (one.text(Fighter::RegionText) != "Nowhere")
                QVERIFY(nationFitsRegion(one, QVector<QStringList>()));
        }
        QCOMPARE(GeneratorTestFiles::resourcesExist(), withFolder);
        QVERIFY(QDir("./Resources/Defaults").entryList(QDir::Files).isEmpty());
    }

    void studentLooksLikeTheGym()
    {
        GeneratorTestFiles::writeNations(GeneratorTestFiles::sampleNations());
        GeneratorTestFiles::writeAllNames(20);
        DeterministicRandom random(33);
        const QVector<Made> made = generateMany(student(), 200);
        int managersNation = 0;
        int gymBackground = 0;
        for (const Made &one : made) {
            QCOMPARE(one.number(Fighter::IdIndex), FighterGenerator::StudentId);
            QCOMPARE(one.number(Fighter::StandingIndex), 8000);
            QCOMPARE(one.number(Fighter::AgeIndex), 18);
            QCOMPARE(one.text(Fighter::OrganizationText), QString("Free Agent"));
            QCOMPARE(one.text(Fighter::ShortsColourText), QString("Teal"));
            QCOMPARE(one.text(Fighter::TrimColourText), QString("Gold"));
            QVERIFY(nationFitsRegion(one, GeneratorTestFiles::sampleNations()));
            managersNation += one.text(Fighter::NationalityText) == "Japan";
            gymBackground += one.text(Fighter::BackgroundText) == "Muay Thai";
        }
        // 23 in 30 take the manager's nation; 19 in 25 the gym's background.
        QVERIFY2(managersNation > 120, qPrintable(QString::number(managersNation)));
        QVERIFY2(gymBackground > 120, qPrintable(QString::number(gymBackground)));
    }

    void foreignGymStyleGetsABackground()
    {
        DeterministicRandom random(41);
        FighterGenerator::Input input = student();
        input.gymStyle = "Judo";
        for (const Made &one : generateMany(input, 150)) {
            QVERIFY(GeneratorTables::backgrounds().contains(one.text(Fighter::BackgroundText)));
            QVERIFY(GeneratorTables::styles().contains(one.text(Fighter::StyleText)));
        }
    }

    void qualityOfAStudent_data()
    {
        QTest::addColumn<QString>("prestige");
        QTest::addColumn<QString>("reputation");
        QTest::addColumn<int>("quality");
        QTest::addRow("both unknown") << "Unknown" << "Unknown" << 0;
        QTest::addRow("local") << "Local Hangout" << "Inexperienced" << 2;
        QTest::addRow("top") << "Legendary" << "Elite" << 17;
        QTest::addRow("labels off the scales") << "Famous" << "Famous" << -2;
    }
    void qualityOfAStudent()
    {
        QFETCH(QString, prestige);
        QFETCH(QString, reputation);
        QFETCH(int, quality);
        DeterministicRandom random(quality + 50);
        FighterGenerator::Input input = student();
        input.gymPrestige = prestige;
        input.managerReputation = reputation;
        int untraited = 0;
        for (const Made &one : generateMany(input, 120)) {
            if (one.hasTraits())
                continue;
            ++untraited;
            // Base 3q + talent (0 to 12), plus a draw of 0 to 10 each.
            const QPair<int, int> range = one.attributeRange();
            QVERIFY(range.first >= 3 * quality && range.second <= 3 * quality + 22);
            QVERIFY(range.second - range.first <= 10);
        }
        QVERIFY(untraited > 20);
    }

    void insightDecidesTheBio_data()
    {
        QTest::addColumn<int>("intuition");
        QTest::addColumn<QStringList>("allowed");
        QTest::addRow("none") << 0 << QStringList();
        QTest::addRow("one") << 1 << QStringList{"Natural Athlete", "Poor Athlete", "Tough", "Wimp"};
        QStringList belowTen;
        for (const GeneratorTables::Trait &trait : GeneratorTables::traits()) {
            if (trait.revealAbove < 9)
                belowTen.append(trait.name);
        }
        QTest::addRow("nine") << 9 << belowTen;
    }
    void insightDecidesTheBio()
    {
        QFETCH(int, intuition);
        QFETCH(QStringList, allowed);
        DeterministicRandom random(intuition + 70);
        FighterGenerator::Input input = student();
        input.managerIntuition = intuition;
        int revealed = 0;
        for (const Made &one : generateMany(input, 120)) {
            const QString bio = one.text(Fighter::BioText);
            QVERIFY(bio == "New Fighter" || bio.startsWith("New Fighter\n"));
            for (const QString &line : one.bioLines())
                QVERIFY2(allowed.contains(line), qPrintable(line));
            revealed += one.bioLines().size();
        }
        QCOMPARE(revealed > 0, intuition > 0);
    }

private:
    static FighterGenerator::Input input(bool student)
    {
        FighterGenerator::Input in;
        in.student = student;
        in.lastFighterId = 1058;
        in.date = QDate(2012, 3, 4);
        in.gymStyle = "Boxing";
        in.gymPrestige = "Unknown";
        // Neither built in nor a region: his students draw from the file.
        in.managerNationality = "Atlantis";
        in.managerRegion = "Africa";
        in.managerReputation = "Unknown";
        return in;
    }

private slots:
    // Conformance checks of the fighter generator's draws.

    // A nation is drawn from a region's list up to 21 times, stopping at an
    // entry that names a region: with one nation and one region name in
    // every list, the region name all but always wins.
    void regionNameEndsTheNationDraws_data()
    {
        QTest::addColumn<bool>("student");
        QTest::addRow("students") << true;
        QTest::addRow("professionals") << false;
    }
    void regionNameEndsTheNationDraws()
    {
        QFETCH(bool, student);
        GeneratorTestFiles::removeResources();
        QVector<QStringList> lists;
        for (const QString &region : GeneratorTables::regions())
            lists.append({"Nowhere", region});
        GeneratorTestFiles::writeNations(lists);
        GeneratorTestFiles::writeAllNames(30);

        DeterministicRandom random(student ? 5 : 9);
        int fromFile = 0;
        for (int i = 0; i < 120; ++i) {
            const Fighter fighter = FighterGenerator(input(student)).generate();
            QStringList texts;
            fighter.getStrings(texts);
            const QString nation = texts.at(Fighter::NationalityText);
            QVERIFY2(nation != "Nowhere", qPrintable(QString::number(i)));
            fromFile += GeneratorTables::regions().contains(nation);
        }
        // Students all draw from the file; professionals in 7 of 30 cases.
        QVERIFY2(fromFile >= (student ? 120 : 10), qPrintable(QString::number(fromFile)));
    }

};

QTEST_GUILESS_MAIN(GeneratorFighterTest)
#include "tst_generator_fighter.moc"
