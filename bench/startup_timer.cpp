// Times a program's start-up to its first mapped top-level window on the X display
// named by DISPLAY: starts it, waits for the window system to map a window of it on
// the root window, prints the milliseconds in between, and ends the program.
//
// Usage: startup_timer PROGRAM [ARGUMENT...]
// Exit status 0 with the time on standard output, 1 when no window was mapped within
// 30 seconds or the program could not be started.

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

pid_t g_child = 0;

void GiveUp(int) {
  kill(g_child, SIGKILL);
  _exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_timer PROGRAM [ARGUMENT...]\n");
    return 1;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "startup_timer: cannot open the display\n");
    return 1;
  }
  // Top-level windows are children of the root: their mapping is reported here.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  g_child = child;
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  if (child < 0) {
    std::perror("startup_timer: fork");
    return 1;
  }

  // A program that dies or hangs before mapping a window ends the wait too.
  signal(SIGALRM, GiveUp);
  alarm(30);
  XEvent event;
  bool mapped = false;
  while (!mapped) {
    XNextEvent(display, &event);
    mapped = event.type == MapNotify && !event.xmap.override_redirect;
  }
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  std::printf("%.1f\n", elapsed.count());

  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return 0;
}
