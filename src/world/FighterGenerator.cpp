#include "FighterGenerator.h"

#include "OriginFiles.h"
#include "ResourcePaths.h"
#include "records/GameRandom.h"
#include "records/Gym.h"
#include "records/Manager.h"
#include "records/PointScale.h"

#include <QtGlobal>

using GeneratorTables::Trait;

namespace {

const char NoName[] = "N/A";
const int HighestDurability = 99;
// A professional is worth this much more talent than a new student.
const int ProfessionalTalent = 7;
// A professional's insight into his own traits: the bio shows them all.
const int ProfessionalInsight = 10;
// The most draws a nation takes from a region's list.
const int NationDraws = 21;

// The talent draw (0 to 70): up to 9 it is the bonus itself, from `from`
// on the band's bonus.
struct TalentBand { int from; int bonus; };
const TalentBand TalentBands[] = {{65, 12}, {50, 9}, {30, 6}, {10, 3}};

int talentOf(int draw)
{
    for (const TalentBand &band : TalentBands) {
        if (draw >= band.from)
            return band.bonus;
    }
    return draw;
}

// Position of a label on one of the ten-band point scales (the gym's
// prestige, the manager's reputation), -1 when it is none of them.
int scalePosition(const QString &label, QString (*labelOf)(int))
{
    for (int band = 0; band < PointScale::BandCount; ++band) {
        // The lowest points of band b (b * 100 + 1) carry its label.
        if (labelOf(band * 100 + 1) == label)
            return band;
    }
    return -1;
}

QStringList orNoName(const QStringList &names)
{
    return names.isEmpty() ? QStringList{NoName} : names;
}

} // namespace

FighterGenerator::FighterGenerator(const Input &input)
    : input(input), regionPosition(-1), backgroundPosition(0), styleBurst(0), talent(0)
{
    for (int i = 0; i < Fighter::TextCount; ++i)
        texts.append(QString());
    ints.fill(0, Fighter::IntCount);
}

Fighter FighterGenerator::generate()
{
    GameRandom::reseedWithClock();
    const QVector<QStringList> nations = OriginFiles::readNations(ResourcePaths::nationsFile());
    chooseOrigin(nations);
    GameRandom::reseedBurst(GameRandom::roll(20));
    chooseName(nations);
    setText(Fighter::NationalityText, nation);
    setText(Fighter::RegionText, region);
    chooseBackgroundAndStyle();
    chooseLooks();
    chooseTalent();
    number(Fighter::AgeIndex) = NewAge;
    number(Fighter::WinsIndex) = 0;
    number(Fighter::LossesIndex) = 0;
    number(Fighter::KnockoutsIndex) = 0;
    chooseAttributes();
    chooseDurabilities();
    chooseTraits();
    choosePortrait();
    number(Fighter::IdIndex) = input.student ? StudentId : input.lastFighterId + 1;
    number(Fighter::StandingIndex) = NewStanding;
    const QDate birthday = drawBirthday();

    Fighter fighter;
    fighter.setData(texts, ints, birthday, QMultiMap<QDate, QString>(), QStringList());
    return fighter;
}

void FighterGenerator::chooseOrigin(const QVector<QStringList> &nations)
{
    const int r = GameRandom::roll(30) + 1;
    if (!input.student) {
        if (r % 4 == 0) {
            chooseRandomRegion(nations);
            return;
        }
        const QStringList &builtIn = GeneratorTables::builtInNations();
        const int position = GameRandom::roll(builtIn.size());
        nation = builtIn.at(position);
        regionPosition = GeneratorTables::regionOfBuiltIn(position);
        region = GeneratorTables::regions().at(regionPosition);
        return;
    }
    // A student tends to come from where his manager comes from.
    const bool builtInManager = GeneratorTables::builtInNations().contains(input.managerNationality);
    if (r % 3 == 0 && (!builtInManager || r % 4 == 0)) {
        chooseRandomRegion(nations);
        return;
    }
    region = input.managerRegion;
    regionPosition = GeneratorTables::regions().indexOf(region);
    if (builtInManager && r % 4 != 0)
        nation = input.managerNationality;
    else
        nation = drawNationFrom(nations, regionPosition);
}

