// A folder that a run builds whole beside its place and puts in place when
// the run succeeds (the modern site), and the temporary names that every
// file and folder of a run is first made under.
#ifndef MORV_OUTPUT_SITE_FOLDER_H_
#define MORV_OUTPUT_SITE_FOLDER_H_

#include <string>

#include "diverse/folders.h"

// The prefix of this process's temporary names: ".morv-tmp-PID-".
std::string temporary_prefix(long pid);
// Removes the entries of folder whose names begin with a temporary prefix:
// this process's, or (stale) those of processes that no longer run.
void remove_temporaries_in(int folder, bool stale);

// The name of the file that marks a folder as Morv's own.
inline constexpr const char* SITE_MARKER = ".morv-site";

// One per run with --site, owned by the driver. The folder path (from the
// start folder; a link is followed) belongs to Morv: prepare refuses a
// non-empty one without the marker. The new site is made in a folder
// beside it under a temporary name, which publish swaps with the old one
// in one step (renameat2 RENAME_EXCHANGE). A lock file beside it keeps two
// runs apart; until publish, fatal_error and SIGINT/SIGTERM remove the new
// folder (site::remove_temporaries), and the next run removes what a
// killed run left.
class site_folder {
 public:
  site_folder(std::string path, bool quiet);
  ~site_folder();
  site_folder(const site_folder&) = delete;
  site_folder& operator=(const site_folder&) = delete;

  // Makes the missing parents, takes the lock, refuses a foreign folder,
  // and makes the new folder with its marker; ends the run on failure
  // ("Couldn't open %s", "Another run of morv is writing %s", "%s is not
  // empty and was not made by morv ...").
  void prepare();
  // The new folder, held open; and a sub-folder of it, made and opened
  // (fatal "Couldn't open %s" when it cannot be).
  int folder() const { return built.descriptor(); }
  diverse::folder_handle make_subfolder(const std::string& name) const;
  // The file as messages name it: the path as given, then name.
  std::string shown(const std::string& name) const;
  // Puts the new folder in place with the old one's permissions, and
  // removes the old one; fatal "Couldn't write %s" when it cannot.
  void publish();

 private:
  // Settles parent_path and name: the folder's own, or its link target's.
  void resolve();
  void take_lock();
  void refuse_foreign_folder();

  const std::string path;  // as given
  const bool quiet;
  std::string parent_path;
  std::string name;
  std::string temporary_name;
  diverse::folder_handle parent;
  diverse::folder_handle built;
  int lock = -1;
};

#endif  // MORV_OUTPUT_SITE_FOLDER_H_
