// The four item pickup tables of a game page.
#include "output/game_writer.h"

#include <iterator>
#include <string>

#include "config/configdata.h"
#include "diverse/outputfile.h"
#include "output/page_frame.h"
#include "stats/resultdata.h"

// One counter column of a pickup table: header label and item counter.
struct pickup_column {
  const char* label;
  item_class item;
};

namespace {

constexpr pickup_column POWERUPS[] = {
    {"Quad", item_quad},     {"Regen", item_regen},
    {"Haste", item_haste},   {"Invis", item_invis},
    {"B-suit", item_enviro}, {"Flight", item_flight},
    {"Medkit", holdable_medkit}, {"Teleporter", holdable_teleporter}};

constexpr pickup_column WEAPONS[] = {
    {"Shotgun", weapon_shotgun},       {"G-Launcher", weapon_grenadelauncher},
    {"R-Launcher", weapon_rocketlauncher}, {"Machinegun", weapon_machinegun},
    {"Lightning", weapon_lightning},   {"Railgun", weapon_railgun},
    {"Plasmagun", weapon_plasmagun},   {"BFG", weapon_bfg}};

constexpr pickup_column AMMO[] = {
    {"Shotgun", ammo_shells},    {"G-Launcher", ammo_grenades},
    {"R-Launcher", ammo_rockets}, {"Machinegun", ammo_bullets},
    {"Lightning", ammo_lightning}, {"Railgun", ammo_slugs},
    {"Plasmagun", ammo_cells},   {"BFG", ammo_bfg}};

long long count(const player_t& player, item_class item) {
  return player.pickups[item];
}

}  // namespace

void game_writer::write_pickup_leading_header() const {
  file.write(LIST_HEADER_ROW);
  set_attr("align=left width=20");
  th(file, "#");
  set_attr("align=left");
  th(file, "Name");
  if (game.teamgame) th(file, "Team");
  set_attr("align=center");
  if (!config.skip_bots) th(file, "Bot");
}

void game_writer::write_health_armor() const {
  par(file, "<b>Health & Armor pickups</b>");
  begin_table(file, LIST_TABLE);
  write_pickup_leading_header();
  set_attr("align=center colspan=5");
  th(file, "Health");
  set_attr("align=center colspan=4");
  th(file, "Armor");
  set_attr("align=center");
  file.write("</tr>\r\n");
  file.write(LIST_HEADER_ROW);
  // The blank cell spans the leading columns: #, Name, Team, Bot.
  int leading = 2 + (game.teamgame ? 1 : 0) + (config.skip_bots ? 0 : 1);
  set_attr("colspan=" + std::to_string(leading));
  td(file, "&nbsp;");
  set_attr("");
  file.write("<td>Small</td><td>Normal</td><td>Large</td><td>Mega</td>"
              "<td><b>Total</b></td>");
  file.write("<td>Shard</td><td>Combat</td><td>Body</td><td><b>Total</b>"
              "</td>");
  file.write("</tr>\r\n");
  for (int i = 0; i < game.num_players; ++i) {
    const player_t& p = game.get_player(i);
    write_leading_cells(i);
    // 64-bit sums: a log full of pickups cannot overflow the totals.
    long long small = count(p, item_health_small);
    long long normal = count(p, item_health);
    long long large = count(p, item_health_large);
    long long mega = count(p, item_health_mega);
    for (long long n : {small, normal, large, mega}) td_int(file, n);
    td_int(file, 5 * small + 25 * normal + 50 * large + 100 * mega);
    long long shard = count(p, item_armor_shard);
    long long combat = count(p, item_armor_combat);
    long long body = count(p, item_armor_body);
    for (long long n : {shard, combat, body}) td_int(file, n);
    td_int(file, 5 * shard + 50 * combat + 100 * body);
    file.write("</tr>\r\n");
  }
  end_table(file);
}

void game_writer::write_pickup_table(const char* heading, const char* attribute,
                                const pickup_column* columns, size_t size) const {
  par(file, "%s", heading);
  begin_table(file, LIST_TABLE);
  write_pickup_leading_header();
  set_attr(attribute);
  for (size_t c = 0; c < size; ++c) th_text(file, columns[c].label);
  file.write("</tr>\r\n");
  for (int i = 0; i < game.num_players; ++i) {
    write_leading_cells(i);
    for (size_t c = 0; c < size; ++c) {
      td_int(file, count(game.get_player(i), columns[c].item));
    }
    file.write("</tr>\r\n");
  }
  end_table(file);
}

void game_writer::write_powerups() const {
  write_pickup_table("<b>Powerup pickups</b>", "align=center", POWERUPS,
                     std::size(POWERUPS));
}

void game_writer::write_weapon_pickups() const {
  write_pickup_table("<b>Weapon pickups</b>", "", WEAPONS,
                     std::size(WEAPONS));
}

void game_writer::write_ammo() const {
  write_pickup_table("<b>Ammo pickups</b>", "", AMMO, std::size(AMMO));
}
