// The rating model against the reference implementation's vectors, and
// the properties of its weights.
#include "stats/rating_model.h"

#include <gtest/gtest.h>
#include <rapidjson/document.h>

#include <cmath>
#include <vector>

#include "test_util.h"

namespace {

struct vector_game {
  std::vector<rated_player> players;
  std::vector<double> ranks;
};

// One game of the vectors file: its teams' players (before or after).
vector_game read_game(const rapidjson::Value& game, const char* side) {
  vector_game result;
  int group = 0;
  for (const auto& team : game[side].GetArray()) {
    for (const auto& player : team.GetArray()) {
      result.players.push_back(
          {{player[0].GetDouble(), player[1].GetDouble()}, group, 1.0});
    }
    result.ranks.push_back(game["rank"][group].GetDouble());
    ++group;
  }
  return result;
}

TEST(rating_model_test, matches_reference_vectors) {
  rapidjson::Document document;
  const std::string text = read_file(MORV_SOURCE_DIR "/tests/rating_vectors.json");
  document.Parse<rapidjson::kParseFullPrecisionFlag>(text.c_str());
  ASSERT_FALSE(document.HasParseError());
  // The vectors were made with the defaults, which the model must keep.
  const rating_params defaults;
  EXPECT_EQ(document["params"]["mu"].GetDouble(), defaults.mu);
  EXPECT_EQ(document["params"]["sigma"].GetDouble(), defaults.sigma);
  EXPECT_EQ(document["params"]["beta"].GetDouble(), defaults.beta);
  EXPECT_EQ(document["params"]["kappa"].GetDouble(), defaults.kappa);
  EXPECT_EQ(document["params"]["tau"].GetDouble(), defaults.tau);
  weng_lin model;
  const auto& games = document["games"].GetArray();
  ASSERT_GE(games.Size(), 40u);
  for (rapidjson::SizeType g = 0; g < games.Size(); ++g) {
    vector_game game = read_game(games[g], "teams");
    const vector_game expected = read_game(games[g], "after");
    model.rate(game.players, game.ranks);
    for (size_t j = 0; j < game.players.size(); ++j) {
      EXPECT_NEAR(game.players[j].belief.mu, expected.players[j].belief.mu, 1e-9)
          << "game " << g << " player " << j;
      EXPECT_NEAR(game.players[j].belief.sigma,
                  expected.players[j].belief.sigma, 1e-9)
          << "game " << g << " player " << j;
    }
  }
}

// A game of five groups (two teams of two, three players alone, two
// ranks tied), rated with the weight of player 2 (a member of the team
// that won) at each value in turn.
std::vector<rated_player> rate_with_weight(double weight) {
  std::vector<rated_player> players = {
      {{30, 4}, 0, 1}, {{22, 6}, 0, 1}, {{27, 5}, 1, weight},
      {{25, 25.0 / 3}, 1, 1}, {{18, 2}, 2, 1}, {{33, 7}, 3, 1},
      {{24, 3}, 4, 1}};
  const std::vector<double> ranks = {2, 1, 3, 3, 5};
  weng_lin().rate(players, ranks);
  return players;
}

TEST(rating_model_test, weight_scales_a_players_change) {
  // Weight 1 is the plain update: the vectors' games have weight 1.
  // Weight 0: the player's belief stays exactly as it was.
  const std::vector<rated_player> none = rate_with_weight(0.0);
  EXPECT_EQ(none[2].belief.mu, 27.0);
  EXPECT_EQ(none[2].belief.sigma, 5.0);
  // The gain in mu and the loss in sigma grow with the weight.
  double gain = 0, loss = 0;
  for (double weight : {0.1, 0.25, 0.5, 0.75, 1.0}) {
    const skill after = rate_with_weight(weight)[2].belief;
    EXPECT_GT(after.mu - 27.0, gain) << weight;
    EXPECT_GT(5.0 - after.sigma, loss) << weight;
    gain = after.mu - 27.0;
    loss = 5.0 - after.sigma;
  }
}

// Three equal players alone; the last has weight 0.5 and the given rank.
double change_of_part_timer(double weight, double rank) {
  std::vector<rated_player> players = {
      {{25, 5}, 0, 1}, {{25, 5}, 1, 1}, {{25, 5}, 2, weight}};
  const std::vector<double> ranks = {2, 2.5, rank};
  weng_lin().rate(players, ranks);
  return players[2].belief.mu - 25;
}

TEST(rating_model_test, a_player_alone_counts_by_the_time_played) {
  // Who played half the game is expected to score less: finishing last
  // costs less, and winning gains more, than the scaled change alone.
  const double half = std::sqrt(0.5);
  EXPECT_GT(change_of_part_timer(0.5, 3), half * change_of_part_timer(1, 3));
  EXPECT_GT(change_of_part_timer(0.5, 1), half * change_of_part_timer(1, 1));
  EXPECT_LT(change_of_part_timer(0.5, 3), 0);
}

}  // namespace
