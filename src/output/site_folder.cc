// The modern site's folder: resolved, locked, checked, built beside its
// place and swapped in; and the run's temporary names.
#include "output/site_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "diverse/deltree.h"
#include "diverse/fatal_error.h"
#include "diverse/outputfile.h"
#include "output/site.h"

std::string temporary_prefix(long pid) {
  return ".morv-tmp-" + std::to_string(pid) + "-";
}

void remove_temporaries_in(int folder, bool stale) {
  const std::string own = temporary_prefix(::getpid());
  for (const std::string& name :
       diverse::entries_matching(folder, ".morv-tmp-*")) {
    if (stale) {
      const long pid = std::atol(name.c_str() + std::strlen(".morv-tmp-"));
      if (pid <= 0 ||
          (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)) {
        diverse::remove_tree(folder, name);
      }
    } else if (name.starts_with(own)) {
      diverse::remove_tree(folder, name);
    }
  }
}

site_folder::site_folder(std::string path, bool quiet)
    : path(std::move(path)), quiet(quiet) {}

site_folder::~site_folder() {
  if (lock >= 0) ::close(lock);
}

std::string site_folder::shown(const std::string& file) const {
  return path.back() == '/' ? path + file : path + "/" + file;
}

// A folder that exists is taken where it really is (through a link, which
// stays), so that the swap replaces what the link points to.
void site_folder::resolve() {
  std::string given = path;
  while (given.size() > 1 && given.back() == '/') given.pop_back();
  struct stat status;
  if (::stat(given.c_str(), &status) == 0) {
    if (!S_ISDIR(status.st_mode)) {
      fatal_error("%s is not a folder", path.c_str());
    }
    char real[PATH_MAX];
    if (::realpath(given.c_str(), real) == nullptr) {
      fatal_error("Couldn't open %s", path.c_str());
    }
    given = real;
  }
  const size_t slash = given.find_last_of('/');
  parent_path = slash == std::string::npos ? "." : given.substr(0, slash + 1);
  name = slash == std::string::npos ? given : given.substr(slash + 1);
  if (name.empty() || name == "." || name == "..") {
    fatal_error("Couldn't use %s as the site folder", path.c_str());
  }
}

void site_folder::prepare() {
  resolve();
  diverse::make_folders(parent_path);
  parent = diverse::folder_handle(parent_path);
  if (!parent.is_open()) fatal_error("Couldn't open %s", path.c_str());
  take_lock();
  refuse_foreign_folder();
  remove_temporaries_in(parent.descriptor(), true);
  site::watch_folder(parent.descriptor());
  temporary_name = temporary_prefix(::getpid()) + name;
  diverse::make_folder_at(parent.descriptor(), temporary_name);
  built = diverse::folder_handle(temporary_name, parent.descriptor());
  if (!built.is_open()) fatal_error("Couldn't open %s", path.c_str());
  outputfile marker;
  marker.open_at(built.descriptor(), SITE_MARKER, shown(SITE_MARKER));
  marker.write("This folder is written by morv --site; a run replaces it.\n");
  marker.close();
}

// The lock lies beside the folder, which each run replaces.
void site_folder::take_lock() {
  const std::string lock_name = "." + name + ".morv.lock";
  lock = ::openat(parent.descriptor(), lock_name.c_str(),
                  O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (lock < 0) fatal_error("Couldn't open %s%s", parent_path.c_str(),
                            lock_name.c_str());
  const int how = quiet ? LOCK_EX | LOCK_NB : LOCK_EX;
  while (::flock(lock, how) != 0) {
    if (errno == EINTR) continue;
    fatal_error("Another run of morv is writing %s", path.c_str());
  }
}

// A web root or a home folder given by mistake is never replaced.
void site_folder::refuse_foreign_folder() {
  const diverse::folder_handle old(name, parent.descriptor());
  if (!old.is_open()) return;
  const std::vector<std::string> entries =
      diverse::entries_matching(old.descriptor(), "*");
  if (entries.empty()) return;
  for (const std::string& entry : entries) {
    if (entry == SITE_MARKER) return;
  }
  fatal_error("%s is not empty and was not made by morv (it has no %s): "
              "give --site an empty or new folder",
              path.c_str(), SITE_MARKER);
}

diverse::folder_handle site_folder::make_subfolder(
    const std::string& sub) const {
  diverse::make_folder_at(built.descriptor(), sub);
  diverse::folder_handle handle(sub, built.descriptor());
  if (!handle.is_open()) fatal_error("Couldn't open %s", shown(sub).c_str());
  return handle;
}

void site_folder::publish() {
  const int folder = parent.descriptor();
  struct stat old;
  const bool exists = ::fstatat(folder, name.c_str(), &old, 0) == 0;
  // The new folder takes the old one's permissions (a fresh one 0755), so
  // that the web server can read what replaces what it could read.
  const mode_t mode = exists ? (old.st_mode & 07777) : 0755;
  if (::fchmodat(folder, temporary_name.c_str(), mode, 0) != 0) {
    fatal_error("Couldn't write %s", path.c_str());
  }
  if (exists && ::renameat2(folder, temporary_name.c_str(), folder,
                            name.c_str(), RENAME_EXCHANGE) == 0) {
    diverse::remove_tree(folder, temporary_name);
  } else if (::renameat(folder, temporary_name.c_str(), folder,
                        name.c_str()) != 0) {
    fatal_error("Couldn't write %s", path.c_str());
  }
}
