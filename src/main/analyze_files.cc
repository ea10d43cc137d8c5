// Temporary: the analysis driver is not written yet; the run goes on from
// the settings printout to the elapsed-time line.
#include "main/morv_main.h"

void morv_main::analyze_files(const std::string&) {}
