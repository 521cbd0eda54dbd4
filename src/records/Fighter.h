#ifndef FIGHTER_H
#define FIGHTER_H

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringBuilder>
#include <QStringList>
#include <QVector>

#include "SkillTable.h"

class QDataStream;

// One fighter of the world: student, free agent, amateur or professional.
// A plain value record. Its 95 whole numbers travel as one vector in a fixed
// index order (see the Index enum); its 12 texts as one list.
class Fighter
{
public:
    // Positions in the text list.
    enum TextIndex {
        FirstNameText = 0, LastNameText, NationalityText, RegionText,
        BackgroundText, StyleText, OrganizationText, ReputationText,
        ShortsColourText, TrimColourText, HairColourText, BioText,
        TextCount
    };
    // Positions in the whole-number vector. Attribute k sits at k + 4.
    enum Index {
        AgeIndex = 0, WinsIndex = 1, LossesIndex = 2, KnockoutsIndex = 3,
        FirstAttributeIndex = 4,
        HeadDurabilityIndex = 87, BodyDurabilityIndex = 88,
        ContractMatchesIndex = 89, BodyImageIndex = 90, HeadImageIndex = 91,
        FaceImageIndex = 92, IdIndex = 93, StandingIndex = 94,
        IntCount = 95
    };
    static const int AttributeCount = 83;
    // A free agent's organization (the pool's name too); the texts the world reads out for no fighter.
    static constexpr const char *FreeAgentOrganization = "Free Agent";
    static constexpr const char *NobodyText = "N/A";
    static int attributeIndex(int k) { return FirstAttributeIndex + k; }

    Fighter();

    // Packing: other code edits a fighter by getData, changing the
    // containers and setData.
    void getData(QStringList &texts, QVector<int> &ints, QDate &birthday,
                 QMultiMap<QDate, QString> &history, QStringList &titles) const;
    // Returns false, and leaves the fighter unchanged, when texts holds
    // fewer than 12 entries or ints fewer than 95.
    bool setData(const QStringList &texts, const QVector<int> &ints, const QDate &birthday,
                 const QMultiMap<QDate, QString> &history, const QStringList &titles);
    void getStrings(QStringList &out) const;
    void getInts(QVector<int> &out) const;

    const QString &getLastName() const { return lastName; }
    QString getFullName() const { return firstName % QLatin1Char(' ') % lastName; }
    int getId() const { return id; }
    void setId(int value) { id = value; }
    int getStanding() const { return standing; }
    int getContractMatches() const { return contractMatches; }
    const QString &getOrganization() const { return organization; }
    bool isFreeAgent() const { return organization == QLatin1String(FreeAgentOrganization); }
    // Attribute k (0..82); 0 outside them.
    int getAttribute(int k) const { return k >= 0 && k < AttributeCount ? attributes[k] : 0; }
    void addStanding(int delta) { standing += delta; }
    void setStanding(int value) { standing = value; }
    void getHistory(QMultiMap<QDate, QString> &out) const { out = history; }
    void getTitles(QStringList &out) const { out = titles; }
    QStringList getAppearance(int &body, int &head, int &face) const;
    int getAgeOn(const QDate &date, int &currentAge) const;
    // The same for a day given as its month and day (0, 0 for no date):
    // walks over the whole world read the day once.
    int getAgeOn(int month, int day, int &currentAge) const;
    void capAttributes();

