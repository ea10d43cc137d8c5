// Placeholder until the configuration lands.
#include "config/configdata.h"

configdata::configdata() {}
