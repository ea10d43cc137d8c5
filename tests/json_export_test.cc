// End-to-end runs of the data export (--json): the sample's document against
// its expected file, the recorded runs' data file and rankings against the
// document, and hostile bytes.
#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "diverse/funname.h"
#include "diverse/time_text.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace {

using json = rapidjson::Value;

// Parses with UTF-8 validation and exact doubles; false when not valid.
bool parses(const std::string& path, rapidjson::Document& document) {
  const std::string text = read_file(path);
  document.Parse<rapidjson::kParseValidateEncodingFlag |
                 rapidjson::kParseFullPrecisionFlag>(text.c_str(), text.size());
  return !document.HasParseError();
}

std::string pretty(const rapidjson::Document& document) {
  rapidjson::StringBuffer buffer;
  rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(buffer);
  writer.SetIndent(' ', 2);
  writer.SetFormatOptions(rapidjson::kFormatSingleLineArray);
  document.Accept(writer);
  return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

std::string text_of(const json& value) {
  return std::string(value.GetString(), value.GetStringLength());
}

std::string number_text(const json& value) {
  return value.IsNull() ? "null" : std::to_string(value.GetInt());
}

std::string fixed(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

// The first group of every match of re in text.
std::vector<std::string> matches(const std::string& text, const std::regex& re) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re);
       it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[1].str());
  }
  return found;
}

// A player's line of the output folder's data file, from the document.
std::string data_line(int game, const json& player) {
  static const int slots[] = {1, 2, 3, 4, 6, 8, 10, 11, 12, 18, 20, 23, 24, 25};
  std::string line = std::to_string(game) + "," +
                     diverse::funname_to_ascii(text_of(player["name"]));
  for (const char* count : {"kills", "killed", "suicides", "world_deaths"}) {
    line += "," + std::to_string(player[count].GetUint());
  }
  line += "," + diverse::time_to_hms(player["playtime"].GetInt());
  for (const char* count : {"kills", "killed"}) {
    for (int slot : slots) {
      unsigned value = 0;
      for (const json& weapon : player["weapons"].GetArray()) {
        if (weapon["slot"].GetInt() == slot) value = weapon[count].GetUint();
      }
      line += "," + std::to_string(value);
    }
  }
  return line;
}

// The cells of a players.htm row after the name, from the document.
std::vector<std::string> ranking_cells(const json& player, bool skip_bots) {
  std::vector<std::string> cells;
  const json& bot = player["bot_skill"];
  if (!skip_bots) {
    cells.push_back(bot.IsNull() ? "-" : "(" + std::to_string(bot.GetInt()) + ")");
  }
  const json& ratio = player["ratio"];
  cells.push_back(ratio.IsNull() ? "ERR" : fixed(ratio.GetDouble(), 2));
  cells.push_back(fixed(player["eff"].GetDouble(), 1));
  cells.push_back(fixed(player["skill"].GetDouble(), 2));
  for (const char* count : {"frags", "kills", "killed", "suicides",
                            "world_deaths", "total_deaths"}) {
    cells.push_back(std::to_string(player[count].GetInt64()));
  }
  cells.push_back(fixed(player["fpm"].GetDouble(), 2));
  cells.push_back(fixed(player["dpm"].GetDouble(), 2));
  cells.push_back(diverse::time_to_hm(player["playtime"].GetInt()));
  cells.push_back(std::to_string(player["games"].GetInt()));
  const json& ping = player["ping"];
  cells.push_back(ping.IsNull() ? "-" : std::to_string(ping.GetInt()));
  return cells;
}

// The data file's player lines (its kill-matrix blocks start otherwise).
void expect_data_lines_agree(const std::string& data_file,
                             const rapidjson::Document& document) {
  static const std::regex line(R"(\n([0-9]+,[^\r\n]*)(?=\r\n))");
  std::vector<std::string> expected;
  for (const json& game : document["games"].GetArray()) {
    for (const json& player : game["players"].GetArray()) {
      expected.push_back(data_line(game["number"].GetInt(), player));
    }
  }
  EXPECT_EQ(matches("\n" + read_file(data_file), line), expected);
}

