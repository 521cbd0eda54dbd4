#include "Fighter.h"

#include "FightRecordLine.h"
#include "GameDataStream.h"
#include "GameRandom.h"
#include "PlayableBounds.h"
#include "ReputationLadder.h"
#include "TextDate.h"

#include <algorithm>
#include <climits>

namespace {

const QString untilMark = QStringLiteral("until");

// The yearly change of every attribute, by the age before the birthday:
// sign x (roll(range) + base). A bracket applies from its first age up to
// the next bracket's first age.
struct AgeBracket {
    int fromAge;
    int range;
    int base;
    int sign;
};
const AgeBracket ageBrackets[] = {
    { 37, 3, 0, -1 },
    { 35, 2, 0, -1 },
    { 30, 1, 0, +1 },
    { 24, 2, 0, +1 },
    { 22, 3, 0, +1 },
    { 18, 3, 1, +1 },
    { INT_MIN, 1, 0, +1 },
};

// The attributes age in runs; the generator is reseeded between two runs.
const int lastAttributeOfRun[] = { 5, 11, 17, 23, 29, 35, 39, 43, 47, 51, 55, 60, 64, 70, 76, 82 };

// Reputation of a fighter of the world by his rolled value v: the band of
// the first row whose upper bound v does not pass. The band from 10501 to
// 12000 has no label: the fighter keeps the one he has.
struct ReputationBand {
    int upTo;
    int rank; // ReputationLadder::Rank, or -1 to keep the label
};
const ReputationBand reputationBands[] = {
    { 50, ReputationLadder::Legendary },
    { 1500, ReputationLadder::WorldClass },
    { 3000, ReputationLadder::InternationalSuperstar },
    { 4500, ReputationLadder::ChampionshipCaliber },
    { 6000, ReputationLadder::Contender },
    { 7500, ReputationLadder::RespectableOpponent },
    { 9000, ReputationLadder::NationallyRanked },
    { 10500, ReputationLadder::RisingStar },
    { 12000, -1 },
    { 13500, ReputationLadder::LocalFighter },
    { INT_MAX, ReputationLadder::Unknown },
};

// A win in these match types uses up one match of the contract; a loss
// always does. Tournament rounds before the final are free.
const char *const contractCountingTypes[] = { "Single Match", "Championship Match", "Tournament Final" };

bool countsAgainstContract(const FightRecordLine &line, const QString &matchType)
{
    if (line.isLoss())
        return true;
    if (!line.isWin())
        return false;
    for (const char *type : contractCountingTypes) {
        if (matchType == QLatin1String(type))
            return true;
    }
    return false;
}

// A count of reseeds from a sum that, for extreme standings, could pass
// the range of int.
int burstCount(qint64 count)
{
    return int(qBound<qint64>(0, count, INT_MAX));
}

} // namespace

Fighter::Fighter()
    : age(0), wins(0), losses(0), knockouts(0),
      headDurability(0), bodyDurability(0), contractMatches(0),
      bodyImage(0), headImage(0), faceImage(0), id(0), standing(0)
{
    std::fill(attributes, attributes + AttributeCount, 0);
}

void Fighter::getStrings(QStringList &out) const
{
    out.reserve(out.size() + TextCount);
    out << firstName << lastName << nationality << region << background << style
        << organization << reputation << shortsColour << trimColour << hairColour << bio;
}

void Fighter::getInts(QVector<int> &out) const
{
    // Written in place: a fight and every day of the world read these.
    const int start = out.size();
    out.resize(start + IntCount);
    int *values = out.data() + start;
    *values++ = age;
    *values++ = wins;
    *values++ = losses;
    *values++ = knockouts;
    values = std::copy(attributes, attributes + AttributeCount, values);
    for (const int value : {headDurability, bodyDurability, contractMatches,
                            bodyImage, headImage, faceImage, id, standing})
        *values++ = value;
}

void Fighter::getData(QStringList &texts, QVector<int> &ints, QDate &birthdayOut,
                      QMultiMap<QDate, QString> &historyOut, QStringList &titlesOut) const
{
    getStrings(texts);
    getInts(ints);
    birthdayOut = birthday;
    historyOut = history;
    titlesOut = titles;
}

bool Fighter::setData(const QStringList &texts, const QVector<int> &ints, const QDate &birthdayIn,
                      const QMultiMap<QDate, QString> &historyIn, const QStringList &titlesIn)
{
    if (texts.size() < TextCount || ints.size() < IntCount)
        return false;

    QString *const textFields[TextCount] = {
        &firstName, &lastName, &nationality, &region, &background, &style,
        &organization, &reputation, &shortsColour, &trimColour, &hairColour, &bio
    };
    for (int i = 0; i < TextCount; ++i)
        *textFields[i] = texts.at(i);

    age = ints.at(AgeIndex);
    wins = ints.at(WinsIndex);
    losses = ints.at(LossesIndex);
    knockouts = ints.at(KnockoutsIndex);
    for (int k = 0; k < AttributeCount; ++k)
        attributes[k] = ints.at(attributeIndex(k));
    headDurability = ints.at(HeadDurabilityIndex);
    bodyDurability = ints.at(BodyDurabilityIndex);
    contractMatches = ints.at(ContractMatchesIndex);
    bodyImage = ints.at(BodyImageIndex);
    headImage = ints.at(HeadImageIndex);
    faceImage = ints.at(FaceImageIndex);
    id = ints.at(IdIndex);
    standing = ints.at(StandingIndex);

    birthday = birthdayIn;
    history = historyIn;
    titles = titlesIn;
    return true;
}

