// End-to-end runs of the data export (--json): the sample's document
// against its expected file, the classic site unchanged beside it, the
// recorded runs' data file and rankings against the document, and hostile
// bytes in names and map names.
#include <rapidjson/document.h>
#include <rapidjson/error/en.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <cstdio>
#include <filesystem>
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

// The document, parsed with UTF-8 validation; fails the test when invalid.
void parse_export(const std::string& path, rapidjson::Document& document) {
  const std::string text = read_file(path);
  document.Parse<rapidjson::kParseValidateEncodingFlag |
                 rapidjson::kParseFullPrecisionFlag>(text.c_str(),
                                                        text.size());
  ASSERT_FALSE(document.HasParseError())
      << path << ": " << rapidjson::GetParseError_En(document.GetParseError())
      << " at " << document.GetErrorOffset();
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

std::string format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// The files below root, but for the export itself.
std::set<std::string> classic_files(const std::string& root) {
  std::set<std::string> names = files_below(root);
  std::erase_if(names, [](const std::string& name) {
    return name.ends_with(".json");
  });
  return names;
}

// The console without the export's line.
std::string without_export_line(const std::string& console) {
  static const std::regex line(R"(\nWrote [^\n]*\.json \[[0-9]+ byte\])");
  return std::regex_replace(console, line, "");
}

fs::path golden_root() {
  fs::path beside = fs::path(MORV_SOURCE_DIR) / ".." / "shared" / "golden";
  if (fs::exists(beside)) return beside;
  return "/work/shared/golden";
}

class json_export_test : public temp_folder_test {
 protected:
  // Runs morv with args in a fresh sub-folder holding the given inputs.
  run_result run_in(const std::string& name, const std::vector<fs::path>& inputs,
                    const std::string& args) {
    fs::create_directory(name);
    for (const fs::path& input : inputs) {
      fs::copy_file(input, fs::path(name) / input.filename());
    }
    return run_morv(folder + "/" + name, args);
  }
};

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

// The cells of a players.htm row, from the document.
std::vector<std::string> ranking_cells(int rank, const json& player,
                                       bool skip_bots) {
  std::vector<std::string> cells = {std::to_string(rank), "NAME"};
  if (!skip_bots) {
    const json& skill = player["bot_skill"];
    cells.push_back(skill.IsNull() ? "-"
                                   : "(" + std::to_string(skill.GetInt()) + ")");
  }
  const json& ratio = player["ratio"];
  cells.push_back(ratio.IsNull() ? "ERR" : format("%.2f", ratio.GetDouble()));
  cells.push_back(format("%.1f", player["eff"].GetDouble()));
  cells.push_back(format("%.2f", player["skill"].GetDouble()));
  for (const char* count : {"frags", "kills", "killed", "suicides",
                            "world_deaths", "total_deaths"}) {
    cells.push_back(std::to_string(player[count].GetInt64()));
  }
  cells.push_back(format("%.2f", player["fpm"].GetDouble()));
  cells.push_back(format("%.2f", player["dpm"].GetDouble()));
  cells.push_back(diverse::time_to_hm(player["playtime"].GetInt()));
  cells.push_back(std::to_string(player["games"].GetInt()));
  const json& ping = player["ping"];
  cells.push_back(ping.IsNull() ? "-" : std::to_string(ping.GetInt()));
  return cells;
}

std::vector<std::string> matches(const std::string& text, const std::regex& re) {
  std::vector<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re);
       it != std::sregex_iterator(); ++it) {
    found.push_back((*it)[1].str());
  }
  return found;
}

// The file's player lines (the kill-matrix blocks beside them start
// otherwise) against the document's games.
void expect_data_lines_agree(const std::string& data_file,
                             const rapidjson::Document& document) {
  static const std::regex player_line(R"([0-9]+,[^\r\n]*)");
  static const std::regex line(R"(([^\n]*)\n)");
  std::vector<std::string> found;
  for (std::string text : matches(read_file(data_file), line)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (std::regex_match(text, player_line)) found.push_back(text);
  }
  std::vector<std::string> expected;
  for (const json& game : document["games"].GetArray()) {
    for (const json& player : game["players"].GetArray()) {
      expected.push_back(data_line(game["number"].GetInt(), player));
    }
  }
  EXPECT_EQ(found, expected);
}

void expect_ranking_rows_agree(const std::string& page,
                               const rapidjson::Document& document) {
  static const std::regex row(
      R"(<tr align=right(?: bgcolor=#808080)?>\r\n((?:<td[^\n]*\r\n)+)</tr>)");
  static const std::regex cell(R"(<td[^>]*>(.*)</td>\r\n)");
  const bool skip_bots = document["options"]["skip_bots"].GetBool();
  std::vector<std::string> rows = matches(read_file(page), row);
  ASSERT_FALSE(rows.empty());
  size_t index = 0;
  int rank = 1;
  for (const json& player : document["players"].GetArray()) {
    if (player["number"].IsNull() || index == rows.size()) continue;
    std::vector<std::string> cells = matches(rows[index++], cell);
    ASSERT_GE(cells.size(), 2u);
    // Coloured or plain, as -f chose, behind the player's page link.
    const std::string link = "<b><a href=\"morv_players/player_" +
                             std::to_string(player["number"].GetInt()) +
                             ".htm\">";
    const std::string name = text_of(player["name"]);
    EXPECT_TRUE(cells[1] == link + diverse::funname_to_html(name) + "</a></b>" ||
                cells[1] == link + diverse::funname_to_ascii(name) + "</a></b>")
        << cells[1];
    cells[1] = "NAME";
    EXPECT_EQ(cells, ranking_cells(rank++, player, skip_bots));
  }
  EXPECT_EQ(index, rows.size());
}