    // Skill ratings, computed from the attributes each time (never stored).
    int getSkill(int skill) const { return SkillTable::rating(attributes, skill); }
    int getJab() const { return getSkill(SkillTable::Jab); }
    int getHook() const { return getSkill(SkillTable::Hook); }
    int getCross() const { return getSkill(SkillTable::Cross); }
    int getUppercut() const { return getSkill(SkillTable::Uppercut); }
    int getLowKick() const { return getSkill(SkillTable::LowKick); }
    int getMidKick() const { return getSkill(SkillTable::MidKick); }
    int getHighKick() const { return getSkill(SkillTable::HighKick); }
    int getFrontKick() const { return getSkill(SkillTable::FrontKick); }
    int getKnee() const { return getSkill(SkillTable::Knee); }
    int getElbow() const { return getSkill(SkillTable::Elbow); }
    int getDirtyBoxing() const { return getSkill(SkillTable::DirtyBoxing); }
    int getBodyPunching() const { return getSkill(SkillTable::BodyPunching); }
    int getHeadMovement() const { return getSkill(SkillTable::HeadMovement); }
    int getBodyMovement() const { return getSkill(SkillTable::BodyMovement); }
    int getFootwork() const { return getSkill(SkillTable::Footwork); }
    int getPositioning() const { return getSkill(SkillTable::Positioning); }
    int getHeadGuard() const { return getSkill(SkillTable::HeadGuard); }
    int getBodyGuard() const { return getSkill(SkillTable::BodyGuard); }
    int getLegGuard() const { return getSkill(SkillTable::LegGuard); }
    int getDazedGuard() const { return getSkill(SkillTable::DazedGuard); }
    int getDirtyBoxDef() const { return getSkill(SkillTable::DirtyBoxDef); }
    int getClinchGrappling() const { return getSkill(SkillTable::ClinchGrappling); }
    int getClinchPositioning() const { return getSkill(SkillTable::ClinchPositioning); }
    int getClinchFootwork() const { return getSkill(SkillTable::ClinchFootwork); }
    int getStrength() const { return getSkill(SkillTable::Strength); }
    int getExplosiveness() const { return getSkill(SkillTable::Explosiveness); }
    int getAttackPower() const { return getSkill(SkillTable::AttackPower); }
    int getPressuring() const { return getSkill(SkillTable::Pressuring); }
    int getReaction() const { return getSkill(SkillTable::Reaction); }
    int getDodge() const { return getSkill(SkillTable::Dodge); }
    int getMovement() const { return getSkill(SkillTable::Movement); }
    int getAttackSpeed() const { return getSkill(SkillTable::AttackSpeed); }
    int getCardio() const { return getSkill(SkillTable::Cardio); }
    int getToughness() const { return getSkill(SkillTable::Toughness); }
    int getStamina() const { return getSkill(SkillTable::Stamina); }
    int getRecovery() const { return getSkill(SkillTable::Recovery); }
    int getCombinations() const { return getSkill(SkillTable::Combinations); }
    int getCounter() const { return getSkill(SkillTable::Counter); }
    int getAccuracy() const { return getSkill(SkillTable::Accuracy); }
    int getAgility() const { return getSkill(SkillTable::Agility); }
    int getOffAwareness() const { return getSkill(SkillTable::OffAwareness); }
    int getDefAwareness() const { return getSkill(SkillTable::DefAwareness); }
    int getStrategizing() const { return getSkill(SkillTable::Strategizing); }
    int getAdaptability() const { return getSkill(SkillTable::Adaptability); }
    int getSelfControl() const { return getSkill(SkillTable::SelfControl); }
    int getKillerInstinct() const { return getSkill(SkillTable::KillerInstinct); }
    int getFocus() const { return getSkill(SkillTable::Focus); }
    int getPerseverance() const { return getSkill(SkillTable::Perseverance); }

    // Career changes.
    void setContract(const QString &organizationName, int matches);
    // One year older: the yearly attribute change of the age bracket.
    void ageOneYear();
    // Applies one match result line (see FightRecordLine) at the date:
    // counts, history, title lines and the contract countdown.
    void recordFightResult(const QDate &date, const QString &result, const QString &matchType);
    // Rolls the reputation label from the standing plus random noise.
    void rollReputationLabel();

    bool operator==(const Fighter &other) const;
    bool operator!=(const Fighter &other) const { return !(*this == other); }

protected:
    // Position of the first open title line (one holding `title` and not
    // "until"), or -1.
    int openTitleLine(const QString &title) const;
    // Appends to a title result: " - Won ...", " - Retained ..." or
    // " - Lost ...", and opens or closes the title line.
    QString applyTitleResult(const QString &title, bool won, const QDate &date);
    void closeTitleLine(int line, const QDate &date);

    QString firstName;
    QString lastName;
    QString nationality;
    QString region;
    QString background;
    QString style;
    QString organization;
    QString reputation;
    QString shortsColour;
    QString trimColour;
    QString hairColour;
    QString bio;
    QDate birthday;
    int age;
    int wins;
    int losses;
    int knockouts;
    QMultiMap<QDate, QString> history;
    QStringList titles;
    int attributes[AttributeCount];
    int headDurability;
    int bodyDurability;
    int contractMatches;
    int bodyImage;
    int headImage;
    int faceImage;
    int id;
    int standing;
};

QDataStream &operator<<(QDataStream &out, const Fighter &fighter);
// Reads the five containers with the checked readers; on a short or damaged
// stream the fighter is left unchanged and the stream's status says so.
QDataStream &operator>>(QDataStream &in, Fighter &fighter);

#endif // FIGHTER_H
