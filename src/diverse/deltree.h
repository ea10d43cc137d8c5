// Removal of a folder tree, so that each run starts its sub-folders empty.
#ifndef MORV_DIVERSE_DELTREE_H_
#define MORV_DIVERSE_DELTREE_H_

#include <fcntl.h>

#include <string>
#include <vector>

namespace diverse {

// Removes what matches pattern ('*' and '?', letters ignoring case) in the
// folder held open as folder (AT_FDCWD for the current folder; an O_PATH
// descriptor will do): real folders (not links, names not beginning with
// '.') with everything inside, other entries as files, links without what
// they point to. What cannot be removed stays, silently. Works through
// descriptors: the current folder is never changed. Ends the run with
// "diverse::deltree - couldn't change to lower level directory" when a
// folder can be listed but not entered (it lacks search permission).
void deltree(int folder, const char* pattern);

// The same in the current folder.
inline void deltree(const char* pattern) { deltree(AT_FDCWD, pattern); }

// Removes the one entry name of folder as deltree removes what it matches,
// whatever its name (a folder beginning with '.' too).
void remove_tree(int folder, const std::string& name);

// The names in folder (but "." and "..") that match pattern, in the order
// the folder lists them; none when it cannot be listed.
std::vector<std::string> entries_matching(int folder, const char* pattern);

}  // namespace diverse

#endif  // MORV_DIVERSE_DELTREE_H_
