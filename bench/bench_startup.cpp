// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time and peak memory of Ombrel against the floor program, side by
// side in one run: each started alternately, the time from its start until
// it reports an idle event loop, median of the runs.
//   bench_startup <startup_ombrel> <startup_floor> [runs]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double milliseconds = 0;
  long peakKiB = 0;
};

// Starts the program, reads its report up to "idle", waits for its end.
Run start(const std::string& program, const char* argument) {
  int out[2];
  if (pipe(out) != 0) std::exit(2);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);  // Qt's notes
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  if (argument) argv.push_back(const_cast<char*>(argument));
  argv.push_back(nullptr);
  const auto begin = std::chrono::steady_clock::now();
  pid_t pid;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
    std::perror(program.c_str());
    std::exit(2);
  }
  close(out[1]);
  Run run;
  std::string text;
  char buf[256];
  for (ssize_t n; text.find("idle\n") == std::string::npos && (n = read(out[0], buf, sizeof buf)) > 0;)
    text.append(buf, std::size_t(n));
  run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) text.append(buf, std::size_t(n));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  if (const auto at = text.find("VmHWM:"); at != std::string::npos) run.peakKiB = std::atol(text.c_str() + at + 6);
  if (text.find("idle\n") == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not start cleanly\n", program.c_str());
    std::exit(1);
  }
  return run;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <startup_ombrel> <startup_floor> [runs]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
  start(argv[1], nullptr);  // warm the caches once for both
  start(argv[2], nullptr);
  std::vector<double> ombrel, floor;
  for (int i = 0; i < runs; ++i) {
    ombrel.push_back(start(argv[1], nullptr).milliseconds);
    floor.push_back(start(argv[2], nullptr).milliseconds);
  }
  std::vector<double> ombrelPeak, floorPeak;
  for (int i = 0; i < 3; ++i) {
    ombrelPeak.push_back(double(start(argv[1], "all").peakKiB));
    floorPeak.push_back(double(start(argv[2], nullptr).peakKiB));
  }
  const double t = median(ombrel), f = median(floor);
  const double m = median(ombrelPeak), fm = median(floorPeak);
  std::printf("start-up, median of %d: Ombrel %.1f ms, floor %.1f ms, ratio %.2f (target <= 1.1)\n", runs, t, f, t / f);
  std::printf("peak memory: Ombrel with all twenty windows %.0f KiB, floor idle %.0f KiB, ratio %.2f (target <= 1.3)\n",
              m, fm, m / fm);
  return 0;
}
