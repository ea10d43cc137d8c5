// Tests of the configuration file: defaults, keys, echo lines, weapon sets
// and aliases.
#include "config/configdata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "main/fatal_error.h"
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
  std::unique_ptr<configdata> config = std::make_unique<configdata>();
};

[[noreturn]] void throw_fatal(const std::string& message) {
  throw std::runtime_error(message);
}

}  // namespace

TEST(configdata_test, defaults) {
  configdata c;
  EXPECT_EQ(c.alias_count, 0);
  EXPECT_TRUE(c.aliases.empty());
  EXPECT_EQ(c.logfile_spec, "");
  EXPECT_EQ(c.output_directory, "");
  EXPECT_EQ(c.homepage_address, "https://morv.example.org/");
  EXPECT_EQ(c.homepage_string, "Morv homepage");
  EXPECT_EQ(c.font_size_title, "12");
  EXPECT_EQ(c.font_size_text, "10");
  EXPECT_EQ(c.cfg_filename, "morv.cfg");
  EXPECT_EQ(c.set_weaponset, "");
  EXPECT_EQ(c.define_weaponset, "");
  EXPECT_EQ(c.games_per_file, 50);
  EXPECT_EQ(c.sort_primary, SORT_RATIO);
  EXPECT_EQ(c.sort_secondary, SORT_NAME);
  EXPECT_FALSE(c.filters_on || c.skip_bots || c.no_funnames ||
               c.write_datafile || c.open_results || c.css_present ||
               c.in_subfolder || c.write_chatlog);
  EXPECT_EQ(c.min_kills + c.min_games + c.min_playtime + c.max_players +
                c.top_players,
            0);
}

TEST(configdata_test, default_weapon_names) {
  configdata c;
  const char* const names[] = {
      "All weapons", "Shotgun", "Gauntlet",       "Machinegun",
      "Grenade",     "Grenade splash", "Rocket",  "Rocket splash",
      "Plasma",      "Plasma splash", "Railgun",  "Lightning gun",
      "BFG",         "BFG splash", "", "", "", "", "telefrag"};
  for (int i = 0; i < configdata::MAX_WEAPON_NAMES; ++i) {
    EXPECT_EQ(c.weaponnames[i], i < 19 ? names[i] : "") << i;
  }
}

TEST_F(cfg_file_test, every_key_is_set_and_echoed) {
  std::string echo = read(
      "; Morv configuration\r\n"
      "output_directory \"results dir\"\r\n"
      "homepage_address \"http://clan.example/\"\r\n"
      "homepage_string \"Our clan\"\n"
      "font_size_title \"14\"\n"
      "font_size_text \"9\"\n"
      "weaponname 3 \"Chaingun\"\n"
      "set_weaponset \"q3\"\n"
      "define_weaponset \"Q3\"\n"
      "weaponname 19 \"Nailgun\"\n"
      "alias \"Bob\" \"Bobby\"\n");
  EXPECT_EQ(echo,
            "\n- output_directory     \"results dir\""
            "\n- homepage_address     \"http://clan.example/\""
            "\n- homepage_string      \"Our clan\""
            "\n- font_size_title      \"14\""
            "\n- font_size_text       \"9\""
            "\n- weaponname  3        \"Chaingun\""
            "\n- set_weaponset        \"q3\""
            "\n- define_weaponset     \"Q3\""
            "\n- weaponname  19       \"Nailgun\""
            "\n- alias                \"Bob\" \"Bobby\"\n");
  EXPECT_EQ(config->output_directory, "results dir");
  EXPECT_EQ(config->homepage_address, "http://clan.example/");
  EXPECT_EQ(config->homepage_string, "Our clan");
  EXPECT_EQ(config->font_size_title, "14");
  EXPECT_EQ(config->font_size_text, "9");
  EXPECT_EQ(config->weaponnames[3], "Chaingun");
  EXPECT_EQ(config->weaponnames[19], "Nailgun");
  EXPECT_EQ(config->alias_count, 1);
  ASSERT_EQ(config->aliases.size(), 1u);
  EXPECT_EQ(config->aliases[0], "\"Bob\" \"Bobby\"\n");
}

