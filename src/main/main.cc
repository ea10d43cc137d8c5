// Program entry: one driver object, one run.
#include <malloc.h>

#include <cstdio>
#include <memory>

#include "main/morv_main.h"

int main(int argc, char** argv) {
  // Each game's texts are made and freed on the second thread: memory kept
  // for the next game instead of given back costs no page faults.
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  auto morv = std::make_unique<morv_main>();
  morv->run(argc, argv);
  std::printf("\n");
  return 0;
}
