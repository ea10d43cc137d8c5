// The skill rating's model: Weng and Lin's Bayesian approximation with the
// Plackett-Luce model ("A Bayesian Approximation Method for Online
// Ranking", JMLR 12, 2011, Algorithm 1), for groups (teams) of players,
// ranks with ties and a weight per player.
#ifndef MORV_STATS_RATING_MODEL_H_
#define MORV_STATS_RATING_MODEL_H_

#include <span>
#include <vector>

// The model's constants: a new player's belief N(mu, sigma²), the
// performance spread beta, the floor kappa of a variance's shrink factor,
// and tau, the drift of skill from one game to the next: every player's
// variance grows by tau² before each game (sigma² + tau²). The defaults are
// those of the reference implementation.
struct rating_params {
  double mu = 25.0;
  double sigma = 25.0 / 3.0;
  double beta = 25.0 / 6.0;
  double kappa = 0.0001;
  double tau = 25.0 / 300.0;
};

// A belief about a player's skill: mean and standard deviation.
struct skill {
  double mu;
  double sigma;
  // What a person sees: the conservative estimate mu - 3 sigma.
  double conservative() const { return mu - 3.0 * sigma; }
};

// One player of a game to be rated: the belief (updated in place), the
// group (team) played in, and the weight of the game for this player, in
// 0 to 1 (the share of the game played). Weight 1 is the plain update.
// Weight w does two things:
//  - A group of one player w < 1 was in the game for that share of it, so
//    it is expected to score that share of what it would have scored in
//    the whole game: its strength exp(mu_i / c) counts w times. Without
//    this, whoever joined late would lose to everyone for lack of time.
//    (A team is in the game throughout, whoever of it played.)
//  - The player's own change is scaled: the variance's growth by w tau²,
//    both terms of the update by the square root of w (which predicted
//    better than w on the synthetic leagues and no worse on real logs).
// So weight 0 changes nothing and the effect grows with the weight. The
// other players see a player's weight in the drift w tau² that it adds to
// its group's variance and in the group's strength.
struct rated_player {
  skill belief;
  int group;
  double weight;
};

// Rates games with fixed constants. Holds scratch space, so rating a game
// allocates nothing once the largest game so far is seen; one object per
// thread.
class weng_lin {
 public:
  explicit weng_lin(const rating_params& params = rating_params{});

  // Updates the belief of every player of one game. group_ranks holds each
  // group's place (lower is better, equal values tie); every player's group
  // indexes it, and every group has a player. Fewer than two groups
  // change nothing.
  void rate(std::span<rated_player> players,
            std::span<const double> group_ranks);

  const rating_params params;

 private:
  // A group's sums and the terms of its update.
  struct group_terms {
    double mu = 0;        // mu_i: sum of its players' means
    double sigma_sq = 0;  // sigma²_i: sum of its players' variances
    double rank = 0;
    double presence = 1;  // the share of the game the group was there
    int players = 0;
    double e = 0;         // presence exp(mu_i / c), scaled
    double omega = 0;     // Omega_i
    double delta = 0;     // Delta_i
  };
  void sum_groups(std::span<const rated_player> players,
                  std::span<const double> group_ranks);
  void compute_terms(double c);

  std::vector<group_terms> groups;
  std::vector<int> order;  // group indexes, best rank first
};

#endif  // MORV_STATS_RATING_MODEL_H_