void FighterGenerator::chooseRandomRegion(const QVector<QStringList> &nations)
{
    regionPosition = GameRandom::roll(GeneratorTables::regions().size());
    region = GeneratorTables::regions().at(regionPosition);
    nation = drawNationFrom(nations, regionPosition);
}

QString FighterGenerator::drawNationFrom(const QVector<QStringList> &nations, int regionIndex) const
{
    // A region outside the eight draws from the first list.
    const int list = regionIndex >= 0 && regionIndex < nations.size() ? regionIndex : 0;
    QStringList candidates = nations.value(list);
    // A missing or short nations file leaves the list empty: the region's
    // built-in nations stand in, so there is always something to draw.
    if (candidates.isEmpty())
        candidates = GeneratorTables::builtInNationsOf(list);
    // Up to NationDraws draws, ending early on an entry that names a region;
    // a list of nations alone keeps the last draw.
    QString drawn;
    for (int i = 0; i < NationDraws; ++i) {
        drawn = candidates.at(GameRandom::roll(candidates.size()));
        if (GeneratorTables::regions().contains(drawn))
            break;
    }
    return drawn;
}

void FighterGenerator::chooseName(const QVector<QStringList> &nations)
{
    const int nationPosition = regionPosition >= 0 && regionPosition < nations.size()
        ? nations.at(regionPosition).indexOf(nation) : -1;
    const QString culture = GeneratorTables::cultureFor(regionPosition, nationPosition);
    const OriginFiles::NameLists names = OriginFiles::readNames(GeneratorTables::nameFileOf(culture));
    const QStringList given = orNoName(names.givenNames);
    const QStringList surnames = orNoName(names.surnames);

    bool isNew = false;
    for (int attempt = 0; attempt < NameAttempts && !isNew; ++attempt)
        isNew = drawNameAttempt(given, surnames);
    // The draws keep hitting names in use (a short or missing name file):
    // take the first free combination, or the last candidate if none is left.
    if (!isNew)
        chooseFreshName(given, surnames);
    setText(Fighter::FirstNameText, givenName);
    setText(Fighter::LastNameText, surname);
}

bool FighterGenerator::drawNameAttempt(const QStringList &given, const QStringList &surnames)
{
    GameRandom::reseedBurst(1 + input.lastFighterId + GameRandom::roll(20) + dateSum());
    const int g = GameRandom::roll(given.size());
    givenName = given.at(g);
    GameRandom::reseedBurst(input.lastFighterId + GameRandom::roll(g + 1) + dateSum());
    surname = surnames.at(GameRandom::roll(surnames.size()));
    return !input.takenNames.contains(givenName + " " + surname);
}

void FighterGenerator::chooseFreshName(const QStringList &given, const QStringList &surnames)
{
    for (const QString &first : given) {
        for (const QString &last : surnames) {
            if (!input.takenNames.contains(first + " " + last)) {
                givenName = first;
                surname = last;
                return;
            }
        }
    }
}

void FighterGenerator::chooseBackgroundAndStyle()
{
    const QStringList &backgrounds = GeneratorTables::backgrounds();
    GameRandom::reseedBurst(GameRandom::roll(20) + givenLength());
    const int b = GameRandom::roll(25);
    if (b < backgrounds.size()) {
        backgroundPosition = b;
        styleBurst = b;
    } else if (!input.student) {
        backgroundPosition = GameRandom::roll(backgrounds.size());
        styleBurst = backgroundPosition;
    } else {
        // Most students come from the gym's own background; a gym style that
        // is none of the seven gets a drawn one instead.
        backgroundPosition = backgrounds.indexOf(input.gymStyle);
        if (backgroundPosition < 0)
            backgroundPosition = GameRandom::roll(backgrounds.size());
        styleBurst = b;
    }
    setText(Fighter::BackgroundText, backgrounds.at(backgroundPosition));

    GameRandom::reseedBurst(givenLength() + styleBurst + GameRandom::roll(20));
    const QStringList &styles = GeneratorTables::styles();
    const int s = GameRandom::roll(15);
    setText(Fighter::StyleText, styles.at(s < styles.size() ? s : backgroundPosition));
}

