// Checks shared by the robustness tests: whether a written site is sound,
// and a snapshot of a folder to prove that a run touched nothing in it.
#ifndef MORV_TESTS_SITE_CHECK_H_
#define MORV_TESTS_SITE_CHECK_H_

#include <map>
#include <string>
#include <vector>

// Problems found in the site below root, one text each; empty when sound.
// players.htm and games.htm must exist; every .htm file must begin with
// "<html>" and end with "</html>", every relative link (href) must name an
// existing file, and no page may hold a raw <script or <img tag in any
// letter case.
std::vector<std::string> site_problems(const std::string& root);

// Names, kinds and sizes of the entries directly in folder, except those
// named in skip; compared before and after a run.
std::map<std::string, std::string> folder_snapshot(
    const std::string& folder, const std::vector<std::string>& skip);

#endif  // MORV_TESTS_SITE_CHECK_H_
