#include "platform/console_hold.h"

#include <cstdio>
#include <cstdlib>

#ifdef _WIN32

void HoldConsole() {
  std::fflush(stdout);
  // The command's result is of no use: the process ends after it either way.
  int ignored = std::system("PAUSE");
  (void)ignored;
}

#else

#include <cerrno>
#include <termios.h>
#include <unistd.h>

namespace {

// Reads one key press without waiting for Enter and without echoing it.
void WaitForOneKey() {
  termios saved{};
  const bool canSwitch = tcgetattr(STDIN_FILENO, &saved) == 0;
  if (canSwitch) {
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  }
  char key = 0;
  ssize_t got = 0;
  do {
    got = read(STDIN_FILENO, &key, 1);
  } while (got < 0 && errno == EINTR);
  if (canSwitch) {
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
  }
}

}  // namespace

void HoldConsole() {
  std::fflush(stdout);
  if (!isatty(STDIN_FILENO)) {
    return;
  }
  // The prompt goes where the user looks: with the report redirected to a file, the report
  // stays clean and the prompt shows on the terminal instead.
  std::FILE* promptTo = isatty(STDOUT_FILENO) ? stdout : stderr;
  std::fputs("Press any key to continue . . . ", promptTo);
  std::fflush(promptTo);
  WaitForOneKey();
  std::fputs("\n", promptTo);
  std::fflush(promptTo);
}

#endif