TEST_F(json_export_test, sample_export_matches_expected_file) {
  const fs::path log = MORV_SOURCE_DIR "/sample/sample.log";
  run_result run = run_in("run", {log}, "sample.log -l -d -top5 --json");
  ASSERT_EQ(run.status, 0) << run.output;
  rapidjson::Document document;
  parse_export("run/morv.json", document);
  if (HasFatalFailure()) return;
  document["generated"].SetString("GENERATED");
  document["morv"]["version"].SetString("VERSION");
  EXPECT_EQ(read_file(MORV_SOURCE_DIR "/tests/sample_export.json"),
            pretty(document));

  // The console line names the file and its size, before the timing line.
  const std::string line = "\nWrote morv.json [" +
                           std::to_string(fs::file_size("run/morv.json")) +
                           " byte]\nS.SS seconds elapsed";
  EXPECT_NE(mask_volatile(run.output).find(line), std::string::npos)
      << run.output;
}

TEST_F(json_export_test, export_leaves_every_other_byte_unchanged) {
  const fs::path log = MORV_SOURCE_DIR "/sample/sample.log";
  const std::string args = "sample.log -l -d -top5 -oSK -min_kills:3";
  run_result plain = run_in("plain", {log}, args);
  run_result with_json = run_in("json", {log}, args + " --json=out.json");
  ASSERT_EQ(with_json.status, 0) << with_json.output;
  ASSERT_TRUE(file_exists("json/out.json"));
  EXPECT_EQ(mask_volatile(plain.output),
            without_export_line(mask_volatile(with_json.output)));
  const std::set<std::string> files = classic_files("plain");
  EXPECT_EQ(files, classic_files("json"));
  for (const std::string& name : files) {
    EXPECT_EQ(mask_volatile(read_file("plain/" + name)),
              mask_volatile(read_file("json/" + name)))
        << name;
  }
  // The kill limit leaves players without a page: their number is null.
  rapidjson::Document document;
  parse_export("json/out.json", document);
  if (HasFatalFailure()) return;
  expect_ranking_rows_agree("json/players.htm", document);
}

class json_golden_test : public json_export_test,
                         public testing::WithParamInterface<std::string> {};

TEST_P(json_golden_test, data_file_and_rankings_agree_with_export) {
  const fs::path recording = golden_root() / GetParam();
  if (!fs::exists(recording)) GTEST_SKIP() << "no recording " << recording;
  std::vector<fs::path> inputs;
  for (const auto& entry : fs::directory_iterator(recording / "input")) {
    inputs.push_back(entry.path());
  }
  std::string command = read_file(recording / "command.txt");
  while (!command.empty() && (command.back() == '\n' || command.back() == '\r')) {
    command.pop_back();
  }
  run_result run = run_in("run", inputs, command + " --json");
  EXPECT_EQ(mask_volatile(read_file(recording / "console.txt")),
            without_export_line(mask_volatile(run.output)) + "exit " +
                std::to_string(run.status) + "\n");
  rapidjson::Document document;
  parse_export("run/morv.json", document);
  if (HasFatalFailure()) return;
  if (file_exists("run/morvdata.txt")) {
    expect_data_lines_agree("run/morvdata.txt", document);
  }
  expect_ranking_rows_agree("run/players.htm", document);
}

INSTANTIATE_TEST_SUITE_P(recordings, json_golden_test,
                         testing::Values("ffa-plain", "ffa-b-f-top3",
                                         "teamdm-d-l"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

TEST_F(json_export_test, hostile_bytes_give_valid_json) {
  // Latin-1, valid UTF-8, control characters, quotes, markup and a cut
  // UTF-8 sequence in names and the map name.
  write_file("hostile.log",
             "  0:00 InitGame: \\g_gametype\\0\\mapname\\Q3DM\xFF\x01\\"
             "gamename\\base\x1b[31m\n"
             "  0:01 ClientConnect: 0\n"
             "  0:01 ClientUserinfoChanged: 0 n\\Caf\xE9\x01\\t\\0\n"
             "  0:01 ClientConnect: 1\n"
             "  0:01 ClientUserinfoChanged: 1 n\\^1Ok\xC3\xA9\"<\xE2\x82\\t\\0\n"
             "  0:30 Kill: 0 1 10: x\n"
             "  0:40 Kill: 1 0 10: x\n"
             "  1:00 ShutdownGame:\n");
  run_result run = run_morv(folder, "hostile.log --json");
  ASSERT_EQ(run.status, 0) << run.output;
  rapidjson::Document document;
  parse_export("morv.json", document);
  if (HasFatalFailure()) return;
  const json& game = document["games"][0];
  EXPECT_EQ(text_of(game["map"]), "q3dm\xC3\xBF\x01");
  EXPECT_EQ(text_of(game["gamename"]), "base\x1b[31m");
  std::set<std::string> names, plains;
  for (const json& player : game["players"].GetArray()) {
    names.insert(text_of(player["name"]));
    plains.insert(text_of(player["plain"]));
  }
  EXPECT_EQ(names, (std::set<std::string>{
                       "Caf\xC3\xA9\x01", "^1Ok\xC3\xA9\"<\xC3\xA2\xC2\x82"}));
  EXPECT_EQ(plains, (std::set<std::string>{
                        "Caf\xC3\xA9\x01", "Ok\xC3\xA9\"<\xC3\xA2\xC2\x82"}));
  EXPECT_NE(read_file("morv.json").find("\\u0001"), std::string::npos);
}

}  // namespace
