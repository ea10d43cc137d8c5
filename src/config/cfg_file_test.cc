// Tests of the configuration file: value lines, weapon sets, aliases.
#include "config/configdata.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "test_util.h"

namespace {

class cfg_file_test : public temp_folder_test {
 protected:
  // Writes text as morv.cfg, reads it, and returns what was printed.
  std::string read(const std::string& text) {
    write_file("morv.cfg", text);
    begin_capture();
    config->read_cfg("morv.cfg");
    return end_capture();
  }
  // Parses one line into a fresh configuration; returns what was printed.
  std::string parse_line(const std::string& line) {
    config = std::make_unique<configdata>();
    begin_capture();
    config->parse_cfg_line(line);
    return end_capture();
  }
  std::unique_ptr<configdata> config = std::make_unique<configdata>();
};

}  // namespace

// One line at a time: {line, echo, weapon number or -1, the weapon's name
// or else output_directory after it}.
TEST_F(cfg_file_test, value_lines) {
  const std::string name_63(63, 'n');
  const std::string out = "\n- output_directory     \"";
  const struct {
    std::string line, echo;
    int number;
    std::string field;
  } cases[] = {
      {"; output_directory \"out\"\n", "", -1, ""},
      {" ; output_directory \"out\"\n", out + "out\"", -1, "out"},
      {"xx output_directory=\"a b\" trailing\n", out + "a b\"", -1, "a b"},
      {"output_directory \"open to the end\r\n", out + "open to the end\"", -1,
       "open to the end"},
      {"output_directory no quote\n", out + "\"", -1, ""},
      {"Output_Directory \"case\"\n", "", -1, ""},
      {"weaponname\t12\t\"Big Gun\"\n", "\n- weaponname  12       \"Big Gun\"",
       12, "Big Gun"},
      {"weaponname 63 \"" + name_63 + "\"\n",
       "\n- weaponname  63       \"" + name_63 + "\"", 63, name_63},
      {"weaponname 4 \"" + name_63 + "n\"\n",
       "\n- weaponname  4        \"" + name_63 + "n\"", 4, "Grenade"},
      {"weaponname 64 \"Far\"\n", "\n- weaponname  64       \"Far\"", -1, ""},
      {"weaponname 99999999999 \"Huge\"\n",
       "\n- weaponname  2147483647 \"Huge\"", -1, ""},
      {"weaponname \"no digit\"\n", "", -1, ""},
      {" weaponname 5 \"indented\"\n", "", 5, "Grenade splash"},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(parse_line(row.line), row.echo) << row.line;
    EXPECT_EQ(row.number < 0 ? config->output_directory
                             : config->weaponnames[row.number],
              row.field)
        << row.line;
  }
}

TEST_F(cfg_file_test, weapon_sets_choose_blocks) {
  const char* block_a = "define_weaponset \"a\"\nweaponname 1 \"A1\"\n";
  const char* block_b = "define_weaponset \"B\"\nweaponname 1 \"B1\"\n";
  read(std::string("set_weaponset \"b\"\n") + block_a + block_b);
  EXPECT_EQ(config->weaponnames[1], "B1");
  config = std::make_unique<configdata>();
  // A block before the choice is skipped, and its names are not echoed.
  std::string echo = read(std::string(block_b) + "set_weaponset \"b\"\n");
  EXPECT_EQ(config->weaponnames[1], "Shotgun");
  EXPECT_EQ(echo,
            "\n- define_weaponset     \"B\"\n- set_weaponset        \"b\"");
}

TEST_F(cfg_file_test, aliases_resolve_by_whole_names) {
  std::string sixteen = "alias";
  for (int i = 0; i < 20; ++i) sixteen += " \"n" + std::to_string(i) + "\"";
  read("alias \"Bob\" \"Bobby\"\n"
       "alias \"Bob\" \"Robert\"\n"
       "alias without quotes\n"
       "  alias \"Walter\" \"W^1alt\" \"unclosed\n" +
       sixteen + "\n");
  // {name, its group's first and second name}; a line claims at most 16.
  const struct {
    const char* name;
    const char* first;
    const char* second;
  } cases[] = {
      {"bOB", "Bob", "Bobby"},      {"Robert", "Bob", "Robert"},
      {"obb", "obb", ""},           {"walter", "Walter", "W^1alt"},
      {"unclosed", "unclosed", ""}, {"", "", ""},
      {"n15", "n0", "n1"},          {"n16", "n16", ""},
  };
  for (const auto& row : cases) {
    config->resolve_alias(row.name);
    EXPECT_EQ(config->alias_names[0], row.first) << row.name;
    EXPECT_EQ(config->alias_names[1], row.second) << row.name;
  }
  EXPECT_EQ(config->alias_names[15], "");
  // A line read after a lookup counts too, behind the earlier lines.
  read("alias \"Obb\" \"BOB\"\n");
  config->resolve_alias("obb");
  EXPECT_EQ(config->alias_names[1], "BOB");
}

// {line, games}: a number in quotes, echoed; none or a negative one is 0.
TEST_F(cfg_file_test, rating_min_games) {
  EXPECT_EQ(configdata().rating_min_games, 10);
  const struct {
    const char* line;
    int games;
  } cases[] = {{"rating_min_games \"25\"\n", 25},
               {"rating_min_games \"-3\"\n", 0},
               {"rating_min_games\n", 0}};
  for (const auto& row : cases) {
    const std::string echo = parse_line(row.line);
    EXPECT_EQ(config->rating_min_games, row.games) << row.line;
    EXPECT_EQ(echo.rfind("\n- rating_min_games", 0), 0u) << row.line;
  }
}
