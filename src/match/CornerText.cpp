#include "CornerText.h"

#include <QVector>

namespace {

struct Instruction {
    const char *text;
    int mindset;
};

// Every row lists what is offered for a mindset, in order, with the mindset
// each text leads to. The first text (carry on) leads to 0.
const QVector<QVector<Instruction>> &instructionRows()
{
    static const QVector<QVector<Instruction>> rows = {
        // 0 balanced
        {{"Keep doing what you're doing.", 0},
         {"Slow down a little, take your time.", 1},
         {"Press forward and punish him when you can.", 7},
         {"Knock his head off and let's go home!", 8},
         {"Keep him away and pick him apart from outside.", 9},
         {"Stay in close, but avoid the clinch.", 10},
         {"Grab him and use your clinchwork to grind him down!", 11}},
        // 1 cautious
        {{"Keep it slow, but open up when you can.", 0},
         {"Step it up a little.", 0},
         {"Don't be so cautious, throw some combos!", 7},
         {"That's it, keep him on the outside and use your movement.", 9},
         {"Get in closer, but not too close!", 10},
         {"Close him and grab a hold of him, control him in the clinch!", 11}},
        // 2 covering up
        {{"Stay back and let him make mistakes.", 0},
         {"Don't turtle up, do something!", 1}},
        // 3, 4: never set, nothing offered
        {},
        {},
        // 5 dazed
        {{"A bit dazed, but you're doing fine.", 0},
         {"You're alright, go get him.", 0},
         {"Put your hands up and watch it out there!", 2}},
        // 6 caught off guard
        {{"Caught off guard a bit, but keep at it.", 0},
         {"You're alright, go get him.", 0},
         {"Put your hands up and watch it out there!", 2}},
        // 7 aggressive
        {{"Keep the pressure on, and look for an opening.", 0},
         {"Keep it up, but don't get sloppy.", 0},
         {"Knock him out already!", 8},
         {"Slow down, don't get reckless.", 1},
         {"Stay outside, stick and move!", 9},
         {"Move in and pound on him!", 10},
         {"Get up close and personal!", 11}},
        // 8 hunting the knockout
        {{"Finish him!", 0},
         {"Keep it up, but don't get sloppy.", 0},
         {"Keep the pressure on, but don't hunt for the KO.", 7},
         {"Watch it, slow down, let him come forward.", 1}},
        // 9 fighting outside (the carry-on text has no full stop)
        {{"Keep him away and pick him apart from outside", 0},
         {"You've got it, now switch it up a bit.", 0},
         {"Don't get careless, watch yourself.", 1},
         {"Don't hang back too much, throw some more!", 7}},
        // 10 fighting inside
        {{"Stick to him and don't let him move around!", 0},
         {"You've got it, now switch it up a bit.", 0},
         {"Relax, there's no rush.", 1},
         {"Work him harder, don't let him breathe!", 7}},
        // 11 clinching
        {{"Don't let him move, keep a hold of him!", 0},
         {"You've got it, now switch it up a bit.", 0},
         {"Don't rush things, take your time and control him.", 1},
         {"You've got him, now crush him.", 7}},
    };
    return rows;
}

const QVector<Instruction> &rowFor(int mindset)
{
    static const QVector<Instruction> none;
    const auto &rows = instructionRows();
    return mindset >= 0 && mindset < rows.size() ? rows.at(mindset) : none;
}

} // namespace

namespace CornerText {

QStringList instructionOptions(int mindset)
{
    QStringList texts;
    for (const Instruction &entry : rowFor(mindset))
        texts << QString::fromUtf8(entry.text);
    return texts;
}

int instructionMindset(int mindset, const QString &text)
{
    for (const Instruction &entry : rowFor(mindset)) {
        if (text == QLatin1String(entry.text))
            return entry.mindset;
    }
    return 0;
}

QString staminaObservation(int fatigueLevel)
{
    static const QStringList texts = {
        "He's get plenty of energy to spare.",
        "He's not tired at all.",
        "He's keeping up so far.",
        "He's starting to tire out a bit.",
        "He's really starting to gas himself out.",
        "He's barely standing at this point.",
    };
    return texts.value(fatigueLevel);
}

QString regionObservation(Region region, int code)
{
    // [region][code], code 0 (worst) .. 4 (fine).
    static const QStringList texts[4] = {
        {"He's got to protect his head at all costs at this point.",
         "If he doesn't start protecting his head, he'll be in serious trouble.",
         "His head is starting to take some damage. He might want to go for a knockout before thing get serious.",
         "He needs to focus a bit on protecting his head a bit more.",
         "He's doing a good job protecting his head."},
        {"His body can't take much more punishment.",
         "His body is taking a pounding. This might become a situation.",
         "His body is starting to show some signs of trouble.",
         "He could be defending his body a bit better.",
         "His body is still in good shape."},
        {"His arms are wrecked. He needs to slow things down a bit.",
         "His arms are pretty banged up. He should try avoiding attacks instead of blocking them.",
         "His arms are starting to slow down.",
         "His arms have taken some damage, but look fine for now.",
         "His arms are looking sharp."},
        {"He's on the verge of collapsing on those wobbly legs.",
         "He's starting to limp a bit. His legs are in bad shape.",
         "His legs are starting to give. He might want to move in close to avoid taking too many low kicks.",
         "His legs are still fine, but are worth looking out for.",
         "His legs are in good shape."},
    };
    if (region < Head || region > Legs)
        return QString();
    return texts[region].value(code);
}

} // namespace CornerText
