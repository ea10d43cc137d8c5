#!/usr/bin/env python3
"""Measures how well ratings predict games: Morv's against two baselines.

Reads the JSON export of one or more Morv runs (morv --json), replays each
run's games in page order and, before every game, predicts the order of
each evaluated pair of its players from three sets of ratings:

  morv    the export's own rating_before of both players, with the model's
          Plackett-Luce pair form P(a before b) = 1 / (1 + exp(-(mu_a -
          mu_b) / c)), c = sqrt(2 beta^2 + sigma_a^2 + sigma_b^2), beta from
          rating_model;
  elo     Elo over every pair of a game's players with different results,
          teammates never paired: start 1500, K = 32 per pair, 400-point
          scale; all pairs of a game use the ratings before it;
  glicko  Glicko-1 over the same pairs: start 1500, RD 350, one rating
          period per game: before it RD = min(sqrt(RD^2 + 10^2), 350) for
          every player of the game, then the period's results are the
          player's pairs of that game; a pair is predicted with
          E = 1 / (1 + 10^(-g(sqrt(RD_a^2 + RD_b^2)) (r_a - r_b) / 400)).

A player is the run-wide player (the export's number, else the plain name
in lower case), once per game. Each pool (ffa, duel, team) has its own
ratings in every method. A game's
pool is its rating_pool when the export has one (null: not rated), else
duel for 1on1, team for a team game, ffa otherwise.

Result of a player in a game: frags in ffa and duel games; in team games the
team's score (teams[].frags: kills less team kills, suicides and world
deaths). A player takes part (is rated in the game) when the export gives
rating_before, or, in an export without ratings, when the player has a
result (team games: a player who ended on red or blue).

Evaluated pairs, the same for every method: in a game with at least two
players who have MIN_PRIOR (5) or more earlier rated games in the pool,
every pair of such players with different results that are not teammates
(--all-pairs: every such pair of the game's players).
A prediction of exactly 1/2 counts as half right; log-loss is -ln P(the
actual order), P clamped to [1e-12, 1 - 1e-12].

Per corpus and pool the table gives, for each method, the pairwise order
accuracy and the mean log-loss with 95% percentile bootstrap intervals
(games resampled with replacement, fixed seed), and, where a strengths file
is given for the corpus (tools/loggen --strengths), Spearman's rho between
the hidden strengths and the final ffa ratings (morv: mu - 3 sigma from
players[].ratings.ffa; elo: rating; glicko: r) over the players with at
least MIN_GAMES (10) rated ffa games who are in the file (names compared
without colour codes, in lower case), the same players for every method.

--scale adds, per corpus and pool, the single factor on Morv's pair margin
(mu_a - mu_b) / c, from 0.05 to 3, that gives the lowest log-loss over the
pairs, and that log-loss: a diagnostic of calibration (fitted on the pairs
it is measured on), not a prediction.

Standard library only. Usage:
  rating_eval.py [options] LABEL=EXPORT.json [LABEL=EXPORT.json ...]
  rating_eval.py --self-check   (the baselines against known values)
"""

import argparse
import json
import math
import random
import re
import sys

METHODS = ("morv", "elo", "glicko")
POOLS = ("ffa", "duel", "team")
CLAMP = 1e-12

ELO_START, ELO_K, ELO_SCALE = 1500.0, 32.0, 400.0
GLICKO_START, GLICKO_RD, GLICKO_GROWTH = 1500.0, 350.0, 10.0
GLICKO_Q = math.log(10) / 400


# --- the baselines -------------------------------------------------------

def elo_expect(ra, rb):
    """Elo's probability that a finishes before b."""
    return 1 / (1 + 10 ** ((rb - ra) / ELO_SCALE))


def elo_update(ratings, players, pairs):
    """One game of pairwise Elo; pairs are (winner, loser)."""
    delta = {p: 0.0 for p in players}
    for w, l in pairs:
        e = elo_expect(ratings.get(w, ELO_START), ratings.get(l, ELO_START))
        delta[w] += ELO_K * (1 - e)
        delta[l] -= ELO_K * (1 - e)
    for p, d in delta.items():
        ratings[p] = ratings.get(p, ELO_START) + d


