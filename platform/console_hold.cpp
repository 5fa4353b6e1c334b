#include "platform/console_hold.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32

namespace mst {

void HoldConsole() {
  std::fflush(stdout);
  // The command's result is of no use: the process ends after it either way.
  int ignored = std::system("PAUSE");
  (void)ignored;
}

}  // namespace mst

#else

#include <termios.h>
#include <unistd.h>
#include <cerrno>

namespace mst {

namespace {

// Reads one key press without waiting for Enter and without echoing it, and the whole of it:
// an arrow or function key sends several bytes at once (an escape sequence), and what is left
// of it would otherwise reach the shell after the program ends.
void WaitForOneKey() {
  termios saved{};
  const bool canSwitch = tcgetattr(STDIN_FILENO, &saved) == 0;
  termios raw = saved;
  if (canSwitch) {
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  }
  char key[64];
  ssize_t got = 0;
  do {
    got = read(STDIN_FILENO, key, sizeof key);
  } while (got < 0 && errno == EINTR);
  if (canSwitch && got > 0) {
    // The rest of the key's bytes follow within a moment: read until a tenth of a second
    // passes without any.
    raw.c_cc[VMIN] = 0;
    raw.c_cc[VTIME] = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    while (read(STDIN_FILENO, key, sizeof key) > 0) {
    }
  }
  if (canSwitch) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  }
}

}  // namespace

void HoldConsole() {
  std::fflush(stdout);
  // The hold keeps a console open for the user to read the report in: only when both the
  // keyboard (standard input) and the report (standard output) are a terminal. A report sent
  // to a file or a pager (mst-bench | less, which reads the keyboard itself) is not held for.
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    return;
  }
  // Keys typed while the routines ran must not end the hold before the report is read.
  tcflush(STDIN_FILENO, TCIFLUSH);
  std::fputs("Press any key to continue . . . ", stdout);
  std::fflush(stdout);
  WaitForOneKey();
  std::fputs("\n", stdout);
  std::fflush(stdout);
}

}  // namespace mst

#endif