void FighterGenerator::chooseLooks()
{
    setText(Fighter::OrganizationText, Fighter::FreeAgentOrganization);
    setText(Fighter::ReputationText, "Unknown");
    const QStringList &colours = GeneratorTables::colours();
    if (input.student) {
        setText(Fighter::ShortsColourText, input.gymPrimaryColour);
        setText(Fighter::TrimColourText, input.gymSecondaryColour);
    } else {
        setText(Fighter::ShortsColourText, colours.at(GameRandom::roll(colours.size())));
        setText(Fighter::TrimColourText, colours.at(GameRandom::roll(colours.size())));
    }
    GameRandom::reseedBurst(GameRandom::roll(20) + givenLength());
    const QStringList &hair = GeneratorTables::hairColours();
    setText(Fighter::HairColourText, hair.at(GameRandom::roll(hair.size())));
    setText(Fighter::BioText, "New Fighter");
}

void FighterGenerator::chooseTalent()
{
    GameRandom::reseedBurst(givenLength() + GameRandom::roll(26) + dateSum());
    talent = talentOf(GameRandom::roll(71));
    if (!input.student)
        talent += ProfessionalTalent;
}

int FighterGenerator::qualityLevel() const
{
    if (!input.student)
        return GameRandom::roll(PointScale::BandCount) + GameRandom::roll(PointScale::BandCount);
    return scalePosition(input.gymPrestige, &Gym::prestigeLabel)
        + scalePosition(input.managerReputation, &Manager::reputationLabel);
}

void FighterGenerator::chooseAttributes()
{
    const int base = 3 * qualityLevel() + talent;
    for (int k = 0; k < Fighter::AttributeCount; ++k)
        number(Fighter::attributeIndex(k)) = GameRandom::roll(11) + base;
}

void FighterGenerator::chooseDurabilities()
{
    GameRandom::reseedBurst(givenLength() + GameRandom::roll(33) + dateSum());
    number(Fighter::HeadDurabilityIndex) = qMin(HighestDurability, GameRandom::roll(100) + talent);
    GameRandom::reseedBurst(GameRandom::roll(33) + givenLength());
    number(Fighter::BodyDurabilityIndex) = qMin(HighestDurability, GameRandom::roll(100) + talent);
    GameRandom::reseedBurst(number(Fighter::BodyDurabilityIndex));
}

void FighterGenerator::chooseTraits()
{
    // An odd draw gives no trait; an even one t gives t + 1 different ones.
    const int t = GameRandom::roll(7);
    if (t % 2 != 0)
        return;
    const int insight = input.student ? input.managerIntuition : ProfessionalInsight;
    QVector<Trait> left = GeneratorTables::traits();
    QString bio = "New Fighter\n";
    for (int c = t; c >= 0; --c) {
        GameRandom::reseedBurst(c + 1);
        const Trait trait = left.takeAt(GameRandom::roll(left.size()));
        applyTrait(trait);
        if (insight > trait.revealAbove)
            bio += trait.name + "\n";
    }
    setText(Fighter::BioText, bio);
}

void FighterGenerator::applyTrait(const Trait &trait)
{
    for (const GeneratorTables::AttributeChange &change : trait.changes)
        number(Fighter::attributeIndex(change.attribute)) += change.direction * (1 + GameRandom::roll(7));
}

void FighterGenerator::choosePortrait()
{
    number(Fighter::ContractMatchesIndex) = 0;
    GameRandom::reseedBurst(GameRandom::roll(33) + givenLength());
    number(Fighter::BodyImageIndex) = GameRandom::roll(21) + 1;
    GameRandom::reseedBurst(GameRandom::roll(33));
    number(Fighter::HeadImageIndex) = GameRandom::roll(7) + 1;
    GameRandom::reseedBurst(GameRandom::roll(33));
    number(Fighter::FaceImageIndex) = GameRandom::roll(4) + 1;
}

QDate FighterGenerator::drawBirthday() const
{
    const int day = GameRandom::roll(28) + 1;
    const int month = GameRandom::roll(12) + 1;
    return QDate(input.date.year() - NewAge, month, day);
}

int FighterGenerator::dateSum() const
{
    return input.date.day() + input.date.month() + input.date.year();
}
