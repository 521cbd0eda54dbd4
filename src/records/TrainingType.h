#ifndef TRAININGTYPE_H
#define TRAININGTYPE_H

// The day's plan of one of the player's fighters: 0 is a rest day, 1 to 21
// train on the gym's equipment of that kind.
namespace TrainingType {
enum Type {
    Rest = 0,
    HeavyBag, FocusMitts, SpeedBag, BananaBag, WallBag, ThaiPads, Sparring,
    ShadowBoxing, Grappling, SwerveBag, MovementDrills, FoamSticks, SkippingRope,
    KettleBells, Running, Plyometrics, HeavyWeights, VideoTape, GamePlanning,
    Meditation, RattanSticks,
    Count
};
}

#endif // TRAININGTYPE_H