QStringList Fighter::getAppearance(int &body, int &head, int &face) const
{
    body = bodyImage;
    head = headImage;
    face = faceImage;
    return QStringList() << shortsColour << trimColour << hairColour;
}

int Fighter::getAgeOn(const QDate &date, int &currentAge) const
{
    return date.isValid() ? getAgeOn(date.month(), date.day(), currentAge) : getAgeOn(0, 0, currentAge);
}

int Fighter::getAgeOn(int month, int day, int &currentAge) const
{
    currentAge = age;
    if (month == 0 || !birthday.isValid())
        return age;
    int birthMonth = 0;
    int birthDay = 0;
    birthday.getDate(nullptr, &birthMonth, &birthDay);
    return birthMonth == month && birthDay == day ? age + 1 : age;
}

void Fighter::capAttributes()
{
    for (int &value : attributes)
        value = std::min(value, 99);
}

void Fighter::setContract(const QString &organizationName, int matches)
{
    organization = organizationName;
    contractMatches = matches;
}

void Fighter::ageOneYear()
{
    GameRandom::reseedWithClock();
    const int before = age;
    ++age;
    const AgeBracket *bracket = ageBrackets;
    while (before < bracket->fromAge)
        ++bracket;

    int k = 0;
    bool firstRun = true;
    for (int lastOfRun : lastAttributeOfRun) {
        if (!firstRun)
            GameRandom::reseedBurst(GameRandom::roll(20));
        firstRun = false;
        for (; k <= lastOfRun; ++k)
            attributes[k] += bracket->sign * (GameRandom::roll(bracket->range) + bracket->base);
    }
    capAttributes();
}

int Fighter::openTitleLine(const QString &title) const
{
    for (int i = 0; i < titles.size(); ++i) {
        if (titles.at(i).contains(title) && !titles.at(i).contains(untilMark))
            return i;
    }
    return -1;
}

void Fighter::closeTitleLine(int line, const QDate &date)
{
    if (line >= 0 && line < titles.size())
        titles[line] += " until " + TextDate::shortText(date);
}

QString Fighter::applyTitleResult(const QString &title, bool won, const QDate &date)
{
    const int line = openTitleLine(title);
    if (won) {
        if (line >= 0)
            return " - Retained " + title;
        QString newLine = title;
        if (!title.contains(QString::number(date.year())))
            newLine += " - from " + TextDate::shortText(date);
        titles.append(newLine);
        return " - Won " + title;
    }
    if (line < 0)
        return QString();
    closeTitleLine(line, date);
    return " - Lost " + title;
}

void Fighter::recordFightResult(const QDate &date, const QString &result, const QString &matchType)
{
    // The outcome and the method come from their own fields of the line, not
    // from a search through the whole text: an opponent named "Winston" or a
    // title holding "Decision" must not change the count.
    const FightRecordLine line = FightRecordLine::parse(result);
    QString entry = line.resultPart();
    if (line.hasTitle() && (line.isWin() || line.isLoss()))
        entry += applyTitleResult(line.title(), line.isWin(), date);
    history.insert(date, entry);

    if (line.isWin()) {
        ++wins;
        if (!line.isDecision())
            ++knockouts;
    } else if (line.isLoss()) {
        ++losses;
    }

    if (!countsAgainstContract(line, matchType))
        return;
    --contractMatches;
    if (contractMatches <= 0) {
        closeTitleLine(openTitleLine(QStringLiteral("World Championship")), date);
        organization = QLatin1String(FreeAgentOrganization);
    }
}

void Fighter::rollReputationLabel()
{
    GameRandom::reseedWithClock();
    const qint64 s = standing;
    GameRandom::reseedBurst(burstCount(s + GameRandom::roll(20)));
    const int a = GameRandom::roll(50) + 1;
    GameRandom::reseedBurst(a + GameRandom::roll(20));
    const int sign = GameRandom::roll(45) % 2 != 0 ? -1 : +1;
    const int j = GameRandom::roll(21);
    const qint64 v = s + j + sign * a;

    int rank = ReputationLadder::Unknown;
    for (const ReputationBand &band : reputationBands) {
        if (v <= band.upTo) {
            rank = band.rank;
            break;
        }
    }
    if (rank >= 0)
        reputation = ReputationLadder::label(ReputationLadder::Rank(rank));
}

bool Fighter::operator==(const Fighter &other) const
{
    QStringList texts, otherTexts;
    QVector<int> ints, otherInts;
    getStrings(texts);
    other.getStrings(otherTexts);
    getInts(ints);
    other.getInts(otherInts);
    return texts == otherTexts && ints == otherInts && birthday == other.birthday
        && history == other.history && titles == other.titles;
}

QDataStream &operator<<(QDataStream &out, const Fighter &fighter)
{
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    fighter.getData(texts, ints, birthday, history, titles);
    return out << texts << ints << birthday << history << titles;
}

QDataStream &operator>>(QDataStream &in, Fighter &fighter)
{
    QStringList texts, titles;
    QVector<int> ints;
    QDate birthday;
    QMultiMap<QDate, QString> history;
    StreamRead::readList(in, texts, 4);
    StreamRead::readVector(in, ints, 4);
    in >> birthday;
    StreamRead::readMultiMap(in, history, 8);
    StreamRead::readList(in, titles, 4);
    if (!StreamRead::ok(in))
        return in;
    PlayableBounds::boundFighter(ints);
    if (!fighter.setData(texts, ints, birthday, history, titles))
        StreamRead::markCorrupt(in);
    return in;
}