// The rows of players.htm are the players with a page, in the document's
// order: rank, name (coloured or plain, as -f chose) and numbers.
void expect_ranking_rows_agree(const std::string& page,
                               const rapidjson::Document& document) {
  static const std::regex row(
      R"(<tr align=right(?: bgcolor=#808080)?>\r\n((?:<td[^\n]*\r\n)+)</tr>)");
  static const std::regex cell(R"(<td[^>]*>(.*)</td>\r\n)");
  const bool skip_bots = document["options"]["skip_bots"].GetBool();
  std::vector<std::string> rows = matches(read_file(page), row);
  size_t rank = 0;
  for (const json& player : document["players"].GetArray()) {
    if (player["number"].IsNull() || rank == rows.size()) continue;
    std::vector<std::string> cells = matches(rows[rank++], cell);
    ASSERT_GE(cells.size(), 2u);
    EXPECT_EQ(cells[0], std::to_string(rank));
    const std::string link = "<b><a href=\"morv_players/player_" +
                             std::to_string(player["number"].GetInt()) + ".htm\">";
    const std::string name = text_of(player["name"]);
    EXPECT_TRUE(cells[1] == link + diverse::funname_to_html(name) + "</a></b>" ||
                cells[1] == link + diverse::funname_to_ascii(name) + "</a></b>")
        << cells[1];
    cells.erase(cells.begin(), cells.begin() + 2);
    EXPECT_EQ(cells, ranking_cells(player, skip_bots));
  }
  EXPECT_EQ(rank, rows.size());
  EXPECT_GT(rank, 0u);
}

class json_export_test : public temp_folder_test {};

TEST_F(json_export_test, sample_export_is_expected) {
  fs::copy_file(MORV_SOURCE_DIR "/sample/sample.log", "sample.log");
  run_result run = run_morv(folder, "sample.log -l -d -top5 --json");
  ASSERT_EQ(run.status, 0);
  // The console is the sample's, with one line before the seconds.
  std::string console = read_file(MORV_SOURCE_DIR
                                  "/tests/sample_expected/console.txt");
  console.insert(console.rfind("\nS.SS seconds elapsed"),
                 "\nWrote morv.json [" +
                     std::to_string(fs::file_size("morv.json")) + " byte]");
  EXPECT_EQ(mask_volatile(run.output) + "exit 0\n", console);
  rapidjson::Document document;
  ASSERT_TRUE(parses("morv.json", document));
  document["generated"].SetString("GENERATED");
  document["morv"]["version"].SetString("VERSION");
  // MORV_UPDATE_EXPECTED=1 rewrites the expected document from this run.
  const char* update = std::getenv("MORV_UPDATE_EXPECTED");
  if (update != nullptr && std::string(update) == "1") {
    write_file(MORV_SOURCE_DIR "/tests/sample_export.json", pretty(document));
    GTEST_SKIP() << "rewrote tests/sample_export.json";
  }
  EXPECT_EQ(read_file(MORV_SOURCE_DIR "/tests/sample_export.json"),
            pretty(document));
}

class json_golden_test : public json_export_test,
                         public testing::WithParamInterface<std::string> {};

TEST_P(json_golden_test, data_file_and_rankings_agree_with_export) {
  const fs::path recording = shared_folder() / "golden" / GetParam();
  if (!fs::exists(recording)) {
    GTEST_SKIP() << "no recorded run in " << recording;
  }
  const std::string command = prepare_recorded_run(recording, folder);
  ASSERT_EQ(run_morv(folder, command + " --json").status, 0);
  rapidjson::Document document;
  ASSERT_TRUE(parses("morv.json", document));
  if (file_exists("morvdata.txt")) {
    expect_data_lines_agree("morvdata.txt", document);
  }
  expect_ranking_rows_agree("players.htm", document);
}

INSTANTIATE_TEST_SUITE_P(recordings, json_golden_test,
                         testing::ValuesIn(recorded_run_names()),
                         recorded_run_test_name);

