#include "AttackChoiceTable.h"

#include "State_Atk_ClinchAttack.h"
#include "State_Atk_InAttack.h"
#include "State_Atk_OutAttack.h"
#include "match/MatchMessage.h"

using Line::full;
using Line::last;
using Line::leadFull;

namespace {

const int PuncherStyle = 3;
const int KickerStyle = 4;

} // namespace

namespace AttackChoiceTable {

const AttackChoicePlan &outAttack()
{
    static const AttackChoicePlan plan = {
        MatchMessage::AttackOut, 6, makeState<State_Atk_OutAttack>,
        {
            {MatchMessage::Jab, {4, 5, 6}, 65, {
                last(" whips out a quick jab. "),
                last(" throws a piston-like jab to keep his opponent at a distance. "),
                last(" flicks his arm out, attempting to use a stiff jab to snap his opponent's head back. "),
                last(" aims a hard jab at his opponent's chin. "),
                last(" throws a hard jab from long range. "),
            }},
            {MatchMessage::Cross, {10, 11, 12}, 70, {
                last(" unloads a hard cross at his opponent's head! "),
                last(" unleashes a powerful right cross from long range! "),
                last(" torques his body and launches a cross. "),
                last(" delivers a hard cross. "),
                last(" finds an opening from the outside and throws a cross. "),
            }},
            {MatchMessage::LowKick, {16, 17, 18}, 68, {
                last(" whips a ferocious kick at his opponent's lead leg! "),
                last(" throws a hard low kick as he circles around outside. "),
                last(" spins his body and unleashes a powerful low kick! "),
                last(" attempts to chop his opponent down with a leg kick. "),
                last(" swings his lead leg around and delivers a low kick. "),
            }},
            {MatchMessage::MidKick, {19, 20, 21}, 73, {
                last(" throws a hard roundhouse kick at his opponent's ribcage! "),
                last(" pivots on his lead leg and unloads a kick to the body! "),
                last(" attempts to break his opponent's will with a hard body kick. "),
                last(" aims and fires a hard kick at his opponent's torso. "),
                last(" finds an opening from way outside and throws a roundhouse kick to the body. "),
            }},
            {MatchMessage::HighKick, {22, 23, 24}, 68, {
                last(" throws a high kick aimed right at the side of the head! "),
                last(" raises his left leg high in the air, attempting a high kick. "),
                leadFull("Whoa! A ferocious high kick, courtesy of ", "! "),
                last(" unleashes a vicious high kick!. "),
                last(" sees his chance and throws a high kick. "),
            }},
            {MatchMessage::FrontKick, {25, 26, 27}, 68, {
                last(" sticks his opponent with a front kick. "),
                last(" reaches out and places a hard front kick at his opponent's midsection. "),
                last(" brings his back foot forward to launch a piercing front kick at his opponent's liver! "),
                last(" extends his lead leg and pokes at his opponent with a stiff front kick. "),
                last(" flicks his foot out with a front kick to the body. "),
            }},
        },
        {3, 5, 2, 4, 1, 2, 5, 4, 3, 0, 5, 2, 4, 3, 1, 4, 3, 5, 5, 4, 5},
        {0, 1},
        {2, 3, 4, 5},
    };
    return plan;
}

const AttackChoicePlan &inAttack()
{
    static const AttackChoicePlan plan = {
        MatchMessage::AttackIn, 7, makeState<State_Atk_InAttack>,
        {
            {MatchMessage::Hook, {7, 8, 9}, 65, {
                last(" turns his body and unloads a crushing hook! "),
                last(" loops around with a wide left hook. "),
                full(" fakes a jab, then throws an vicious right hook! "),
                last(" throws a quick hook in close quarters. "),
                last(" crouches a bit, and springs upwards with a right hook from the pocket. "),
            }},
            {MatchMessage::Cross, {10, 11, 12}, 70, {
                last(" unloads a hard cross at his opponent's head! "),
                full(" unleashes a sudden right cross! He's looking to finish this quickly! "),
                last(" torques his body and throws a cross from close range. "),
                last(" delivers a hard cross. "),
                last(" finds some room in the pocket and throws a cross. "),
            }},
            {MatchMessage::Uppercut, {13, 14, 15}, 65, {
                last(" lowers his shoulders, then springs up with a powerful uppercut. "),
                last(" sticks his feet and unleashes a sudden right uppercut! "),
                full(" unleashes a wild left uppercut in the pocket! "),
                last(" manages to find some space to throw a crushing uppercut. "),
                full(" lets loose with a terrifying uppercut! It looks like he's throwing everything he has into it! "),
            }},
            {MatchMessage::LowKick, {16, 17, 18}, 68, {
                last(" manages to create a bit of distance in the pocket and throw a low kick. "),
                last(" fakes a punch before switching to a low kick. "),
                last(" spins his body and unleashes a powerful low kick! "),
                last(" attempts to chop his opponent down with a leg kick. "),
                last(" plants his lead leg and throws a crushing low kick at his opponent's legs. "),
            }},
            {MatchMessage::Knee, {28, 29, 30}, 73, {
                full(" lunges forward with a knee to the body. "),
                last(" throws a powerful knee directed at his opponent's liver. "),
                last(" crouches down and springs upwards with a sudden knee to the body! "),
                last(" targets his opponent's midsection with a knee in the pocket. "),
                leadFull("Wow! It looks as if ", " is trying to end this soon, as he throws a ferocious knee in close range! "),
            }},
            {MatchMessage::BodyPunch, {37, 38, 39}, 70, {
                last(" throws a punch to the gut. "),
                last(" fakes high, then throws a body punch. "),
                last(" throws a wicked hook to the body! "),
                last(" unloads a powerful shot at his opponent's body! "),
                last(" tries to break his opponent's will by throwing a strong hook to the ribcage! "),
            }},
        },
        {3, 4, 2, 4, 1, 2, 3, 4, 5, 0, 4, 2, 5, 3, 1, 5, 4, 5, 3, 5, 5},
        {0, 1, 2},
        {3, 4},
    };
    return plan;
}

const AttackChoicePlan &clinchAttack()
{
    static const AttackChoicePlan plan = {
        MatchMessage::AttackClinch, 8, makeState<State_Atk_ClinchAttack>,
        {
            {MatchMessage::Hook, {7, 8, 9}, 65, {
                full(" throws a hook while they're fighting for position in the clinch. "),
                last(" frees up an arm and manages to throw a hard hook to the head. "),
                last(" finds an opening, allowing him to throw a left hook! "),
                last(" manages to throw a hook out of nowhere! "),
                full("'s clinch skills are on display here, as he manages to force an opening and throw a hook. "),
            }},
            {MatchMessage::Uppercut, {13, 14, 15}, 65, {
                full(" manages to come up under his opponent's arms with a vicious uppercut. "),
                last(" frees up an arm and throws a hard uppercut to his opponent's jaw. "),
                last(" untangles himself long enough to throw an uppercut. "),
                last(" throws an uppercut while they jostle for dominant clinch positioning. "),
                full(" finds room to throw an uppercut. "),
            }},
            {MatchMessage::Knee, {28, 29, 30}, 73, {
                full(" throws a hard knee in the clinch. "),
                leadFull("While the two fighters are tied up, ", " unloads a devastating knee strike. "),
                last(" suddenly pulls his opponent's head down and throws a knee strike to his chest. "),
                last(" shifts his weight and manages to pull his knee up to his opponent's midsecton! "),
                leadFull("It looks as if ", " is trying to wear his opponent down, as he throws a knee in the clinch. "),
            }},
            {MatchMessage::Elbow, {31, 32, 33}, 54, {
                full(" rotates his shoulder and comes down with a hard elbow! "),
                last(" targets his opponent's temple with an elbow strike. "),
                last(" twists his body and finds an opening to throw an elbow. "),
                last(" is clearly intent on controlling things in the clinch, throwing a hard elbow strike to make sure of it. "),
                full(" finds an opening to throw an elbow strike. "),
            }},
            {MatchMessage::DirtyBox, {34, 35, 36}, 72, {
                full(" manages to use some dirty boxing to wear down his opponent. "),
                last(" is showing off his talent in the clinch, as he works his opponent over with some dirty boxing. "),
                last(" is in control, as he uses his dirty boxing to cause damage. "),
                last(" pounds away with some dirty boxing. "),
                full(" maintains neck control as he hammers away with his dirty boxing! "),
            }},
            {MatchMessage::BodyPunch, {37, 38, 39}, 70, {
                full(" frees up his arm and goes low, ripping his opponent with a hard body punch. "),
                last(" uses a hard hook to the body to try and soften his opponent up. "),
                last(" takes advantage of his position and throws a hard body punch. "),
                leadFull("Using his clinch positioning, ", " manages to make room to throw a body hook. "),
                full(" maintains strong clinch control as he lets loose with a ferocious body punch! "),
            }},
        },
        {3, 4, 2, 4, 1, 2, 3, 4, 5, 0, 4, 2, 5, 3, 1, 5, 4, 5, 3, 5, 5},
        {0, 1, 5},
        // The Kicker's first draw is replaced by a second one for the knee.
        {AttackChoicePlan::NoOption, 2},
    };
    return plan;
}

const QVector<int> &bonusPlan(const AttackChoicePlan &plan, int styleIndex)
{
    static const QVector<int> none{AttackChoicePlan::NoOption};
    if (styleIndex == PuncherStyle)
        return plan.puncherBonus;
    if (styleIndex == KickerStyle)
        return plan.kickerBonus;
    return none;
}

Entity_MatchFighter::FightState *createForSituation(int situation, Entity_MatchFighter *fighter)
{
    for (const AttackChoicePlan *plan : {&outAttack(), &inAttack(), &clinchAttack()}) {
        if (plan->situation == situation)
            return plan->create(fighter);
    }
    return nullptr;
}

} // namespace AttackChoiceTable
