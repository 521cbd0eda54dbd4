#ifndef EXCHANGERULE_H
#define EXCHANGERULE_H

class Entity_MatchFighter;

// How an exchange goes on after a strike: after more than six strikes, or
// from two on when the striker does not press on, a new exchange; otherwise
// the striker's next attack at his range (situation 6, 7 or 8; none for
// another situation). Replaces the calling state: call it last.
namespace ExchangeRule {
void apply(Entity_MatchFighter *striker);
}

#endif // EXCHANGERULE_H
