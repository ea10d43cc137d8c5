// Removal of a folder tree, so that each run starts its sub-folders empty.
#ifndef MORV_DIVERSE_DELTREE_H_
#define MORV_DIVERSE_DELTREE_H_

namespace diverse {

// Removes what matches pattern in the current folder: real folders (not
// links, names not beginning with '.') with everything inside, other entries
// as files. What cannot be removed stays, silently. The current folder is
// the same after the call. Ends the run with "diverse::deltree - couldn't
// change to lower level directory" when a folder can be listed but not
// entered.
void deltree(const char* pattern);

}  // namespace diverse

#endif  // MORV_DIVERSE_DELTREE_H_
