// Program entry: one driver object, one run.
#include <cstdio>
#include <memory>

#include "main/morv_main.h"

int main(int argc, char** argv) {
  auto morv = std::make_unique<morv_main>();
  morv->run(argc, argv);
  std::printf("\n");
  return 0;
}
