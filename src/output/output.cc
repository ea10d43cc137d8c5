// The two forms of the page-section writer.
#include "output/output.h"

output::output(resultdata* game, outputfile* file, configdata* config)
    : file(file), config(config), game(game) {}

output::output(resultdata_total* totals, outputfile* file, configdata* config,
               int games_written)
    : games_written(games_written),
      file(file),
      config(config),
      totals(totals) {}
