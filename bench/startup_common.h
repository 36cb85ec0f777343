// SPDX-License-Identifier: GPL-3.0-or-later
// What both start-up probes print: "idle" once MainForm is shown and the
// event loop has nothing left to do, and their peak resident memory.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>

inline void printIdle() {
  std::printf("idle\n");
  std::fflush(stdout);
}

inline void printPeakMemory() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}
