#include "FlagTable.h"

#include <QHash>

namespace FlagTable {

namespace {

// England and Northern Ireland are not in the package; the writer draws
// them, so they are absent here on purpose.
const QHash<QString, QString> &codes()
{
    static const QHash<QString, QString> table = {
        // North America
        {"Canada", "ca"}, {"United States", "us"}, {"Cuba", "cu"}, {"Dominican Republic", "do"},
        {"Nicaragua", "ni"}, {"Jamaica", "jm"}, {"Haiti", "ht"}, {"Bahamas", "bs"},
        {"Panama", "pa"}, {"Barbados", "bb"}, {"Trinidad and Tobago", "tt"}, {"Belize", "bz"},
        // South America
        {"Argentina", "ar"}, {"Bolivia", "bo"}, {"Brazil", "br"}, {"Chile", "cl"},
        {"Colombia", "co"}, {"Ecuador", "ec"}, {"Mexico", "mx"}, {"Paraguay", "py"},
        {"Peru", "pe"}, {"Uruguay", "uy"}, {"Venezuela", "ve"},
        // Western Europe
        {"Austria", "at"}, {"Belgium", "be"}, {"Denmark", "dk"}, {"Finland", "fi"},
        {"France", "fr"}, {"Germany", "de"}, {"Greece", "gr"}, {"Iceland", "is"},
        {"Ireland", "ie"}, {"Italy", "it"}, {"Netherlands", "nl"}, {"Norway", "no"},
        {"Portugal", "pt"}, {"Scotland", "_scotland"}, {"Spain", "es"}, {"Sweden", "se"},
        {"Switzerland", "ch"}, {"Wales", "_wales"},
        // Eastern Europe
        {"Bulgaria", "bg"}, {"Czech Republic", "cz"}, {"Russia", "ru"}, {"Estonia", "ee"},
        {"Croatia", "hr"}, {"Hungary", "hu"}, {"Latvia", "lv"}, {"Lithuania", "lt"},
        {"Moldova", "md"}, {"North Macedonia", "mk"}, {"Poland", "pl"}, {"Romania", "ro"},
        {"Slovakia", "sk"}, {"Ukraine", "ua"}, {"Serbia", "rs"}, {"Bosnia and Herzegovina", "ba"},
        {"Montenegro", "me"}, {"Belarus", "by"},
        // Africa
        {"Algeria", "dz"}, {"Angola", "ao"}, {"Botswana", "bw"}, {"Cameroon", "cm"},
        {"Ethiopia", "et"}, {"Ghana", "gh"}, {"Ivory Coast", "ci"}, {"Kenya", "ke"},
        {"Libya", "ly"}, {"Mali", "ml"}, {"Morocco", "ma"}, {"Namibia", "na"},
        {"Nigeria", "ng"}, {"Senegal", "sn"}, {"South Africa", "za"}, {"Tanzania", "tz"},
        {"Tunisia", "tn"}, {"Uganda", "ug"}, {"Zambia", "zm"}, {"Zimbabwe", "zw"},
        // Middle East
        {"Afghanistan", "af"}, {"Bahrain", "bh"}, {"Egypt", "eg"}, {"Iran", "ir"},
        {"Iraq", "iq"}, {"Israel", "il"}, {"Jordan", "jo"}, {"Kazakhstan", "kz"},
        {"Kuwait", "kw"}, {"Lebanon", "lb"}, {"Oman", "om"}, {"Qatar", "qa"},
        {"Saudi Arabia", "sa"}, {"Turkey", "tr"}, {"Turkmenistan", "tm"},
        {"United Arab Emirates", "ae"}, {"Uzbekistan", "uz"}, {"Yemen", "ye"},
        // East Asia
        {"China", "cn"}, {"Taiwan", "tw"}, {"Japan", "jp"}, {"Mongolia", "mn"},
        {"North Korea", "kp"}, {"South Korea", "kr"},
        // Oceania
        {"Australia", "au"}, {"Fiji", "fj"}, {"Papua New Guinea", "pg"}, {"Samoa", "ws"},
        {"Solomon Islands", "sb"}, {"Tonga", "to"}, {"New Zealand", "nz"},
        {"Philippines", "ph"}, {"Singapore", "sg"}, {"Thailand", "th"}, {"Vanuatu", "vu"},
    };
    return table;
}

} // namespace

QString packageFlag(const QString &nation)
{
    return codes().value(nation);
}

} // namespace FlagTable
