#include "HelpTexts.h"

namespace HelpTexts {

namespace {

HelpScreen newGameHelp()
{
    return {"New Game", {
        {"1. Creating Your Manager",
         "A new game starts with your manager. Type a first and a last name, then choose a region "
         "and a nationality from that region; the flag of the nation you pick is shown beside the "
         "names.\n\nNothing on this page is checked: you may leave a name empty, but it "
         "stays that way for the whole game."},
        {"2. Skill Points",
         "Your manager has 18 skills, each from 0 to 10, and 60 skill points to spread over them. "
         "The label under the names shows how many points are left. A box cannot be raised past "
         "what the pool allows: once the points run out, any box you try to raise stops where it "
         "is until you free a point by lowering another box.\n\nThe twelve training skills (Punch, "
         "Kick, Clinch Off., Movement, Guard, Clinch Def., Power, Speed, Conditioning, Timing, "
         "Intelligence, Discipline) decide how much your fighters gain from each kind of training. "
         "The six abilities work outside the gym: Scouting shows more of other fighters' skills, "
         "Motivating makes fighters follow your instructions in a fight, Cornering gives you "
         "trainer points between rounds, Negotiating helps with contracts, Charisma makes your "
         "manager's reputation grow faster and Intuition deepens the scouting reports on your "
         "students.\n\n"
         "You may start with points unspent, but they are not kept for later."},
        {"3. Creating Your Gym",
         "The second page creates your gym. Give it a name and a signature style: Shootboxing, "
         "Kickboxing, Boxing, Taekwondo, Muay Thai, MMA or Karate.\n\nNothing is checked on "
         "either page, so make sure the names read the way you want before you go on; \"Back to "
         "Manager Creation\" takes you back to the first page with everything as you left it."},
        {"4. Gym Colours",
         "Choose a primary and a secondary colour from the fourteen on offer. The picture shows a "
         "pair of your gym's shorts: the primary colour is the shorts, the secondary colour is "
         "the trim."},
        {"5. Your Starting Gym",
         "\"Advance to Game\" opens your gym with $10,000, gym level 0, room for 3 students and "
         "1 fighter, and all 21 pieces of equipment at level 0. Your manager and your gym both "
         "start as \"Unknown\". The organizations, the free agents and the amateurs of the world "
         "are set up fresh for the new game, and the game starts on the Profile screen."},
        {"6. Getting Started",
         "A good first week:\n\n1. Open Management and then \"View Current Students\" to meet "
         "your students, and turn the most promising one into your first fighter with \"Train "
         "this Student\".\n2. Open Training and give him a training plan.\n3. Press Next Day to "
         "let the days pass; watch the news for his progress.\n4. Look out for match offers on "
         "the Management screen, or negotiate a contract with an organization.\n\nSave your game "
         "often with the Save/Load button."},
    }};
}

HelpScreen profileHelp()
{
    return {"Profile", {
        {"1. The Manager Profile",
         "The Profile screen opens on your manager: his name and flag, his reputation, his "
         "record as a manager and his 18 skills. The record counts the wins and losses of your "
         "fighters, both over the whole career and with the fighters you have now."},
        {"2. Reputation",
         "Your manager's reputation grows when your fighters win. When the reputation moves up "
         "a step after an event, your manager levels up: you get 10 more skill points to spend "
         "on his skills right after the match summary."},
        {"3. Importing Fighters",
         "\"Import Fighter Into Database\" brings a fighter from an export file into the world "
         "of your running game as a free agent, where organizations can sign him like anyone "
         "else."},
        {"4. Your Fighters",
         "Choose one of your fighters in the list at the top to see his page: portrait, "
         "personal data, bio, record, dated results, titles and his 48 skill ratings. \"Manager "
         "Profile\" goes back to your manager."},
        {"5. Export and Fantasy Matches",
         "\"Export Fighter\" writes the fighter to a file in the Exports folder, so that he can "
         "be carried into another game or passed to a friend. \"Import Fantasy Match\" picks an "
         "exported fighter and lets him fight yours at once, on the live event screen. A fantasy "
         "match counts for nothing: no record, no money and no reputation change."},
        {"6. Retirement and Bio",
         "\"Retire Fighter\" ends the career of the fighter shown and removes him from your gym, "
         "after you confirm it; this cannot be undone. A fighter whose organization holds an "
         "event today cannot retire until it is over.\n\nType a story into the bio box and press "
         "\"Update Fighter Bio\" to keep it."},
    }};
}

HelpScreen trainingHelp()
{
    return {"Training", {
        {"1. Gym Info",
         "The Training screen opens on your gym: its name, style, prestige, money, level and "
         "slots, your fighters and the 21 pieces of training equipment with their levels."},
        {"2. Upgrading the Gym",
         "Each gym level adds room for more students and fighters. Each piece of equipment can "
         "be raised one level at a time, up to level 10; the price grows with the level, from "
         "$1,000 for the first step. An upgrade is only made when you have the money for it."},
        {"3. Equipment and Training",
         "Better equipment makes the training on it count for more: the main skills of a "
         "workout gain more, and the skills it can cost you lose less."},
        {"4. Training Plans",
         "\"To Training Plans\" shows one fighter at a time with his learning speed, his fatigue "
         "and this month's training log. The 22 plan buttons set what he does every day: rest, "
         "or a day on one of the 21 kinds of equipment from the heavy bag to the rattan sticks. "
         "The plan holds every day until you change it."},
        {"5. How a Day of Training Works",
         "Each workout raises the progress of its main skills and a few side skills, and may "
         "lower some others. When a skill's progress is full the fighter levels that skill up; "
         "when it runs out he loses a level. Your manager's skill in the workout's area drives "
         "the gains, the fighter's learning speed adds to them, and fatigue holds them back.\n\n"
         "A day of training costs money, more for better equipment. When the gym cannot pay, "
         "the fighter cannot train that day."},
        {"6. Fatigue and Rest",
         "Training tires a fighter and resting lets him recover. A tired fighter gains less and "
         "fights worse, so give him days of rest, above all before a match."},
    }};
}

HelpScreen managementHelp()
{
    return {"Management", {
        {"1. Revenue",
         "The top of the Management screen shows this month's and last month's money: training "
         "costs, upgrade costs, student fees and purses. A new month starts on the 1st, when your "
         "students pay their lesson fees; the more prestige your gym has, the more they pay."},
        {"2. Contracts",
         "Choose one of your fighters to see his contract: the organization, the matches left "
         "and his purse. A fighter with no contract is a free agent.\n\nTo sign him, choose an "
         "organization, ask for a number of matches and a purse, and negotiate. The "
         "organization's prestige, its willingness to deal with you, your fighter's reputation "
         "and your manager's Negotiating all count. When a contract runs out of matches, the "
         "fighter is a free agent again."},
        {"3. Bookings",
         "The bookings list shows which of your fighters is booked on which event. A fighter "
         "signed to an organization is booked by that organization into its own events."},
        {"4. Match Offers",
         "Organizations sometimes offer one of your unsigned fighters a single match at their "
         "next event. Accept an offer to book him, or reject it. Offers do not wait: an offer "
         "disappears once its event is less than about a week away."},
        {"5. Students",
         "\"View Current Students\" shows your students one at a time: their data, portrait and "
         "skill ratings. Students pay a fee every month and sometimes a new one joins the gym, "
         "as long as there is a free student slot."},
        {"6. Scouting Reports",
         "Your manager writes a scouting report on each student. The higher his Intuition, the "
         "more the report tells you about the student's talent."},
        {"7. Turning Students Into Fighters",
         "\"Train this Student\" makes the student one of your fighters, if the gym has a free "
         "fighter slot. Only your fighters can train with a plan, sign contracts and fight."},
    }};
}

HelpScreen eventsHelp()
{
    return {"Events", {
        {"1. The Calendar",
         "The Events screen opens on today's date. Pick a day in the calendar to list every "
         "organization's events on that day, then pick an event to see its card: place, tier, "
         "the matches and the fighters booked on them. Open places on a card read \"TBA\"."},
        {"2. One-Match Appearances",
         "From an event's card you can ask for a one-match appearance: choose one of your "
         "fighters, type a purse and negotiate. Only a fighter who is a free agent can take "
         "one. If the organization agrees, he is booked on that event with a contract for that "
         "one match."},
        {"3. Event Day",
         "On the day of an event with one of your fighters, Next Day first takes you to the "
         "event itself: the whole card is fought in front of you before the day moves on."},
    }};
}

HelpScreen databaseHelp()
{
    return {"Database", {
        {"1. Browsing Fighters",
         "The Database screen lists the fighters of the world. Choose an organization, the free "
         "agents or the amateurs, narrow the list to one region, or ask for the ranking. Picking "
         "a fighter shows a short summary with his flag and where he comes from on the world "
         "map."},
        {"2. Finding Opponents",
         "Use the database to size up future opponents and to keep an eye on the free agents "
         "that organizations may sign."},
        {"3. The Fighter Page",
         "The fighter page shows everything about the fighter you picked: personal data, "
         "portrait, bio, record, fight history, titles and his 48 skill ratings."},
        {"4. Scouting",
         "How much of a fighter's skills you see depends on your manager's Scouting. A rating "
         "your manager cannot judge shows \"?\". At the highest Scouting you also learn the "
         "fighter's fight style."},
    }};
}

HelpScreen organizationsHelp()
{
    return {"Organizations", {
        {"1. The Organizations",
         "Every organization has a tier, from \"Elite\" down to \"Regional\". The higher the "
         "tier, the better the fighters it signs and the more its matches are worth."},
        {"2. Rankings and Champions",
         "For the organization you pick you see its head, nation, tier and bio, the ranking of "
         "its fighters, its champions and its recent events. A better ranking brings bigger "
         "matches and title shots."},
        {"3. Event Results",
         "Pick one of the recent events to read its results, match by match."},
    }};
}

HelpScreen nextDayHelp()
{
    return {"Next Day", {
        {"1. Moving On a Day",
         "Next Day moves the game on by one day. If one of your fighters fights today, the "
         "event is played first; otherwise the day runs at once and its news is shown."},
        {"2. What Happens Each Day",
         "In order: your fighters train or rest by their plans, a new student may join, the "
         "other organizations' events of the day are fought, the date moves on, fighters have "
         "birthdays and some retire, organizations sign free agents and settle contracts, "
         "expired offers are dropped, events are booked and new offers are made."},
        {"3. New Months and Years",
         "On the first day of a month the month's books close and your students pay their "
         "fees. A new year also starts the organizations' new season."},
        {"4. Reading the News",
         "The news is grouped by kind: your gym's training, fighter news, free agent and "
         "contract news, event booking news and the results of the day's events. \"Proceed to "
         "next day\" takes you back to the screen you were on."},
        {"5. Money Trouble",
         "Training costs are paid every day. Keep an eye on your money: when it runs low, your "
         "fighters cannot train."},
    }};
}

HelpScreen combatHelp()
{
    return {"Combat", {
        {"1. Watching a Match",
         "A match is three rounds of three minutes. The fighters move between long range, the "
         "pocket and the clinch, and throw punches, kicks, knees and elbows that the other "
         "blocks, dodges or counters. The commentary tells you what happens, with the clock and "
         "the scoreboard below it."},
        {"2. The Controls",
         "Step through the match yourself with \"Next Step\", let it run on its own with \"Start "
         "Timer\", or simulate it to the end with \"Sim to End\". "
         "The tale of the tape before each match shows both fighters side by side."},
        {"3. Instructions",
         "During the rounds you can shout an instruction from the list: slow down, press "
         "forward, fight inside, cover up and more. Whether your fighter listens depends on him "
         "and on your manager's Motivating."},
        {"4. How a Match Is Won",
         "A fighter who takes too much damage to the head, body, arms or legs can be knocked "
         "down or knocked out. If both fighters last three rounds, three judges score each round "
         "ten points to the winner and fewer to the loser, and the scorecards decide it: "
         "unanimous, majority or split. A drawn match goes into an extra round."},
        {"5. The Corner",
         "Between the rounds of your own fighter's match you work his corner. You see his "
         "condition and his statistics, and you can give him a strategy."},
        {"6. Trainer Points",
         "Your manager's Cornering gives you trainer points to spend on four corner actions: "
         "\"Heal Wounds\", \"Provide Water\", \"Motivate\" and \"Discuss Strategy\". Each action "
         "has a chance to help: healing restores health, water restores stamina, motivation "
         "toughens him and strategy sharpens him for the next round."},
        {"7. After the Match",
         "The match summary shows your fighter's statistics. A win pays the gym from his purse "
         "and raises his and your manager's reputation."},
    }};
}

HelpScreen faqHelp()
{
    return {"FAQ", {
        {"1. How do I get my first fighter?",
         "Open Management, then \"View Current Students\", pick a student and press \"Train this "
         "Student\". He needs a free fighter slot in your gym."},
        {"2. Why did my fighter not train today?",
         "Either his plan is rest, or the gym did not have the money for the day's training."},
        {"3. How do I get my fighter a match?",
         "Sign him to an organization on the Management screen, accept a match offer, or "
         "negotiate a one-match appearance on the Events screen while he is a free agent."},
        {"4. How do I get more fighter slots?",
         "Upgrade the gym level on the Training screen."},
        {"5. How do I save my game?",
         "Press the Save/Load button, type a name and press \"Save\". Saves are kept in the "
         "Saves folder and can be loaded from the main menu or during a game."},
        {"6. What does going back to the main menu do?",
         "It ends the running game. Anything you have not saved is lost."},
    }};
}

} // namespace

const QVector<HelpScreen> &screens()
{
    static const QVector<HelpScreen> table = {
        newGameHelp(), profileHelp(), trainingHelp(), managementHelp(), eventsHelp(),
        databaseHelp(), organizationsHelp(), nextDayHelp(), combatHelp(), faqHelp(),
    };
    return table;
}

} // namespace HelpTexts
