// Rendering one finished game: page, list entry, data file texts, export.
#include "output/game_output.h"

#include "config/configdata.h"
#include "output/datafile.h"
#include "output/game_page.h"
#include "output/json_writer.h"

std::unique_ptr<game_output> render_game(const resultdata& game,
                                         const run_context& context) {
  auto output = std::make_unique<game_output>();
  output->number = context.number;
  if (context.classic) {
    output->list_entry.open_in_memory("");
    write_game_list_entry(output->list_entry, game, context.config,
                          context.number);
    const std::string name = game_page_name(context.number);
    outputfile page;
    page.open_at(context.games_folder, name.c_str(), name,
                 outputfile::open_mode::create,
                 outputfile::failures::kept);
    write_game_page(page, game, context.config, context.number);
    page.close();
    output->page_saved = page.result();
  }
  if (context.config.write_datafile) {
    output->player_lines.open_in_memory("");
    write_player_lines(output->player_lines, game, context.number);
    output->datafile_block.open_in_memory("");
    write_datafile_block(output->datafile_block, game);
  }
  if (context.json) {
    output->json_game.open_in_memory("");
    rapidjson::StringBuffer buffer;
    json_writer writer(buffer);
    write_json_game(writer, game, context.number,
                    context.log_path, context.player_numbers);
    move_json(buffer, output->json_game);
  }
  return output;
}