def glicko_g(rd):
    return 1 / math.sqrt(1 + 3 * (GLICKO_Q * rd / math.pi) ** 2)


def glicko_expect(a, b):
    """Glicko's probability that a finishes before b; a, b are (r, RD)."""
    g = glicko_g(math.hypot(a[1], b[1]))
    return 1 / (1 + 10 ** (-g * (a[0] - b[0]) / 400))


def glicko_grow(ratings, players):
    """The start of a rating period: RD grows for the game's players."""
    for p in players:
        r, rd = ratings.get(p, (GLICKO_START, GLICKO_RD))
        ratings[p] = (r, min(math.hypot(rd, GLICKO_GROWTH), GLICKO_RD))


def glicko_update(ratings, players, pairs):
    """One rating period of Glicko-1 with the game's pairs as its results;
    expects glicko_grow to have run for the game."""
    games = {p: [] for p in players}
    for w, l in pairs:
        games[w].append((ratings[l], 1.0))
        games[l].append((ratings[w], 0.0))
    updated = {}
    for p, results in games.items():
        if not results:
            continue
        r, rd = ratings[p]
        inv_d2 = 0.0
        gain = 0.0
        for (rj, rdj), score in results:
            g = glicko_g(rdj)
            e = 1 / (1 + 10 ** (-g * (r - rj) / 400))
            inv_d2 += GLICKO_Q ** 2 * g * g * e * (1 - e)
            gain += g * (score - e)
        precision = 1 / rd ** 2 + inv_d2
        updated[p] = (r + GLICKO_Q / precision * gain,
                      math.sqrt(1 / precision))
    ratings.update(updated)


def morv_expect(a, b, beta):
    """Morv's Plackett-Luce pair form; a, b are rating_before objects."""
    c = math.sqrt(2 * beta * beta + a["sigma"] ** 2 + b["sigma"] ** 2)
    return 1 / (1 + math.exp(-(a["mu"] - b["mu"]) / c))


# --- reading a run -------------------------------------------------------

COLOUR = re.compile(r"\^.", re.S)


def plain_key(name):
    """A name as Morv merges players: colour codes out, lower case."""
    return COLOUR.sub("", name).lower()


def player_key(player):
    number = player.get("number")
    if number is not None:
        return ("n", number)
    return ("p", player["plain"].lower())


def game_pool(game):
    if "rating_pool" in game:
        return game["rating_pool"]
    if game.get("gametype_name") == "1on1":
        return "duel"
    return "team" if game.get("team_game") else "ffa"


def team_scores(game):
    scores = {t["team"]: t["frags"] for t in game.get("teams", [])}
    for p in game["players"]:
        team = p.get("team")
        if team in ("red", "blue") and team not in scores:
            scores[team] = sum(q["score"] for q in game["players"]
                               if q.get("team") == team)
    return scores


def participants(game, pool, rated_export):
    """(key, result, team, rating_before) of the game's rated players, one
    entry per run-wide player: a player with two records in a game (two
    names that are one player) counts once, with the frags of both in a
    free-for-all game and the team of the first record in a team game."""
    scores = team_scores(game) if pool == "team" else {}
    merged = {}
    for p in game["players"]:
        team = p.get("team")
        if pool == "team":
            if team not in scores:
                continue
            result = scores[team]
        else:
            result, team = p["frags"], None
        before = p.get("rating_before")
        if rated_export and before is None:
            continue
        key = player_key(p)
        if key not in merged:
            merged[key] = [key, result, team, before]
        elif pool != "team":
            merged[key][1] += result
    return [tuple(entry) for entry in merged.values()]


def ordered_pairs(players):
    """(winner, loser) index pairs of players with different results,
    teammates left out."""
    pairs = []
    for i in range(len(players)):
        for j in range(i + 1, len(players)):
            a, b = players[i], players[j]
            if a[1] == b[1] or (a[2] is not None and a[2] == b[2]):
                continue
            pairs.append((i, j) if a[1] > b[1] else (j, i))
    return pairs


# --- the replay ----------------------------------------------------------

