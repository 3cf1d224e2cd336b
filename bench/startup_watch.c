/* Starts a window program on the X display and reports how long it takes
 * until its first top-level window is shown: mapped, and painted.
 *
 *   startup_watch [-v] PROGRAM [ARGUMENTS...]
 *
 * Prints one line "map_ms paint_ms cpu_ms": the milliseconds from just
 * before the program is started to the map of its first top-level window,
 * and to the end of that window's first painting (the last drawing into it
 * before it has been still for QUIET_MS); then the processor time the
 * program used in all (user and system), after it has been ended with
 * SIGTERM. The program's own output is discarded. With -v every event is
 * printed to standard error as it arrives.
 *
 * The watcher sees the window from the X server's side (structure events on
 * the root window and the DAMAGE extension), so the program under test needs
 * no instrumentation of its own. Before the start it moves the pointer to
 * the bottom right corner of the screen, away from where either program
 * puts its window, so that no program pays for a pointer shape the other
 * one does not.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char** environ;

enum { QUIET_MS = 250, TIMEOUT_MS = 30000, MAX_WINDOWS = 64 };

static double NowMs(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (double)ts.tv_sec * 1e3 + (double)ts.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
  int verbose = 0;
  int first = 1;
  if (argc > 1 && strcmp(argv[1], "-v") == 0) {
    verbose = 1;
    first = 2;
  }
  if (argc <= first) {
    fprintf(stderr, "usage: %s [-v] PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }

  xcb_connection_t* x = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(x)) {
    fprintf(stderr, "startup_watch: cannot open the display\n");
    return 2;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
  if (!damage || !damage->present) {
    fprintf(stderr, "startup_watch: the display has no DAMAGE extension\n");
    return 2;
  }
  free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), NULL));
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const xcb_window_t root = screen->root;
  xcb_warp_pointer(x, XCB_NONE, root, 0, 0, 0, 0, (int16_t)(screen->width_in_pixels - 1),
                   (int16_t)(screen->height_in_pixels - 1));
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t c = xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
  xcb_generic_error_t* error = xcb_request_check(x, c);
  if (error) {
    fprintf(stderr, "startup_watch: cannot watch the root window\n");
    return 2;
  }

  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
  pid_t child;
  const double start = NowMs();
  if (posix_spawnp(&child, argv[first], &quiet, NULL, argv + first, environ) != 0) {
    fprintf(stderr, "startup_watch: cannot start %s: %s\n", argv[first], strerror(errno));
    return 2;
  }

  /* Every top-level window gets a damage object as soon as it exists, so
   * that no drawing after its map can be missed. */
  xcb_window_t windows[MAX_WINDOWS];
  int windowCount = 0;
  xcb_window_t shown = XCB_NONE;
  double mapMs = -1.0;
  double paintMs = -1.0;
  const int fd = xcb_get_file_descriptor(x);
  int result = 1;
  for (;;) {
    const double now = NowMs();
    if (now - start > TIMEOUT_MS) {
      fprintf(stderr, "startup_watch: no window shown within %d ms\n", TIMEOUT_MS);
      break;
    }
    if (paintMs >= 0 && now - start - paintMs >= QUIET_MS) {
      result = 0;
      break;
    }
    int status;
    if (waitpid(child, &status, WNOHANG) == child) {
      fprintf(stderr, "startup_watch: the program ended before its window was shown\n");
      return 1;
    }
    xcb_generic_event_t* event = xcb_poll_for_event(x);
    if (!event) {
      if (xcb_connection_has_error(x)) break;
      struct pollfd p = {fd, POLLIN, 0};
      poll(&p, 1, 5);
      continue;
    }
    const double t = NowMs() - start;
    const uint8_t type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
      const xcb_create_notify_event_t* e = (const xcb_create_notify_event_t*)event;
      if (e->parent == root && windowCount < MAX_WINDOWS) {
        windows[windowCount++] = e->window;
        xcb_damage_create(x, xcb_generate_id(x), e->window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(x);
      }
      if (verbose) fprintf(stderr, "%8.1f create %#x\n", t, e->window);
    } else if (type == XCB_MAP_NOTIFY) {
      const xcb_map_notify_event_t* e = (const xcb_map_notify_event_t*)event;
      if (verbose) fprintf(stderr, "%8.1f map %#x\n", t, e->window);
      if (shown == XCB_NONE && !e->override_redirect) {
        for (int i = 0; i < windowCount; ++i) {
          if (windows[i] == e->window) {
            shown = e->window;
            mapMs = t;
          }
        }
      }
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
      const xcb_damage_notify_event_t* e = (const xcb_damage_notify_event_t*)event;
      if (verbose) {
        fprintf(stderr, "%8.1f damage %#x %dx%d+%d+%d\n", t, e->drawable, e->area.width,
                e->area.height, e->area.x, e->area.y);
      }
      if (e->drawable == shown) paintMs = t;
    }
    free(event);
  }
  kill(child, SIGTERM);
  struct rusage usage;
  int status;
  wait4(child, &status, 0, &usage);
  xcb_disconnect(x);
  if (result == 0) {
    const double cpuMs = (double)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (double)(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    printf("%.1f %.1f %.1f\n", mapMs, paintMs, cpuMs);
  }
  return result;
}
