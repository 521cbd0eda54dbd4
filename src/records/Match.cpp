#include "Match.h"

#include "GameDataStream.h"

#include <string>

namespace {

// The open side's name with its length known when compiling: a name is
// compared with it as it is, not with a text converted from it each time.
constexpr QLatin1String OpenSide(Match::OpenName, int(std::char_traits<char>::length(Match::OpenName)));

} // namespace

Match::Match()
    : fighterA(OpenName), fighterB(OpenName), type(MatchType::Single), result(OpenName),
      idA(0), idB(0), playerMatch(false)
{
}

void Match::getTexts(QStringList &out) const
{
    out << fighterA << fighterB << type << result;
}

void Match::getData(QStringList &texts, int &idAOut, int &idBOut, bool &flag) const
{
    getTexts(texts);
    idAOut = idA;
    idBOut = idB;
    flag = playerMatch;
}

bool Match::setData(const QStringList &texts, int idAIn, int idBIn, bool flag)
{
    if (texts.size() < TextCount)
        return false;
    fighterA = texts.at(FighterAText);
    fighterB = texts.at(FighterBText);
    type = texts.at(TypeText);
    result = texts.at(ResultText);
    idA = idAIn;
    idB = idBIn;
    playerMatch = flag;
    return true;
}

bool Match::isFilled() const
{
    return fighterA != OpenSide && fighterB != OpenSide;
}

bool Match::addFighter(int id, const QString &name, bool playerFlag)
{
    if (playerFlag && playerMatch)
        return false;
    if (fighterA == OpenSide) {
        idA = id;
        fighterA = name;
    } else if (fighterB == OpenSide) {
        idB = id;
        fighterB = name;
    } else {
        return false;
    }
    if (playerFlag)
        playerMatch = true;
    return true;
}

void Match::withdraw(int id, bool clearPlayer)
{
    if (idA == id) {
        idA = 0;
        fighterA = OpenName;
    } else if (idB == id) {
        idB = 0;
        fighterB = OpenName;
    }
    if (clearPlayer)
        playerMatch = false;
}

void Match::reset()
{
    fighterA = OpenName;
    fighterB = OpenName;
    result = OpenName;
    idA = 0;
    idB = 0;
    playerMatch = false;
}

bool Match::operator==(const Match &other) const
{
    return fighterA == other.fighterA && fighterB == other.fighterB && type == other.type
        && result == other.result && idA == other.idA && idB == other.idB
        && playerMatch == other.playerMatch;
}

QDataStream &operator<<(QDataStream &out, const Match &match)
{
    QStringList texts;
    int idA = 0;
    int idB = 0;
    bool flag = false;
    match.getData(texts, idA, idB, flag);
    return out << texts << qint32(idA) << qint32(idB) << flag;
}

QDataStream &operator>>(QDataStream &in, Match &match)
{
    QStringList texts;
    qint32 idA = 0;
    qint32 idB = 0;
    bool flag = false;
    StreamRead::readList(in, texts, 4);
    in >> idA >> idB >> flag;
    if (StreamRead::ok(in) && !match.setData(texts, idA, idB, flag))
        StreamRead::markCorrupt(in);
    return in;
}
