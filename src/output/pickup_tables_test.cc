// Tests of the pickup tables of a game page.
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
  player_t& alice() { return game.get_player(0); }
  configdata config;
  resultdata game{config};
};

TEST_F(pickup_tables_test, health_and_armor_totals) {
  auto& counts = alice().pickups;
  counts[item_health_small] = 3;
  counts[item_health] = 1;
  counts[item_health_large] = 2;
  counts[item_health_mega] = 1;
  counts[item_armor_shard] = 4;
  counts[item_armor_body] = 1;
  game.get_player(1).bot_skill = 2;
  std::string expected =
      "<p><b>Health & Armor pickups</b></p>\r\n<table border=1 "
      "cellspacing=0 bordercolor=#000000 bgcolor=#606060 align=center>\r\n"
      "<tr align=right bgcolor=#000080>\r\n<th align=left width=20>#</th>\r\n"
      "<th align=left>Name</th>\r\n<th align=center>Bot</th>\r\n"
      "<th align=center colspan=5>Health</th>\r\n"
      "<th align=center colspan=4>Armor</th>\r\n</tr>\r\n"
      "<tr align=right bgcolor=#000080>\r\n<td colspan=3>&nbsp;</td>\r\n"
      "<td>Small</td><td>Normal</td><td>Large</td><td>Mega</td>"
      "<td><b>Total</b></td><td>Shard</td><td>Combat</td><td>Body</td>"
      "<td><b>Total</b></td></tr>\r\n"
      "<tr align=right bgcolor=#808080>\r\n<td align=left>1</td>\r\n"
      "<td align=left><b>Alice</b></td>\r\n<td align=center>-</td>\r\n"
      "<td >3</td>\r\n<td >1</td>\r\n<td >2</td>\r\n<td >1</td>\r\n"
      "<td >240</td>\r\n<td >4</td>\r\n<td >0</td>\r\n<td >1</td>\r\n"
      "<td >120</td>\r\n</tr>\r\n"
      "<tr align=right>\r\n<td align=left>2</td>\r\n"
      "<td align=left><b>Bob</b></td>\r\n<td align=center>(2)</td>\r\n"
      "<td >0</td>\r\n<td >0</td>\r\n<td >0</td>\r\n<td >0</td>\r\n"
      "<td >0</td>\r\n<td >0</td>\r\n<td >0</td>\r\n<td >0</td>\r\n"
      "<td >0</td>\r\n</tr>\r\n</table>\r\n";
  EXPECT_EQ(table(&output::write_health_armor), expected);
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
  auto cells = [](int first) {
    std::string row;
    for (int n = first; n < first + 8; ++n) {
      row += "<td >" + std::to_string(n) + "</td>\r\n";
    }
    return "<td align=center>-</td>\r\n" + row + "</tr>\r\n";
  };
  auto heads = [](const char* attribute, const char* labels) {
    std::string row;
    std::string rest = labels;
    for (size_t at = 0, end; at < rest.size(); at = end + 1) {
      end = rest.find(',', at);
      if (end == std::string::npos) end = rest.size();
      row += std::string("<th ") + attribute + ">" +
             rest.substr(at, end - at) + "</th>\r\n";
    }
    return "<th align=center>Bot</th>\r\n" + row + "</tr>\r\n";
  };
  const char* weapon_labels =
      "Shotgun,G-Launcher,R-Launcher,Machinegun,Lightning,Railgun,"
      "Plasmagun,BFG";
  struct {
    void (output::*write)();
    const char* heading;
    std::string head, row;
  } rows[] = {
      {&output::write_powerups, "<p><b>Powerup pickups</b></p>",
       heads("align=center",
             "Quad,Regen,Haste,Invis,B-suit,Flight,Medkit,Teleporter"),
       cells(1)},
      {&output::write_weapon_pickups, "<p><b>Weapon pickups</b></p>",
       heads("", weapon_labels), cells(11)},
      {&output::write_ammo, "<p><b>Ammo pickups</b></p>",
       heads("", weapon_labels), cells(21)},
  };
  for (const auto& row : rows) {
    std::string page = table(row.write);
    EXPECT_EQ(page.find(row.heading), 0u) << row.heading;
    EXPECT_NE(page.find(row.head), std::string::npos) << row.heading;
    EXPECT_NE(page.find(row.row), std::string::npos) << row.heading;
    EXPECT_NE(page.find("<td >0</td>\r\n</tr>\r\n</table>\r\n"),
              std::string::npos)
        << row.heading;  // Bob's row of zeros closes the table
  }
}

}  // namespace
