// Placeholder until the run sequence lands.
#include "main/morv_main.h"

morv_main::morv_main() = default;
void morv_main::run(int, char**) {}
