#include "OrganizationTable.h"

#include "records/ReputationLadder.h"

namespace OrganizationTable {

namespace {

QVector<Organization> buildOrganizations()
{
    return {
        {"G1", "G-1", "Hideaki Moriyama", "Japan", "Kaminari Dome, Tokyo", "Elite",
         "The grandest stage in stand-up fighting. G-1 fills domes across Japan and its "
         "champions are household names the world over.",
         {"Tokyo", "Osaka", "Yokohama", "Nagoya", "Saitama", "Fukuoka"}, 45, false},
        {"Genesis", "Genesis", "Pieter van der Brink", "Netherlands", "Genesis Hall, Amsterdam",
         "Elite",
         "Born in the gyms of Amsterdam, Genesis built its name on hard sparring and harder "
         "fights. Its roster is a who's who of heavy hitters.",
         {"Amsterdam", "Rotterdam", "Eindhoven", "Utrecht", "The Hague"}, 43, false},
        {"KingsStadium", "King's Stadium", "Somchai Rattanakorn", "Thailand",
         "King's Stadium, Bangkok", "Elite",
         "The oldest stadium in Bangkok still hosts the finest nak muay of every generation. "
         "A win here opens every door in the sport.",
         {"Bangkok", "Chiang Mai", "Pattaya", "Phuket"}, 42, false},
        {"GKO", "GKO", "Klaus Hartmann", "Germany", "Rheinhalle, Dusseldorf", "World Class",
         "German precision on the fight card: GKO runs a tight ship, pays on time and "
         "matches its fighters with care.",
         {"Dusseldorf", "Berlin", "Hamburg", "Munich", "Cologne", "Frankfurt"}, 40, false},
        {"EPIC", "EPIC", "Marcus Delaney", "United States", "Silver Mesa Arena, Las Vegas",
         "World Class",
         "Bright lights and big purses. EPIC brings stand-up fighting to prime time across "
         "America and never shies away from a grudge match.",
         {"Las Vegas", "Los Angeles", "New York", "Chicago", "Miami", "Houston"}, 38, false},
        {"Ironheart", "Ironheart FC", "Grant McAllister", "Canada",
         "Ironworks Pavilion, Hamilton", "World Class",
         "Ironheart FC grew from a steel town fight club into a coast-to-coast promotion. "
         "Its fans love a fighter who never takes a backward step.",
         {"Hamilton", "Toronto", "Montreal", "Vancouver", "Calgary"}, 36, true},
        {"RedStorm", "Red Storm Global", "Dmitri Volkov", "Russia", "Krasnaya Arena, Moscow",
         "International",
         "Red Storm Global tours the continent with a roster forged in the harsh winters of "
         "its homeland. Its fighters are known for their endurance.",
         {"Moscow", "Saint Petersburg", "Kazan", "Yekaterinburg", "Novosibirsk"}, 35, false},
        {"Albion", "Albion FC", "Nigel Ashworth", "England", "Thameside Arena, London",
         "International",
         "Albion FC carries the long tradition of British boxing halls into the modern "
         "stand-up game. Its crowds are loud and knowledgeable.",
         {"London", "Manchester", "Birmingham", "Liverpool", "Leeds", "Newcastle"}, 34, false},
        {"Dubai", "Dubai FC", "Khalid Al Mansouri", "United Arab Emirates",
         "Pearl Coast Arena, Dubai", "International",
         "Dubai FC spends freely to bring the world's fighters to the Gulf. A young promotion "
         "with old money and big ambitions.",
         {"Dubai", "Abu Dhabi", "Sharjah"}, 33, false},
        {"SantaMaria", "Santa Maria FC", "Alejandro Fuentes", "Mexico",
         "Arena Santa Maria, Mexico City", "International",
         "Santa Maria FC puts on the loudest nights in Mexico City. Its cards are packed with "
         "brawlers who trade until one of them falls.",
         {"Mexico City", "Guadalajara", "Monterrey", "Tijuana", "Puebla"}, 32, false},
        {"Valhalla", "Valhalla", "Erik Haugland", "Norway", "Nordlys Hall, Oslo", "National",
         "Valhalla brings Scandinavian fighters under one banner. It is a proving ground for "
         "the north's rising talent.",
         {"Oslo", "Bergen", "Trondheim", "Stavanger"}, 30, false},
        {"TieLong", "Tie Long", "Wei Zhenguo", "China", "Iron Dragon Arena, Shanghai",
         "National",
         "Tie Long, the Iron Dragon, draws on the country's martial traditions and a fast "
         "growing audience. Its best prospects are watched closely abroad.",
         {"Shanghai", "Beijing", "Guangzhou", "Shenzhen", "Chengdu"}, 29, false},
        {"PomwareeStadium", "Pomwaree Stadium", "Prasert Chaiyaporn", "Thailand",
         "Pomwaree Stadium, Bangkok", "National",
         "A working stadium where young nak muay earn their first purses. The gamblers "
         "ringside know every fighter's form by heart.",
         {"Bangkok", "Hat Yai", "Khon Kaen", "Nakhon Ratchasima"}, 28, false},
        {"KingsOfRio", "Kings Of Rio", "Rodrigo Albuquerque", "Brazil",
         "Ginasio Copacabana, Rio de Janeiro", "National",
         "Kings Of Rio stages its fights a stone's throw from the beach. Its fighters are "
         "aggressive, colourful and always ready to entertain.",
         {"Rio de Janeiro", "Sao Paulo", "Belo Horizonte", "Salvador", "Curitiba"}, 27, false},
        {"DaichiSenshu", "Daichi Senshu", "Kenji Tanabe", "Japan", "Daichi Budokan, Sapporo",
         "Regional",
         "A small northern promotion with a loyal following. Daichi Senshu gives young "
         "fighters from the provinces their first taste of the ring.",
         {"Sapporo", "Sendai", "Hiroshima", "Kobe", "Kyoto"}, 25, false},
        {"Centurion", "Centurion", "Lorenzo Bellandi", "Italy", "Arena Centurione, Rome",
         "Regional",
         "Centurion holds its fights in old halls across Italy. The purses are modest, the "
         "passion is not.",
         {"Rome", "Milan", "Naples", "Turin", "Florence"}, 23, false},
        {"NorthStar", "North Star", "Dale Kowalski", "United States",
         "Polar Bank Center, Minneapolis", "Regional",
         "North Star runs club shows through the Great Lakes towns. Plenty of local heroes "
         "got their start on its cards.",
         {"Minneapolis", "Detroit", "Milwaukee", "Cleveland", "Pittsburgh"}, 22, true},
        {"IvoryThrone", "Ivory Throne", "Amadou Kone", "Ivory Coast",
         "Palais de l'Ivoire, Abidjan", "Regional",
         "The Ivory Throne is West Africa's home of stand-up fighting. It is small today, "
         "but its champions dream of the world's biggest stages.",
         {"Abidjan", "Bouake", "Yamoussoukro", "San-Pedro"}, 20, false},
    };
}

QVector<TierPlan> buildTierPlans()
{
    typedef ReputationLadder L;
    return {
        {"Elite", 48, 9, 6, 4, true, L::WorldClass, L::Contender},
        {"World Class", 42, 8, 5, 5, true, L::InternationalSuperstar, L::RespectableOpponent},
        {"International", 36, 7, 5, 6, true, L::ChampionshipCaliber, L::NationallyRanked},
        {"National", 30, 6, 4, 6, false, L::RespectableOpponent, L::LocalFighter},
        {"Regional", 24, 5, 3, 6, false, L::NationallyRanked, L::Unknown},
    };
}

} // namespace

const QVector<Organization> &organizations()
{
    static const QVector<Organization> table = buildOrganizations();
    return table;
}

const QVector<TierPlan> &tierPlans()
{
    static const QVector<TierPlan> table = buildTierPlans();
    return table;
}

const TierPlan &planOf(const QString &tier)
{
    for (const TierPlan &plan : tierPlans()) {
        if (plan.tier == tier)
            return plan;
    }
    return tierPlans().constLast();
}

} // namespace OrganizationTable