// Latin-1, UTF-8, control characters, a quote, markup, a cut sequence, an
// overlong form, a surrogate and a code point above U+10FFFF in names, the
// map, the game and server names: valid UTF-8 is kept, any other byte read
// as Latin-1, and the plain name is the name less its colour codes. The log
// is named with its folder, which the export leaves out; -min_kills:1 leaves
// the player without kills unlisted, so that player's number is null.
TEST_F(json_export_test, hostile_bytes_give_valid_json) {
  write_file("hostile.log",
             "  0:00 InitGame: \\g_gametype\\0\\mapname\\Q3DM\xFF\x01\\"
             "gamename\\base\x1b[31m\\sv_hostname\\^1H\xE9\n"
             "  0:00 ServerTime:\t20260301211405\t21:14:05 (1 Mar 2026)\n"
             "  0:01 ClientConnect: 0\n"
             "  0:01 ClientUserinfoChanged: 0 n\\Caf\xE9\x01\\t\\0\n"
             "  0:01 ClientConnect: 1\n"
             "  0:01 ClientUserinfoChanged: 1 n\\^1Ok\xC3\xA9\"<\xE2\x82\\t\\0\n"
             "  0:01 ClientConnect: 2\n"
             "  0:01 ClientUserinfoChanged: 2 n\\\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\x7f\\t\\0\n"
             "  0:01 ClientConnect: 3\n"
             "  0:01 ClientUserinfoChanged: 3 n\\^1\xC3^2\xA9\\t\\0\n"
             "  0:30 Kill: 0 1 10: x\n"
             "  0:40 Kill: 2 0 10: x\n"
             "  0:50 Kill: 3 2 10: x\n"
             "  1:00 ShutdownGame:\n");
  const std::string log =
      "../" + fs::path(folder).filename().string() + "/hostile.log";
  ASSERT_EQ(run_morv(folder, "-min_kills:1 " + log + " --json").status, 0);
  rapidjson::Document document;
  ASSERT_TRUE(parses("morv.json", document));
  EXPECT_EQ(text_of(document["logs"][0]["path"]), "hostile.log");
  const json& game = document["games"][0];
  EXPECT_EQ(text_of(game["log"]) + "|" + text_of(game["map"]) + "|" +
                text_of(game["gamename"]) + "|" + text_of(game["hostname"]) +
                "|" + text_of(game["started"]) + "|" +
                std::to_string(game["duration"].GetInt()),
            "hostile.log|q3dm\xC3\xBF\x01|base\x1b[31m|^1H\xC3\xA9|"
            "2026-03-01T21:14:05|60");
  std::map<std::string, std::string> numbers;  // name to run-wide number
  for (const json& player : document["players"].GetArray()) {
    numbers[text_of(player["name"])] = number_text(player["number"]);
  }
  std::set<std::string> names;
  for (const json& player : game["players"].GetArray()) {
    const std::string number = number_text(player["number"]);
    EXPECT_EQ(number, numbers[text_of(player["name"])]);
    names.insert(text_of(player["name"]) + "|" + text_of(player["plain"]) +
                 "|" + (number == "null" ? number : "listed"));
  }
  EXPECT_EQ(names, (std::set<std::string>{
                       "Caf\xC3\xA9\x01|Caf\xC3\xA9\x01|listed",
                       "\xC3\x80\xC2\xAF\xC3\xAD\xC2\xA0\xC2\x80\xC3\xB4\xC2\x90\xC2\x80\xC2\x80\x7f|"
                       "\xC3\x80\xC2\xAF\xC3\xAD\xC2\xA0\xC2\x80\xC3\xB4\xC2\x90\xC2\x80\xC2\x80\x7f|listed",
                       "^1Ok\xC3\xA9\"<\xC3\xA2\xC2\x82|Ok\xC3\xA9\"<\xC3\xA2\xC2\x82|null",
                       "^1\xC3\x83^2\xC2\xA9|\xC3\x83\xC2\xA9|listed"}));
}

}  // namespace