class pool_state:
    """Ratings of every method in one pool, and what was measured there."""

    def __init__(self):
        self.elo = {}
        self.glicko = {}
        self.rated_games = {}
        # Per evaluated game: [pairs, {method: (right, log-loss sum)}].
        self.games = []


def predict(players, pairs, state, beta, min_prior, all_pairs):
    """Scores the game's evaluated pairs before the game updates anything;
    returns (pairs, {method: (right, loss)}, morv's margins) or None."""
    qualified = [state.rated_games.get(p[0], 0) >= min_prior for p in players]
    if sum(qualified) < 2:
        return None
    sums = {m: [0.0, 0.0] for m in METHODS}
    margins = []  # morv's (mu_w - mu_l) / c of each pair, winner first
    count = 0
    for w, l in pairs:
        if not (all_pairs or (qualified[w] and qualified[l])):
            continue
        a, b = players[w], players[l]
        chances = {
            "elo": elo_expect(state.elo.get(a[0], ELO_START),
                              state.elo.get(b[0], ELO_START)),
            "glicko": glicko_expect(state.glicko[a[0]], state.glicko[b[0]]),
        }
        if beta is not None:
            chances["morv"] = morv_expect(a[3], b[3], beta)
            margins.append(math.log(chances["morv"] / (1 - chances["morv"])))
        for method, chance in chances.items():
            right = 1.0 if chance > 0.5 else 0.5 if chance == 0.5 else 0.0
            sums[method][0] += right
            sums[method][1] -= math.log(min(max(chance, CLAMP), 1 - CLAMP))
        count += 1
    if count == 0:
        return None
    if beta is None:
        del sums["morv"]
    return count, sums, margins


def replay(export, min_prior, all_pairs=False):
    """Replays a run; returns {pool: pool_state}."""
    model = export.get("rating_model")
    beta = model["beta"] if model else None
    states = {pool: pool_state() for pool in POOLS}
    for game in export["games"]:
        pool = game_pool(game)
        if pool not in states:
            continue
        state = states[pool]
        players = participants(game, pool, model is not None)
        keys = [p[0] for p in players]
        index_pairs = ordered_pairs(players)
        key_pairs = [(keys[w], keys[l]) for w, l in index_pairs]
        glicko_grow(state.glicko, keys)
        measured = predict(players, index_pairs, state, beta, min_prior,
                           all_pairs)
        if measured:
            state.games.append(measured)
        elo_update(state.elo, keys, key_pairs)
        glicko_update(state.glicko, keys, key_pairs)
        for k in keys:
            state.rated_games[k] = state.rated_games.get(k, 0) + 1
    return states


# --- figures -------------------------------------------------------------

def totals(games, method):
    pairs = right = loss = 0.0
    for count, sums, _ in games:
        if method in sums:
            pairs += count
            right += sums[method][0]
            loss += sums[method][1]
    return (right / pairs, loss / pairs) if pairs else (None, None)


def bootstrap(games, methods, rounds, seed):
    """95% percentile intervals of accuracy and log-loss per method: the
    same resamples of the games (with replacement) for every method."""
    draw = random.Random(seed)
    n = len(games)
    counts = [g[0] for g in games]
    columns = {m: ([g[1][m][0] for g in games], [g[1][m][1] for g in games])
               for m in methods}
    samples = {m: ([], []) for m in methods}
    for _ in range(rounds):
        picks = draw.choices(range(n), k=n)
        pairs = sum(counts[i] for i in picks)
        for m, (rights, losses) in columns.items():
            samples[m][0].append(sum(rights[i] for i in picks) / pairs)
            samples[m][1].append(sum(losses[i] for i in picks) / pairs)

    def interval(values):
        values.sort()
        return (values[int(0.025 * (rounds - 1))],
                values[int(0.975 * (rounds - 1))])
    return {m: (interval(a), interval(l)) for m, (a, l) in samples.items()}


def ranks(values):
    """Ranks from 1, ties sharing their average rank."""
    order = sorted(range(len(values)), key=lambda i: values[i])
    result = [0.0] * len(values)
    i = 0
    while i < len(order):
        j = i
        while j + 1 < len(order) and values[order[j + 1]] == values[order[i]]:
            j += 1
        for k in range(i, j + 1):
            result[order[k]] = (i + j) / 2 + 1
        i = j + 1
    return result


