#ifndef FIGHTERGENERATOR_H
#define FIGHTERGENERATOR_H

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include "GeneratorTables.h"
#include "records/Fighter.h"

// Makes one new, random, 18-year-old fighter: a student in the image of the
// player's gym and manager, or a professional drawn from the whole world.
// It reads the nations file and one name file on every call and keeps
// nothing between calls; placing the fighter is the caller's business.
//
// The random numbers are reseeded between the steps in bursts whose counts
// come from earlier draws, the last fighter id and the date; the draws that
// make up those counts are taken in their fixed order.
class FighterGenerator
{
public:
    // What the generator needs to know of the world.
    struct Input
    {
        bool student = false;
        QString gymStyle;
        QString gymPrimaryColour;
        QString gymSecondaryColour;
        QString gymPrestige;
        QString managerRegion;
        QString managerNationality;
        QString managerReputation;
        int managerIntuition = 0;
        int lastFighterId = 0;
        QDate date;
        // Full names already borne by a fighter of the world.
        QSet<QString> takenNames;
    };

    static const int StudentId = 2000;
    static const int NewStanding = 8000;
    static const int NewAge = 18;
    // Random attempts at a new name before the lists are searched in order.
    static const int NameAttempts = 64;

    explicit FighterGenerator(const Input &input);

    // A student's id is StudentId; a professional's is the last fighter id
    // plus one (the caller records it as the new last id).
    Fighter generate();

private:
    void chooseOrigin(const QVector<QStringList> &nations);
    void chooseRandomRegion(const QVector<QStringList> &nations);
    QString drawNationFrom(const QVector<QStringList> &nations, int region) const;
    void chooseName(const QVector<QStringList> &nations);
    bool drawNameAttempt(const QStringList &given, const QStringList &surnames);
    void chooseFreshName(const QStringList &given, const QStringList &surnames);
    void chooseBackgroundAndStyle();
    void chooseLooks();
    void chooseTalent();
    void chooseAttributes();
    void chooseDurabilities();
    void chooseTraits();
    void applyTrait(const GeneratorTables::Trait &trait);
    void choosePortrait();
    QDate drawBirthday() const;
    int dateSum() const;
    int qualityLevel() const;
    int givenLength() const { return givenName.size(); }
    void setText(Fighter::TextIndex index, const QString &text) { texts[index] = text; }
    int &number(int index) { return ints[index]; }

    Input input;
    QStringList texts;
    QVector<int> ints;

    // Working values carried from step to step.
    QString nation;
    QString region;
    int regionPosition;
    QString givenName;
    QString surname;
    int backgroundPosition;
    int styleBurst;
    int talent;
};

#endif // FIGHTERGENERATOR_H
