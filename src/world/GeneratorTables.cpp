#include "GeneratorTables.h"

#include "ResourcePaths.h"

namespace GeneratorTables {

namespace {

// Built-in nations, grouped by region in region order; each region's
// nations take the next positions of the whole list.
const QVector<QStringList> &builtInRegions()
{
    static const QVector<QStringList> table = {
        {"Canada", "United States"},
        {"Argentina", "Brazil", "Mexico"},
        {"Denmark", "England", "Finland", "France", "Germany", "Greece", "Italy",
         "Netherlands", "Norway", "Spain", "Sweden"},
        {"Croatia", "Russia", "Serbia"},
        {"Cameroon", "Ghana", "Ivory Coast", "South Africa"},
        {"Egypt", "Israel", "Turkey", "Saudi Arabia", "United Arab Emirates"},
        {"China", "Japan", "South Korea"},
        {"Australia", "New Zealand", "Thailand"},
    };
    return table;
}

// One region's culture table: the culture of the listed positions, of a
// nation the list does not hold, and of every other position.
struct CultureRule { const char *culture; QVector<int> positions; };
struct RegionCultures
{
    const char *absent;
    const char *other;
    QVector<CultureRule> rules;
};

const QVector<RegionCultures> &cultureTable()
{
    static const QVector<RegionCultures> table = {
        // North America
        {"anglo", "british", {{"anglo", {0, 1, 5, 11}}, {"hispanic", {2, 3, 4, 8}}, {"french", {6}}}},
        // South America
        {"hispanic", "hispanic", {{"portuguese", {2}}}},
        // Western Europe
        {"germanic", "british",
         {{"germanic", {0, 1, 6, 18}}, {"french", {5}}, {"greek", {7}},
          {"scandinavian", {2, 4, 8, 13, 17}}, {"italian", {10}}, {"dutch", {11}},
          {"portuguese", {14}}, {"hispanic", {16}}}},
        // Eastern Europe
        {"eastern_european", "eastern_european", {{"balkan", {4, 14, 15, 16}}, {"russian", {2, 13, 17}}}},
        // Africa
        {"african", "african", {{"dutch", {14}}, {"french", {6}}, {"arab", {0, 8, 10, 16}}}},
        // Middle East
        {"arab", "arab", {{"israeli", {5}}, {"turkic", {13, 14, 16}}, {"russian", {7}}}},
        // East Asia
        {"chinese", "chinese", {{"japanese", {2}}, {"korean", {4, 5}}}},
        // Oceania
        {"oceanic", "oceanic",
         {{"anglo", {0, 6}}, {"thai", {9}}, {"chinese", {8}}, {"hispanic", {7}}}},
    };
    return table;
}

// Strike n owns attributes 3n, 3n + 1 and 3n + 2; `part` picks one of them.
QVector<int> strikeAttributes(int part)
{
    QVector<int> list;
    for (int strike = 0; strike < 12; ++strike)
        list.append(3 * strike + part);
    return list;
}

// The seven defences own the pairs 36-37 up to 48-49.
QVector<int> defenceAttributes(int part)
{
    QVector<int> list;
    for (int defence = 0; defence < 7; ++defence)
        list.append(36 + 2 * defence + part);
    return list;
}

QVector<AttributeChange> moved(const QVector<int> &attributes, int direction)
{
    QVector<AttributeChange> changes;
    for (int attribute : attributes)
        changes.append({attribute, direction});
    return changes;
}

// A good trait and its opposite move the same attributes.
void addPair(QVector<Trait> &list, const QString &good, const QString &bad,
             const QVector<int> &attributes, int revealAbove)
{
    list.append({good, moved(attributes, +1), revealAbove});
    list.append({bad, moved(attributes, -1), revealAbove});
}

QVector<Trait> buildTraits()
{
    QVector<Trait> list;
    addPair(list, "Hard Hitter", "Weak Hitter", strikeAttributes(2), 2);
    addPair(list, "Fast Attack", "Slow Attack", strikeAttributes(0), 1);
    addPair(list, "Fast Defense", "Slow Defense", defenceAttributes(0), 3);
    list.append({"Natural Attacker", moved({66, 76, 77, 79}, +1), 7});
    list.append({"Natural Defender", {{72, +1}, {75, +1}, {77, -1}, {78, +1}}, 7});
    addPair(list, "Excellent Attack Technique", "Poor Attack Technique", strikeAttributes(1), 5);
    addPair(list, "Excellent Defense Technique", "Poor Defense Technique", defenceAttributes(1), 6);
    addPair(list, "Natural Athlete", "Poor Athlete", {54, 55, 59, 60}, 0);
    addPair(list, "Tough", "Wimp", {52, 53, 56, 73}, 0);
    addPair(list, "Fast Reflexes", "Slow Reflexes", {61, 62, 63, 64}, 2);
    addPair(list, "Ring General", "Easily Rattled", {73, 80, 81, 82}, 9);
    return list;
}

} // namespace

const QStringList &regions()
{
    static const QStringList list = {"North America", "South America", "Western Europe",
                                     "Eastern Europe", "Africa", "Middle East", "East Asia",
                                     "Oceania"};
    return list;
}

const QStringList &builtInNations()
{
    static const QStringList list = [] {
        QStringList all;
        for (const QStringList &region : builtInRegions())
            all += region;
        return all;
    }();
    return list;
}

int regionOfBuiltIn(int position)
{
    const QVector<QStringList> &table = builtInRegions();
    int end = 0;
    for (int region = 0; region < table.size(); ++region) {
        end += table.at(region).size();
        if (position < end)
            return region;
    }
    // Everything past the table's end counts as the last region.
    return table.size() - 1;
}

QStringList builtInNationsOf(int region)
{
    if (region < 0 || region >= builtInRegions().size())
        return QStringList();
    return builtInRegions().at(region);
}

QString cultureFor(int region, int nationPosition)
{
    if (region < 0 || region >= cultureTable().size())
        return "anglo";
    const RegionCultures &cultures = cultureTable().at(region);
    if (nationPosition < 0)
        return cultures.absent;
    for (const CultureRule &rule : cultures.rules) {
        if (rule.positions.contains(nationPosition))
            return rule.culture;
    }
    return cultures.other;
}

QString nameFileOf(const QString &culture)
{
    return ResourcePaths::namesFile(culture);
}

const QStringList &backgrounds()
{
    static const QStringList list = {"Kickboxing", "Shootboxing", "Muay Thai", "Boxing",
                                     "Taekwondo", "MMA", "Karate"};
    return list;
}

const QStringList &styles()
{
    static const QStringList list = {"Outfighter", "Infighter", "Clincher", "Puncher",
                                     "Kicker", "Brawler", "Tactician"};
    return list;
}

const QStringList &colours()
{
    static const QStringList list = {"Black", "Blue", "Dark Blue", "Dark Green", "Dark Red",
                                     "Gold", "Green", "Light Yellow", "Purple", "Red",
                                     "Silver", "Teal", "White", "Yellow"};
    return list;
}

const QStringList &hairColours()
{
    static const QStringList list = {"Black", "Blond", "Brown", "Red"};
    return list;
}

const QVector<Trait> &traits()
{
    static const QVector<Trait> list = buildTraits();
    return list;
}

} // namespace GeneratorTables
