// Checks shared by the robustness tests: whether a written site is sound
// (complete pages, working relative links, no injected markup), and a
// snapshot of a folder to prove that a run touched nothing in it.
#ifndef MORV_TESTS_SITE_CHECK_H_
#define MORV_TESTS_SITE_CHECK_H_

#include <map>
#include <string>
#include <vector>

// Problems found in the site below root, one text each; empty when sound.
// Every .htm file must begin with "<html>" and end with "</html>", every
// relative link (href) must name an existing file, and no page may hold a
// raw <script or <img tag. players.htm and games.htm must exist.
std::vector<std::string> site_problems(const std::string& root);

// Names, kinds and sizes of the entries directly in folder, except those
// named in skip; compared before and after a run.
std::map<std::string, std::string> folder_snapshot(
    const std::string& folder, const std::vector<std::string>& skip);

// Every .htm file below root, relative to root.
std::vector<std::string> pages_below(const std::string& root);

#endif  // MORV_TESTS_SITE_CHECK_H_
