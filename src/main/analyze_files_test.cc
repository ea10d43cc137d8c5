// The analysis driver as a process: log files, output folder, stylesheet.
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

// One finished game in which a beats b once on map.
std::string duel(const std::string& map, const std::string& a,
                 const std::string& b) {
  return "  0:00 InitGame: \\g_gametype\\0\\mapname\\" + map +
         "\\gamename\\baseq3\n"
         "  0:01 ClientUserinfoChanged: 0 n\\" + a + "\\t\\0\n"
         "  0:01 ClientUserinfoChanged: 1 n\\" + b + "\\t\\0\n"
         "  0:05 Kill: 0 1 10: x\n"
         "  0:06 say: " + a + ": hi\n"
         "  1:00 ShutdownGame:\n";
}

class analyze_files_test : public temp_folder_test {};

// Writes bytes to path as gzip members, one per part, as `cat a.gz b.gz`
// would join them.
void write_gzip(const std::string& path,
                const std::vector<std::string>& parts) {
  for (const std::string& part : parts) {
    gzFile file = gzopen(path.c_str(), &part == &parts[0] ? "wb" : "ab");
    ASSERT_EQ(gzwrite(file, part.data(), static_cast<unsigned>(part.size())),
              static_cast<int>(part.size()));
    ASSERT_EQ(gzclose(file), Z_OK);
  }
}

// A run's console with each log's name, size and progress figures masked.
std::string without_log_figures(const std::string& console) {
  static const std::regex parsing("\nParsing [^\n]* \\[[0-9]+ byte\\]\n");
  static const std::regex progress("(\b{7}\\( *[0-9]+ %\\))+");
  return std::regex_replace(
      std::regex_replace(mask_volatile(console), parsing, "\nParsing LOG\n"),
      progress, "(P %)");
}

TEST_F(analyze_files_test, no_matching_file_is_fatal) {
  fs::create_directory("folder.log");
  write_file(".hidden.log", duel("q3dm1", "a", "b"));
  for (const char* args :
       {"-x", "'*.log'", "missing.log", "none.log other.log"}) {
    run_result run = run_morv(folder, args);
    EXPECT_EQ(run.status, 1) << args;
    EXPECT_TRUE(run.output.ends_with(
        "\nERROR: No logfiles found\n\nPress ENTER to exit"))
        << args << run.output;
  }
}

// As a shell expands *.log: every argument is read, in the order given,
// as one run, its matches in name order whatever the letter case, its
// folder part searched; one that matches nothing warns where it would have
// been read. Games are numbered across the files.
TEST_F(analyze_files_test, several_log_arguments_are_one_run) {
  fs::create_directory("Logs");
  write_file("b.log", duel("second", "x", "y"));
  write_file("A.LOG", duel("first", "x", "y") + duel("again", "x", "z"));
  write_file("Logs/c.log", duel("fourth", "x", "y"));
  run_result run = run_morv(folder, "'*.log' 'none*.log' 'Logs/C*.LOG'");
  ASSERT_EQ(run.status, 0) << run.output;
  const size_t a = run.output.find("\nParsing A.LOG [");
  const size_t b = run.output.find("\nParsing b.log [");
  const size_t none =
      run.output.find("\nWARNING: no logfile matches none*.log\n");
  const size_t c = run.output.find("\nParsing Logs/c.log [");
  EXPECT_TRUE(a < b && b < none && none < c && c != std::string::npos)
      << run.output;
  EXPECT_NE(read_file("morv_games/game_1.htm").find("first"), std::string::npos);
  EXPECT_NE(read_file("morv_games/game_3.htm").find("second"),
            std::string::npos);
  EXPECT_NE(read_file("morv_games/game_4.htm").find("fourth"),
            std::string::npos);
}

