// Weng and Lin's update for the Plackett-Luce model (Algorithm 1 of the
// paper), written from its formulas; the names below are the paper's.
#include "stats/rating_model.h"

#include <algorithm>
#include <cmath>

namespace {

// exp(mu_i / c) enters only through ratios p_(i,q), so every exponent is
// taken relative to the largest; the floor keeps 1 / S_q² finite for
// spreads of skill far beyond any real one (300 c, with c > 5 beta).
constexpr double MIN_EXPONENT = -300.0;

// The least presence counted, so that its logarithm stays finite.
constexpr double MIN_PRESENCE = 1e-6;

}  // namespace

weng_lin::weng_lin(const rating_params& params) : params(params) {}

// Each group i: mu_i = sum of mu_ij, sigma²_i = sum of the players'
// variances for this game (sigma²_ij + w tau², the drift first).
void weng_lin::sum_groups(std::span<const rated_player> players,
                          std::span<const double> group_ranks) {
  groups.assign(group_ranks.size(), group_terms{});
  const double tau_sq = params.tau * params.tau;
  for (const rated_player& player : players) {
    group_terms& group = groups[static_cast<size_t>(player.group)];
    const double sigma = player.belief.sigma;
    group.mu += player.belief.mu;
    group.sigma_sq += sigma * sigma + player.weight * tau_sq;
    group.presence = ++group.players == 1 ? player.weight : 1.0;
  }
  for (size_t i = 0; i < groups.size(); ++i) groups[i].rank = group_ranks[i];
}

// The paper's sums, over the groups q with r(q) <= r(i):
//   p_(i,q) = exp(mu_i / c) / S_q,  S_q = sum of exp(mu_s / c), r(s) >= r(q)
//   Omega_i = (sigma²_i / c) sum (delta_iq - p_(i,q)) / A_q
//   Delta_i = gamma_i (sigma²_i / c²) sum p_(i,q) (1 - p_(i,q)) / A_q
// with A_q the number of groups tied with q and gamma_i = sigma_i / c (the
// reference implementation's default). The A_q tied groups of a rank
// share S_q, so per rank the sums reduce to e_i / S and (e_i / S)²; with
// the groups in rank order, U = sum 1 / S and V = sum 1 / S² run along
// the ranks, and Omega_i and Delta_i take O(1) each. A group's strength
// e_i is presence_i exp(mu_i / c) (see rated_player).
void weng_lin::compute_terms(double c) {
  order.resize(groups.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::sort(order.begin(), order.end(), [this](int a, int b) {
    const double ra = groups[static_cast<size_t>(a)].rank;
    const double rb = groups[static_cast<size_t>(b)].rank;
    return ra < rb || (ra == rb && a < b);
  });
  // exponent of group i: mu_i / c + log(presence_i)
  for (group_terms& group : groups) {
    group.e = group.mu / c + std::log(std::max(group.presence, MIN_PRESENCE));
  }
  double top = groups[0].e;
  for (const group_terms& group : groups) top = std::max(top, group.e);
  double total = 0;
  for (group_terms& group : groups) {
    group.e = std::exp(std::max(group.e - top, MIN_EXPONENT));
    total += group.e;
  }
  double u = 0, v = 0;
  double s = total;  // S_q of the current rank: its groups and all below
  for (size_t first = 0; first < order.size();) {
    size_t end = first;
    double rank_sum = 0;
    const double rank = groups[static_cast<size_t>(order[first])].rank;
    while (end < order.size() &&
           groups[static_cast<size_t>(order[end])].rank == rank) {
      rank_sum += groups[static_cast<size_t>(order[end])].e;
      ++end;
    }
    u += 1.0 / s;
    v += 1.0 / (s * s);
    const double ties = static_cast<double>(end - first);  // A_q
    for (size_t k = first; k < end; ++k) {
      group_terms& group = groups[static_cast<size_t>(order[k])];
      const double gamma = std::sqrt(group.sigma_sq) / c;
      group.omega = group.sigma_sq / c * (1.0 / ties - group.e * u);
      group.delta = gamma * group.sigma_sq / (c * c) *
                    (group.e * u - group.e * group.e * v);
    }
    s -= rank_sum;
    first = end;
  }
}

// Each player j of group i, with weight w and this game's variance
// sigma'²_ij = sigma²_ij + w tau²:
//   mu_ij      <- mu_ij + √w (sigma'²_ij / sigma²_i) Omega_i
//   sigma²_ij  <- sigma'²_ij max(1 - √w (sigma'²_ij / sigma²_i) Delta_i, kappa)
void weng_lin::rate(std::span<rated_player> players,
                    std::span<const double> group_ranks) {
  if (group_ranks.size() < 2) return;
  sum_groups(players, group_ranks);
  // c² = sum over the groups of sigma²_i + beta².
  double c_sq = 0;
  for (const group_terms& group : groups) {
    c_sq += group.sigma_sq + params.beta * params.beta;
  }
  compute_terms(std::sqrt(c_sq));
  const double tau_sq = params.tau * params.tau;
  for (rated_player& player : players) {
    if (!(player.weight > 0)) continue;
    const group_terms& group = groups[static_cast<size_t>(player.group)];
    skill& belief = player.belief;
    const double variance = belief.sigma * belief.sigma + player.weight * tau_sq;
    const double share = std::sqrt(player.weight) * variance / group.sigma_sq;
    belief.mu += share * group.omega;
    belief.sigma = std::sqrt(variance) *
                   std::sqrt(std::max(1.0 - share * group.delta, params.kappa));
  }
}