def spearman(xs, ys):
    if len(xs) < 3:
        return None
    rx, ry = ranks(xs), ranks(ys)
    mx, my = sum(rx) / len(rx), sum(ry) / len(ry)
    cov = sum((a - mx) * (b - my) for a, b in zip(rx, ry))
    vx = sum((a - mx) ** 2 for a in rx)
    vy = sum((b - my) ** 2 for b in ry)
    return cov / math.sqrt(vx * vy) if vx and vy else None


def read_strengths(path):
    strengths = {}
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            name, _, value = line.rstrip("\n").rpartition("\t")
            if name:
                strengths[plain_key(name)] = float(value)
    return strengths


def correlations(export, state, strengths, min_games):
    """Spearman's rho of each method's final ffa ratings with the hidden
    strengths, and the number of players it is taken over."""
    rows = []
    for p in export["players"]:
        key = player_key(p)
        strength = strengths.get(p["plain"].lower())
        if strength is None or state.rated_games.get(key, 0) < min_games:
            continue
        ffa = p.get("ratings", {}).get("ffa")
        if "rating_model" in export and ffa is None:
            continue
        rows.append((strength, ffa["rating"] if ffa else None,
                     state.elo.get(key, ELO_START), state.glicko[key][0]))
    truth = [r[0] for r in rows]
    rho = {"elo": spearman(truth, [r[2] for r in rows]),
           "glicko": spearman(truth, [r[3] for r in rows])}
    if "rating_model" in export:
        rho["morv"] = spearman(truth, [r[1] for r in rows])
    return rho, len(rows)


# --- the table -----------------------------------------------------------

def text(value, digits=3):
    return "n/a" if value is None else f"{value:.{digits}f}"


def span(value, interval):
    if value is None:
        return "n/a"
    if interval is None:
        return text(value)
    return f"{value:.3f} [{interval[0]:.3f}, {interval[1]:.3f}]"


def report(label, export, args, strengths):
    states = replay(export, args.min_prior, args.all_pairs)
    measured = [(pool, states[pool].games) for pool in POOLS
                if states[pool].games]
    if len(measured) > 1:
        measured.append(("all", [g for _, games in measured for g in games]))
    lines = []
    for pool, games in measured:
        methods = [m for m in METHODS if m in games[0][1]]
        intervals = {}
        if args.bootstrap > 0:
            intervals = bootstrap(games, methods, args.bootstrap, args.seed)
        rho, rho_players = {}, 0
        if pool == "ffa" and strengths is not None:
            rho, rho_players = correlations(export, states[pool], strengths,
                                            args.min_games)
        pairs = sum(g[0] for g in games)
        for method in METHODS:
            accuracy, loss = totals(games, method)
            acc_ci, loss_ci = intervals.get(method, (None, None))
            rho_text = (f"{text(rho.get(method))} ({rho_players})"
                        if pool == "ffa" and strengths is not None else "")
            lines.append(f"{label:<10} {pool:<5} {len(games):>6} {pairs:>7} "
                         f"{method:<7} {span(accuracy, acc_ci):<24} "
                         f"{span(loss, loss_ci):<24} {rho_text}")
    return lines


def best_scale(games):
    """The single factor f on morv's (mu_a - mu_b) / c that gives the
    lowest log-loss over the pairs (a diagnostic of calibration, fitted on
    the pairs it is measured on), as (f, log-loss)."""
    margins = [z for g in games for z in g[2]]
    if not margins:
        return None

    def loss(factor):
        return sum(math.log1p(math.exp(-factor * z)) if factor * z > -30
                   else -factor * z for z in margins) / len(margins)
    return min((loss(f / 20), f / 20) for f in range(1, 61))[::-1]


def scale_lines(label, export, args):
    states = replay(export, args.min_prior, args.all_pairs)
    lines = []
    for pool in POOLS:
        fitted = best_scale(states[pool].games)
        if fitted:
            lines.append(f"{label:<10} {pool:<5} morv with (mu_a - mu_b) / c "
                         f"times {fitted[0]:.2f}: log-loss {fitted[1]:.3f}")
    return lines


