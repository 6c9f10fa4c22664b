// Process start to first present: the whole headless program, started and ended, since
// headless without a script ends right after its first frame.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

void startToFirstFrame(benchmark::State& state) {
  const char* argv[] = {NUPAVANE_PROGRAM, "--headless", "--seed", "1", nullptr};
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", 0, 0);
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &quiet, nullptr, const_cast<char**>(argv), environ) != 0) {
      state.SkipWithError("cannot start the program");
      break;
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the program failed");
  }
  posix_spawn_file_actions_destroy(&quiet);
}
BENCHMARK(startToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
