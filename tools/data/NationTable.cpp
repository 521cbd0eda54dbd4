#include "NationTable.h"

namespace NationTable {

namespace {

QVector<QVector<Nation>> buildRegions()
{
    return {
        // North America
        { {"Canada", "anglo"}, {"United States", "anglo"}, {"Cuba", "hispanic"},
          {"Dominican Republic", "hispanic"}, {"Nicaragua", "hispanic"}, {"Jamaica", "anglo"},
          {"Haiti", "french"}, {"Bahamas", "british"}, {"Panama", "hispanic"},
          {"Barbados", "british"}, {"Trinidad and Tobago", "british"}, {"Belize", "anglo"} },
        // South America
        { {"Argentina", "hispanic"}, {"Bolivia", "hispanic"}, {"Brazil", "portuguese"},
          {"Chile", "hispanic"}, {"Colombia", "hispanic"}, {"Ecuador", "hispanic"},
          {"Mexico", "hispanic"}, {"Paraguay", "hispanic"}, {"Peru", "hispanic"},
          {"Uruguay", "hispanic"}, {"Venezuela", "hispanic"} },
        // Western Europe
        { {"Austria", "germanic"}, {"Belgium", "germanic"}, {"Denmark", "scandinavian"},
          {"England", "british"}, {"Finland", "scandinavian"}, {"France", "french"},
          {"Germany", "germanic"}, {"Greece", "greek"}, {"Iceland", "scandinavian"},
          {"Ireland", "british"}, {"Italy", "italian"}, {"Netherlands", "dutch"},
          {"Northern Ireland", "british"}, {"Norway", "scandinavian"}, {"Portugal", "portuguese"},
          {"Scotland", "british"}, {"Spain", "hispanic"}, {"Sweden", "scandinavian"},
          {"Switzerland", "germanic"}, {"Wales", "british"} },
        // Eastern Europe
        { {"Bulgaria", "eastern_european"}, {"Czech Republic", "eastern_european"},
          {"Russia", "russian"}, {"Estonia", "eastern_european"}, {"Croatia", "balkan"},
          {"Hungary", "eastern_european"}, {"Latvia", "eastern_european"},
          {"Lithuania", "eastern_european"}, {"Moldova", "eastern_european"},
          {"North Macedonia", "eastern_european"}, {"Poland", "eastern_european"},
          {"Romania", "eastern_european"}, {"Slovakia", "eastern_european"},
          {"Ukraine", "russian"}, {"Serbia", "balkan"}, {"Bosnia and Herzegovina", "balkan"},
          {"Montenegro", "balkan"}, {"Belarus", "russian"} },
        // Africa
        { {"Algeria", "arab"}, {"Angola", "african"}, {"Botswana", "african"},
          {"Cameroon", "african"}, {"Ethiopia", "african"}, {"Ghana", "african"},
          {"Ivory Coast", "french"}, {"Kenya", "african"}, {"Libya", "arab"},
          {"Mali", "african"}, {"Morocco", "arab"}, {"Namibia", "african"},
          {"Nigeria", "african"}, {"Senegal", "african"}, {"South Africa", "dutch"},
          {"Tanzania", "african"}, {"Tunisia", "arab"}, {"Uganda", "african"},
          {"Zambia", "african"}, {"Zimbabwe", "african"} },
        // Middle East
        { {"Afghanistan", "arab"}, {"Bahrain", "arab"}, {"Egypt", "arab"}, {"Iran", "arab"},
          {"Iraq", "arab"}, {"Israel", "israeli"}, {"Jordan", "arab"},
          {"Kazakhstan", "russian"}, {"Kuwait", "arab"}, {"Lebanon", "arab"},
          {"Oman", "arab"}, {"Qatar", "arab"}, {"Saudi Arabia", "arab"},
          {"Turkey", "turkic"}, {"Turkmenistan", "turkic"}, {"United Arab Emirates", "arab"},
          {"Uzbekistan", "turkic"}, {"Yemen", "arab"} },
        // East Asia
        { {"China", "chinese"}, {"Taiwan", "chinese"}, {"Japan", "japanese"},
          {"Mongolia", "chinese"}, {"North Korea", "korean"}, {"South Korea", "korean"} },
        // Oceania
        { {"Australia", "anglo"}, {"Fiji", "oceanic"}, {"Papua New Guinea", "oceanic"},
          {"Samoa", "oceanic"}, {"Solomon Islands", "oceanic"}, {"Tonga", "oceanic"},
          {"New Zealand", "anglo"}, {"Philippines", "hispanic"}, {"Singapore", "chinese"},
          {"Thailand", "thai"}, {"Vanuatu", "oceanic"} },
    };
}

} // namespace

QStringList regionNames()
{
    return {"North America", "South America", "Western Europe", "Eastern Europe",
            "Africa", "Middle East", "East Asia", "Oceania"};
}

const QVector<QVector<Nation>> &regions()
{
    static const QVector<QVector<Nation>> table = buildRegions();
    return table;
}

QStringList nationsOf(int region)
{
    QStringList names;
    if (region < 0 || region >= regions().size())
        return names;
    for (const Nation &nation : regions().at(region))
        names.append(nation.name);
    return names;
}

} // namespace NationTable
