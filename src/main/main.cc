// Program entry: one driver object, one run.
#include <malloc.h>

#include <cstdio>
#include <memory>

#include "main/morv_main.h"

int main(int argc, char** argv) {
  // Each game's texts and its copy for the pages (a kill matrix of up to
  // a few megabytes) are made and freed on the second thread: memory kept
  // for the next game, and blocks taken from the heap rather than mapped
  // afresh each time, cost no page faults.
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  auto morv = std::make_unique<morv_main>();
  morv->run(argc, argv);
  std::printf("\n");
  return 0;
}