TEST_F(cfg_file_test, missing_empty_and_comment_files_keep_defaults) {
  begin_capture();
  config->read_cfg("absent.cfg");
  config->read_cfg("");
  EXPECT_EQ(end_capture(),
            "\nNo CFG found, using default values\n"
            "\nNo CFG found, using default values\n");
  EXPECT_EQ(read(""), "");
  EXPECT_EQ(read("; output_directory \"x\"\n;alias \"a\" \"b\"\n\n"), "");
  EXPECT_EQ(config->output_directory, "");
  EXPECT_EQ(config->alias_count, 0);
}

// One line at a time: {line, field after it, echo}.
TEST_F(cfg_file_test, value_lines) {
  const struct {
    const char* line;
    const char* field;
    const char* echo;
  } cases[] = {
      {"; output_directory \"out\"\n", "", ""},
      {" ; output_directory \"out\"\n", "out",
       "\n- output_directory     \"out\""},
      {"xx output_directory=\"a b\" trailing\n", "a b",
       "\n- output_directory     \"a b\""},
      {"output_directory \"open to the end\r\n", "open to the end",
       "\n- output_directory     \"open to the end\""},
      {"output_directory no quote\n", "", "\n- output_directory     \"\""},
      {"output_directory \"\"\n", "", "\n- output_directory     \"\""},
      {"Output_Directory \"case\"\n", "", ""},
  };
  for (const auto& row : cases) {
    config->output_directory = "";
    begin_capture();
    config->parse_cfg_line(row.line);
    EXPECT_EQ(end_capture(), row.echo) << row.line;
    EXPECT_EQ(config->output_directory, row.field) << row.line;
  }
}

TEST_F(cfg_file_test, two_keys_on_one_line_and_cut_values) {
  std::string echo = read(
      "homepage_string \"Home\" homepage_address \"\"\n"
      "font_size_title \"12345678901234567890\"\n"
      "set_weaponset \"" + std::string(70, 'w') + "\"\n");
  EXPECT_EQ(config->homepage_string, "Home");
  EXPECT_EQ(config->homepage_address, "");
  EXPECT_EQ(config->font_size_title, "123456789012345");
  EXPECT_EQ(config->set_weaponset, std::string(63, 'w'));
  const std::string expected =
      "\n- homepage_address     \"\""
      "\n- homepage_string      \"Home\""
      "\n- font_size_title      \"123456789012345\"";
  EXPECT_EQ(echo.substr(0, expected.size()), expected);
}

TEST_F(cfg_file_test, long_lines_are_read_in_pieces_of_254) {
  // The key begins at character 255: the second piece holds it whole.
  read(";" + std::string(253, 'x') + "homepage_string \"tail\"\n");
  EXPECT_EQ(config->homepage_string, "tail");
  // The key straddles the piece boundary and is found in neither piece.
  read(";" + std::string(250, 'x') + "homepage_string \"lost\"\n");
  EXPECT_EQ(config->homepage_string, "tail");
}

TEST_F(cfg_file_test, weapon_sets_choose_blocks) {
  const char* block_a = "define_weaponset \"a\"\nweaponname 1 \"A1\"\n";
  const char* block_b = "define_weaponset \"B\"\nweaponname 1 \"B1\"\n";
  read(std::string("set_weaponset \"b\"\n") + block_a + block_b);
  EXPECT_EQ(config->weaponnames[1], "B1");

  config = std::make_unique<configdata>();
  read(std::string(block_a) + block_b + "set_weaponset \"b\"\n");
  EXPECT_EQ(config->weaponnames[1], "Shotgun");

  config = std::make_unique<configdata>();
  std::string echo = read(std::string("set_weaponset \"b\"\n") + block_a);
  EXPECT_EQ(echo,
            "\n- set_weaponset        \"b\""
            "\n- define_weaponset     \"a\"");
}

TEST_F(cfg_file_test, weaponname_lines) {
  const std::string long_name(64, 'n');
  const struct {
    std::string line;
    int number;
    std::string stored;
    std::string echo;
  } cases[] = {
      {"weaponname 3 \"Chain\"\n", 3, "Chain",
       "\n- weaponname  3        \"Chain\""},
      {"weaponname\t12\t\"Big Gun\"\n", 12, "Big Gun",
       "\n- weaponname  12       \"Big Gun\""},
      {"weaponname 63 \"" + long_name.substr(1) + "\"\n", 63,
       long_name.substr(1),
       "\n- weaponname  63       \"" + long_name.substr(1) + "\""},
      {"weaponname 4 \"" + long_name + "\"\n", 4, "Grenade",
       "\n- weaponname  4        \"" + long_name + "\""},
      {"weaponname 64 \"Far\"\n", -1, "", "\n- weaponname  64       \"Far\""},
      {"weaponname 99999999999 \"Huge\"\n", -1, "",
       "\n- weaponname  2147483647 \"Huge\""},
      {"weaponname \"no digit\"\n", -1, "", ""},
      {" weaponname 5 \"indented\"\n", 5, "Grenade splash", ""},
  };
  for (const auto& row : cases) {
    config = std::make_unique<configdata>();
    begin_capture();
    config->parse_cfg_line(row.line);
    EXPECT_EQ(end_capture(), row.echo) << row.line;
    if (row.number >= 0) {
      EXPECT_EQ(config->weaponnames[row.number], row.stored) << row.line;
    }
  }
}