// A log, its gzip (two members), and each piped into standard input as "-"
// give the same site and console but for the log's name, size (a gzip
// file's compressed size, 0 for a pipe) and progress figures.
TEST_F(analyze_files_test, gzip_and_standard_input_read_as_the_log) {
  const std::string log = read_file(MORV_SOURCE_DIR "/sample/sample.log");
  write_file("games.log", log);
  write_gzip("games.log.gz", {log.substr(0, 1000), log.substr(1000)});
  const char* prefix = std::getenv("MORV_RUN_PREFIX");
  const struct {
    const char* name;
    const char* log;
    bool piped;
  } runs[] = {{"plain", "games.log", false},
              {"gzip", "games.log.gz", false},
              {"pipe", "games.log", true},
              {"gzip_pipe", "games.log.gz", true}};
  std::string consoles[std::size(runs)];
  for (size_t i = 0; i < std::size(runs); ++i) {
    const std::string run_folder = folder + "/" + runs[i].name;
    fs::create_directory(run_folder);
    fs::copy(runs[i].log, run_folder);
    write_file(run_folder + "/morv.cfg", "output_directory \"site\"\n");
    if (!runs[i].piped) {
      run_result run = run_morv(run_folder, std::string(runs[i].log) + " -l");
      ASSERT_EQ(run.status, 0) << run.output;
      consoles[i] = run.output;
      continue;
    }
    // As run_morv, with the log piped in.
    const std::string command = "cd '" + run_folder + "' && cat " +
                                runs[i].log + " | " +
                                (prefix != nullptr ? prefix : "") +
                                " '" MORV_BINARY "' - -l >console 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0)
        << read_file(run_folder + "/console");
    consoles[i] = read_file(run_folder + "/console");
  }
  EXPECT_NE(consoles[1].find("\nParsing games.log.gz [" +
                             std::to_string(fs::file_size("games.log.gz")) +
                             " byte]\n"),
            std::string::npos);
  EXPECT_NE(consoles[2].find("\nParsing - [0 byte]\n"), std::string::npos);
  const std::set<std::string> site = files_below("plain/site");
  for (size_t i = 1; i < std::size(runs); ++i) {
    EXPECT_EQ(without_log_figures(consoles[i]),
              without_log_figures(consoles[0]))
        << runs[i].name;
    EXPECT_EQ(files_below(std::string(runs[i].name) + "/site"), site);
    for (const std::string& file : site) {
      EXPECT_EQ(mask_volatile(read_file(runs[i].name + ("/site/" + file))),
                mask_volatile(read_file("plain/site/" + file)))
          << runs[i].name << " " << file;
    }
  }
}

// The output folder's missing parents are made, as mkdir -p does (a file in
// the way: tests/failure_path_test.cc).
TEST_F(analyze_files_test, stylesheet_is_copied_once_and_kept) {
  write_file("morv.cfg", "output_directory \"out/site\"\n");
  write_file("morv.css", "body { color: red }");
  write_file("g.log", duel("q3dm1", "a", "b"));
  run_result first = run_morv(folder, "g.log");
  ASSERT_EQ(first.status, 0) << first.output;
  EXPECT_NE(first.output.find("Reading morv.css\n\nCopied stylesheet file "
                              "morv.css to results folder\n"),
            std::string::npos) << first.output;
  EXPECT_EQ(read_file("out/site/morv.css"), "body { color: red }");
  EXPECT_NE(
      read_file("out/site/morv_games/game_1.htm").find("HREF=\"../morv.css\""),
      std::string::npos);

  write_file("morv.css", "body { color: blue }");
  write_file("out/site/morv_games/stale.htm", "old");
  run_result second = run_morv(folder, "g.log");
  EXPECT_NE(second.output.find("\nUsing existing stylesheet file morv.css\n"),
            std::string::npos);
  EXPECT_EQ(read_file("out/site/morv.css"), "body { color: red }");
  EXPECT_FALSE(file_exists("out/site/morv_games/stale.htm"));
}

}  // namespace
