/* Wall time of whole processes, several commands taking turns run by run,
 * so that every command sees the same machine.
 *
 *   spawn_times [-i INPUT] ROUNDS COMMAND [ARGS...] [-- COMMAND [ARGS...]]...
 *
 * Each round starts every command once, in the given order, with its output
 * going to /dev/null and its input read from INPUT (default /dev/null), and
 * measures the time from just before the process is
 * made to its exit. Prints one line per command: the median, lowest and
 * 90th-percentile time in milliseconds; then, for every command after the
 * first, the median of the per-round ratios first/this (the first command's
 * time as a share of this one's, both from the same round). A command that
 * does not exit with status 0 ends the measurement.
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

enum { MAX_COMMANDS = 16 };

static double NowMs(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

static int CompareDoubles(const void* a, const void* b) {
  const double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

/* The value at fraction q of the sorted copy of v[0..n). */
static double Quantile(const double* v, int n, double q) {
  double* s = malloc(sizeof(double) * (size_t)n);
  memcpy(s, v, sizeof(double) * (size_t)n);
  qsort(s, (size_t)n, sizeof(double), CompareDoubles);
  const double r = s[(int)(q * (n - 1) + 0.5)];
  free(s);
  return r;
}

/* The command as one line of text, for the table. */
static void Label(char** argv, char* out, size_t size) {
  size_t used = 0;
  out[0] = '\0';
  for (char** a = argv; *a != NULL && used + 1 < size; ++a) {
    used += (size_t)snprintf(out + used, size - used, "%s%s", a == argv ? "" : " ", *a);
  }
}

static double RunOnce(char** argv, posix_spawn_file_actions_t* actions) {
  const double t0 = NowMs();
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], actions, NULL, argv, environ) != 0) {
    perror(argv[0]);
    exit(2);
  }
  int status;
  if (waitpid(pid, &status, 0) < 0) {
    perror("waitpid");
    exit(2);
  }
  const double t1 = NowMs();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    fprintf(stderr, "%s failed: a failing command's time means nothing\n", argv[0]);
    exit(2);
  }
  return t1 - t0;
}

int main(int argc, char** argv) {
  const char* input = "/dev/null";
  if (argc > 2 && strcmp(argv[1], "-i") == 0) {
    input = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc < 3) {
    fprintf(stderr, "usage: spawn_times [-i INPUT] ROUNDS COMMAND [ARGS...] [-- COMMAND [ARGS...]]...\n");
    return 2;
  }
  const int rounds = atoi(argv[1]);
  if (rounds < 1) {
    fprintf(stderr, "ROUNDS must be at least 1\n");
    return 2;
  }
  char** commands[MAX_COMMANDS];
  int count = 0;
  commands[count++] = &argv[2];
  for (int i = 2; i < argc; ++i) {
    if (strcmp(argv[i], "--") == 0) {
      argv[i] = NULL;
      if (i + 1 >= argc || count == MAX_COMMANDS) {
        fprintf(stderr, "an empty command, or more than %d\n", MAX_COMMANDS);
        return 2;
      }
      commands[count++] = &argv[i + 1];
    }
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input, O_RDONLY, 0);

  double* times = calloc((size_t)rounds * (size_t)count, sizeof(double));
  /* Two rounds to warm the caches, not counted. */
  for (int r = 0; r < 2; ++r) {
    for (int c = 0; c < count; ++c) RunOnce(commands[c], &actions);
  }
  for (int r = 0; r < rounds; ++r) {
    for (int c = 0; c < count; ++c) times[c * rounds + r] = RunOnce(commands[c], &actions);
  }

  char labels[MAX_COMMANDS][64];
  for (int c = 0; c < count; ++c) Label(commands[c], labels[c], sizeof labels[c]);
  printf("%d rounds, median / lowest / 90th percentile:\n", rounds);
  for (int c = 0; c < count; ++c) {
    const double* t = &times[c * rounds];
    printf("  %-40s %8.2f ms %8.2f ms %8.2f ms\n", labels[c], Quantile(t, rounds, 0.5),
           Quantile(t, rounds, 0), Quantile(t, rounds, 0.9));
  }
  double* ratios = calloc((size_t)rounds, sizeof(double));
  for (int c = 1; c < count; ++c) {
    for (int r = 0; r < rounds; ++r) ratios[r] = times[r] / times[c * rounds + r];
    printf("  %s / %s: %.3f (median of the per-round ratios)\n", labels[0], labels[c],
           Quantile(ratios, rounds, 0.5));
  }
  free(ratios);
  free(times);
  return 0;
}
