#ifndef FIGHTERBUILDER_H
#define FIGHTERBUILDER_H

#include <QDate>
#include <QMap>
#include <QMultiMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "records/Fighter.h"

class GymFighter;

// Builds a fighter for a test through the record's packed form: it starts
// blank (twelve empty texts, 95 zeros, no birthday, history or titles) or
// from a fighter to change, takes what the test is about, and gives the
// fighter, a player's fighter, or writes itself into one.
class FighterBuilder
{
public:
    FighterBuilder();
    explicit FighterBuilder(const Fighter &from);

    FighterBuilder &name(const QString &first, const QString &last)
    {
        return text(Fighter::FirstNameText, first).text(Fighter::LastNameText, last);
    }
    FighterBuilder &text(Fighter::TextIndex index, const QString &value) { m_texts[index] = value; return *this; }
    FighterBuilder &texts(const QStringList &all) { m_texts = all; return *this; }
    FighterBuilder &style(const QString &style) { return text(Fighter::StyleText, style); }
    // Whole numbers by their index in the 95 of them.
    FighterBuilder &number(int index, int value) { m_ints[index] = value; return *this; }
    FighterBuilder &numbers(const QVector<int> &all) { m_ints = all; return *this; }
    FighterBuilder &numbers(const QMap<int, int> &byIndex);
    // Attributes by their number k (0 to 82): every one, or some.
    FighterBuilder &attributes(int value);
    FighterBuilder &attributes(const QMap<int, int> &byAttribute);
    FighterBuilder &id(int id) { return number(Fighter::IdIndex, id); }
    FighterBuilder &age(int years) { return number(Fighter::AgeIndex, years); }
    FighterBuilder &record(int wins, int losses)
    {
        return number(Fighter::WinsIndex, wins).number(Fighter::LossesIndex, losses);
    }
    FighterBuilder &born(const QDate &birthday) { m_birthday = birthday; return *this; }
    FighterBuilder &result(const QDate &day, const QString &line) { m_history.insert(day, line); return *this; }
    FighterBuilder &titles(const QStringList &lines) { m_titles = lines; return *this; }

    Fighter build() const;
    // A player's fighter: a training state of zeros but for the given
    // charisma, reputation points and purse, no progress and no log.
    GymFighter gymFighter(int charisma = 0, int reputationPoints = 0, int purse = 0) const;
    // Writes the fighter part through the record's own setData: a player's
    // fighter keeps his training state, a fighter in the ring renews the
    // snapshot his states read.
    template <class Record>
    void into(Record &fighter) const
    {
        fighter.setData(m_texts, m_ints, m_birthday, m_history, m_titles);
    }

private:
    QStringList m_texts;
    QVector<int> m_ints;
    QDate m_birthday;
    QMultiMap<QDate, QString> m_history;
    QStringList m_titles;
};

#endif // FIGHTERBUILDER_H
