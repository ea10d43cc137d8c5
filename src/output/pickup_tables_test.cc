// Tests of the pickup tables of a game page: totals, leading columns and
// the order of the counters (headings are in the recorded runs).
#include "output/output.h"

#include <string>

#include "config/configdata.h"
#include "output/page_test_util.h"
#include "stats/resultdata.h"

namespace {

class pickup_tables_test : public temp_folder_test {
 protected:
  void SetUp() override {
    temp_folder_test::SetUp();
    for (const char* name : {"Alice", "Bob"}) {
      game.get_player(game.add_player()).set_name(name);
    }
  }
  std::string table(void (output::*write)()) {
    return written_by([&](outputfile& f) {
      output out(&game, &f, &config);
      (out.*write)();
    });
  }
  // Cells of the numbers first, first + 1, ... for the given items.
  static std::string cells(int first, int count) {
    std::string row;
    for (int n = first; n < first + count; ++n) {
      row += "<td >" + std::to_string(n) + "</td>\r\n";
    }
    return row;
  }
  player_t& alice() { return game.get_player(0); }
  configdata config;
  resultdata game{config};
};

TEST_F(pickup_tables_test, health_and_armor_totals) {
  auto& counts = alice().pickups;
  counts[item_health_small] = 1;
  counts[item_health] = 2;
  counts[item_health_large] = 3;
  counts[item_health_mega] = 4;
  counts[item_armor_shard] = 6;
  counts[item_armor_combat] = 7;
  counts[item_armor_body] = 8;
  EXPECT_NE(table(&output::write_health_armor)
                .find(cells(1, 4) + "<td >605</td>\r\n" + cells(6, 3) +
                      "<td >1180</td>\r\n</tr>"),
            std::string::npos);
}

TEST_F(pickup_tables_test, spacer_spans_the_leading_columns) {
  struct {
    bool teamgame, skip_bots;
    const char* spacer;
  } rows[] = {
      {true, false, "<td colspan=4>&nbsp;</td>"},
      {true, true, "<td colspan=3>&nbsp;</td>"},
      {false, false, "<td colspan=3>&nbsp;</td>"},
      {false, true, "<td colspan=2>&nbsp;</td>"},
  };
  for (const auto& row : rows) {
    game.teamgame = row.teamgame;
    config.skip_bots = row.skip_bots;
    std::string page = table(&output::write_health_armor);
    EXPECT_NE(page.find(row.spacer), std::string::npos) << row.spacer;
    EXPECT_EQ(page.find("Bot") == std::string::npos, row.skip_bots)
        << row.spacer;
    EXPECT_EQ(page.find("<th align=left>Team</th>") != std::string::npos,
              row.teamgame)
        << row.spacer;
  }
}

TEST_F(pickup_tables_test, counter_columns_in_order) {
  const item_class powerups[] = {item_quad,  item_regen,  item_haste,
                                 item_invis, item_enviro, item_flight,
                                 holdable_medkit, holdable_teleporter};
  const item_class weapons[] = {weapon_shotgun,   weapon_grenadelauncher,
                                weapon_rocketlauncher, weapon_machinegun,
                                weapon_lightning, weapon_railgun,
                                weapon_plasmagun, weapon_bfg};
  const item_class ammo[] = {ammo_shells,    ammo_grenades, ammo_rockets,
                             ammo_bullets,   ammo_lightning, ammo_slugs,
                             ammo_cells,     ammo_bfg};
  for (int n = 0; n < 8; ++n) {
    alice().pickups[powerups[n]] = n + 1u;
    alice().pickups[weapons[n]] = n + 11u;
    alice().pickups[ammo[n]] = n + 21u;
  }
  const struct {
    void (output::*write)();
    int first;
  } rows[] = {{&output::write_powerups, 1},
              {&output::write_weapon_pickups, 11},
              {&output::write_ammo, 21}};
  for (const auto& row : rows) {
    EXPECT_NE(table(row.write).find("<td align=center>-</td>\r\n" +
                                    cells(row.first, 8) + "</tr>\r\n"),
              std::string::npos)
        << row.first;
  }
}

}  // namespace