def self_check():
    """Known values: Glickman's worked example of Glicko-1, Elo's zero sum,
    the pair forms at equal ratings, Spearman's rho with ties."""
    glicko = {"a": (1500, 200), "b": (1400, 30), "c": (1550, 100),
              "d": (1700, 300)}
    glicko_update(glicko, "abcd", [("a", "b"), ("c", "a"), ("d", "a")])
    elo = {"a": 1600.0}
    elo_update(elo, "abc", [("b", "a"), ("b", "c"), ("a", "c")])
    even = {"mu": 25.0, "sigma": 8.0}
    checks = [
        abs(glicko["a"][0] - 1464.1) < 0.05,
        abs(glicko["a"][1] - 151.4) < 0.05,
        abs(sum(elo.values()) - 4600) < 1e-9, elo["b"] > 1500 > elo["c"],
        morv_expect(even, even, 25 / 6) == 0.5,
        abs(morv_expect({"mu": 30, "sigma": 0}, {"mu": 25, "sigma": 0}, 2.5)
            - 1 / (1 + math.exp(-5 / math.sqrt(12.5)))) < 1e-15,
        ranks([3, 1, 3, 2]) == [3.5, 1, 3.5, 2],
        spearman([1, 2, 3, 4], [10, 20, 40, 30]) == 0.8,
        ordered_pairs([("a", 5, None, None), ("b", 7, None, None),
                       ("c", 5, None, None)]) == [(1, 0), (1, 2)],
        ordered_pairs([("a", 9, "red", None), ("b", 9, "red", None),
                       ("c", 2, "blue", None)]) == [(0, 2), (1, 2)],
    ]
    failed = [i for i, ok in enumerate(checks) if not ok]
    print("self-check: " + ("ok" if not failed else f"FAILED {failed}"))
    return 1 if failed else 0


def main(argv):
    if argv == ["--self-check"]:
        return self_check()
    parser = argparse.ArgumentParser(
        description="Pairwise accuracy, log-loss and rank correlation of "
        "Morv's ratings and two baselines, from Morv's JSON export.")
    parser.add_argument("corpora", nargs="+", metavar="LABEL=EXPORT",
                        help="a label for the table and a run's export")
    parser.add_argument("--strengths", action="append", default=[],
                        metavar="LABEL=FILE",
                        help="hidden strengths of a corpus (loggen "
                        "--strengths): adds Spearman's rho")
    parser.add_argument("--min-prior", type=int, default=5,
                        help="rated games in the pool before a player's "
                        "pairs count (default 5)")
    parser.add_argument("--all-pairs", action="store_true",
                        help="in a game that qualifies, every pair with "
                        "different results (teammates left out), not only "
                        "pairs of players with MIN_PRIOR games")
    parser.add_argument("--min-games", type=int, default=10,
                        help="rated ffa games of a player in rho "
                        "(default 10)")
    parser.add_argument("--bootstrap", type=int, default=1000,
                        help="bootstrap rounds, 0 for none (default 1000)")
    parser.add_argument("--scale", action="store_true",
                        help="also give, per pool, the single factor on "
                        "morv's pair margin with the lowest log-loss (how "
                        "far the pair form is from calibrated)")
    parser.add_argument("--seed", type=int, default=1,
                        help="seed of the bootstrap (default 1)")
    args = parser.parse_args(argv)
    strength_files = dict(s.split("=", 1) for s in args.strengths)

    print(f"{'corpus':<10} {'pool':<5} {'games':>6} {'pairs':>7} "
          f"{'method':<7} {'accuracy [95% CI]':<24} "
          f"{'log-loss [95% CI]':<24} rho (players)")
    for corpus in args.corpora:
        label, _, path = corpus.rpartition("=")
        if not label:
            label = path
        with open(path, encoding="utf-8") as source:
            export = json.load(source)
        strengths = None
        if label in strength_files:
            strengths = read_strengths(strength_files[label])
        for line in report(label, export, args, strengths):
            print(line.rstrip())
        if args.scale and "rating_model" in export:
            for line in scale_lines(label, export, args):
                print(line)
        if "rating_model" not in export:
            print(f"{label:<10} (the export has no ratings: morv n/a)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