TEST_F(cfg_file_test, aliases_resolve_by_whole_names) {
  std::string echo = read(
      "alias \"Bob\" \"Bobby\"\n"
      "alias \"Bob\" \"Robert\"\n"
      "alias without quotes\n"
      "  alias \"Walter\" \"W^1alt\" \"unclosed\n");
  EXPECT_EQ(echo,
            "\n- alias                \"Bob\" \"Bobby\"\n"
            "\n- alias                \"Bob\" \"Robert\"\n"
            "\n- alias                \"Walter\" \"W^1alt\" \"unclosed\n");
  EXPECT_EQ(config->alias_count, 3);
  const struct {
    const char* name;
    const char* first;
    const char* second;
  } cases[] = {
      {"Bob", "Bob", "Bobby"},        {"bOB", "Bob", "Bobby"},
      {"Robert", "Bob", "Robert"},    {"obb", "obb", ""},
      {"Al", "Al", ""},               {"walter", "Walter", "W^1alt"},
      {"unclosed", "unclosed", ""},   {"", "", ""},
  };
  for (const auto& row : cases) {
    config->resolve_alias(row.name);
    EXPECT_EQ(config->alias_names[0], row.first) << row.name;
    EXPECT_EQ(config->alias_names[1], row.second) << row.name;
    EXPECT_EQ(config->alias_names[2], "") << row.name;
  }
}

TEST_F(cfg_file_test, alias_groups_and_store_are_bounded) {
  std::string line = "alias";
  for (int i = 0; i < 20; ++i) line += " \"n" + std::to_string(i) + "\"";
  begin_capture();
  config->parse_cfg_line(line + "\n");
  end_capture();
  config->resolve_alias("n15");
  EXPECT_EQ(config->alias_names[0], "n0");
  EXPECT_EQ(config->alias_names[15], "n15");
  // Beyond the sixteenth name a line no longer claims the name.
  config->resolve_alias("n16");
  EXPECT_EQ(config->alias_names[0], "n16");
  EXPECT_EQ(config->alias_names[1], "");

  std::string many;
  for (int i = 0; i < 2100; ++i) many += "alias \"p" + std::to_string(i) + "\"\n";
  read(many);
  EXPECT_EQ(config->alias_count, configdata::MAX_ALIASES);
  EXPECT_EQ(config->aliases.back(), "\"p2046\"\n");
}

TEST(configdata_test, extract_quoted) {
  const struct {
    const char* line;
    size_t position;
    const char* expected;
  } cases[] = {
      {"key \"value\" rest", 0, "value"},
      {"key \"a\" \"b\"", 4, "a"},
      {"key \"a\" \"b\"", 5, " "},
      {"key \"a\" \"b\"", 8, "b"},
      {"key \"to end", 0, "to end"},
      {"key \"line\r\nmore\"", 0, "line"},
      {"key no quote", 0, ""},
      {"key \"\"", 0, ""},
      {"\"x\"", 3, ""},
      {"\"x\"", 99, ""},
  };
  for (const auto& row : cases) {
    EXPECT_EQ(configdata::extract_quoted(row.line, row.position), row.expected)
        << row.line << " @" << row.position;
  }
}

TEST_F(cfg_file_test, folder_as_file_is_a_read_error) {
  ASSERT_TRUE(std::filesystem::create_directory("a_folder"));
  set_fatal_hook(throw_fatal);
  std::string message;
  begin_capture();
  try {
    config->read_cfg("a_folder");
  } catch (const std::runtime_error& error) {
    message = error.what();
  }
  end_capture();
  set_fatal_hook(nullptr);
  EXPECT_EQ(message, "analyzedemo::parse - configfile read error");
}
