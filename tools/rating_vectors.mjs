// Writes the rating model's test vectors (tests/rating_vectors.json): games
// rated by the reference implementation, openskill 5.0.1's rate() with its
// Plackett-Luce model and default constants (mu 25, sigma 25/3, beta 25/6,
// kappa 0.0001, tau 25/300: every sigma becomes sqrt(sigma² + tau²) before
// the update). Run by tools/rating_vectors.sh, which installs the package in
// a temporary folder given as the first argument; the second is the output.
import { createRequire } from 'node:module';
import { readFileSync, writeFileSync } from 'node:fs';
import path from 'node:path';

const require = createRequire(path.join(process.argv[2], 'package.json'));
const { rate } = require('openskill');
const { plackettLuce } = require('openskill/models');
const version = JSON.parse(readFileSync(
  path.join(process.argv[2], 'node_modules/openskill/package.json'))).version;
if (version !== '5.0.1') throw new Error(`openskill ${version}, not 5.0.1`);

// A fixed generator (mulberry32), so that the file is made again the same.
let state = 20110701;
const random = () => {
  state = (state + 0x6d2b79f5) | 0;
  let t = Math.imul(state ^ (state >>> 15), 1 | state);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
const between = (low, high) => low + (high - low) * random();
const integer = (low, high) => low + Math.floor(random() * (high - low + 1));

const player = (fresh) =>
  fresh ? { mu: 25, sigma: 25 / 3 } : { mu: between(0, 50), sigma: between(0.3, 9) };

// Team sizes adding up to players, in teams groups of unequal sizes.
const team_sizes = (players, teams) => {
  const sizes = new Array(teams).fill(1);
  for (let left = players - teams; left > 0; --left) sizes[integer(0, teams - 1)]++;
  return sizes;
};

// Ranks in random order; ties (equal values) as often as not.
const ranks = (teams, tied) =>
  Array.from({ length: teams }, (_, i) => (tied ? integer(1, Math.max(2, teams >> 1)) : i + 1))
    .map((r) => ({ r, key: random() }))
    .sort((a, b) => a.key - b.key)
    .map(({ r }) => r);

const games = [];
const add = (sizes, rank, fresh) => {
  const teams = sizes.map((size) => Array.from({ length: size }, () => player(fresh)));
  const after = rate(teams, { rank, model: plackettLuce });
  const pairs = (list) => list.map((team) => team.map(({ mu, sigma }) => [mu, sigma]));
  games.push({ rank, teams: pairs(teams), after: pairs(after) });
};

// Fixed cases: a duel won and drawn, new players, a 16-player draw, one
// player against seven, a team game drawn.
add([1, 1], [1, 2], true);
add([1, 1], [1, 1], false);
add(new Array(16).fill(1), new Array(16).fill(1), false);
add([1, 7], [2, 1], false);
add([4, 4], [1, 1], false);
add(new Array(8).fill(1), [1, 2, 3, 4, 5, 6, 7, 8], true);
// Free-for-all games of 2 to 16 players, then team games of unequal teams.
for (let i = 0; i < 18; ++i) {
  const players = integer(2, 16);
  add(new Array(players).fill(1), ranks(players, i % 2 === 0), false);
}
for (let i = 0; i < 18; ++i) {
  const teams = integer(2, 5);
  const players = integer(teams + 1, 16);
  add(team_sizes(players, teams), ranks(teams, i % 3 === 0), false);
}

const document = {
  reference: `openskill ${version}, rate(teams, {rank, model: plackettLuce})`,
  params: { mu: 25, sigma: 25 / 3, beta: 25 / 6, kappa: 0.0001, tau: 25 / 300 },
  games,
};
const text = JSON.stringify(document)
  .replace(/,"games":\[/, ',"games":[\n')
  .replace(/\]\]\]\},\{"rank"/g, ']]]},\n{"rank"');
writeFileSync(process.argv[3], text + '\n');
