// The console hold at a real terminal: mst-bench runs on a pseudo-terminal, as in a console
// window, and the test plays the user (POSIX only).
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/terminal.h"

using namespace mst;

namespace {

namespace fs = std::filesystem;

const char* const kPrompt = "Press any key to continue . . . ";
const char* const kNetwork = "3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n";

class ConsoleHold : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(SCRATCH_ROOT) / "console_hold" / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // A machine without pseudo-terminals (no /dev/pts, as in some containers) cannot play a console.
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
      GTEST_SKIP() << "no pseudo-terminal can be opened here (" << std::strerror(errno)
                   << "): the console hold is not tested";
    }
  }

  void TearDown() override {
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    for (int fd : {master_, slave_, pipeOut_}) {
      if (fd >= 0) close(fd);
    }
  }

  void WriteNetworks(int count) {
    for (int n = 1; n <= count; ++n) {
      std::ofstream(dir_ / ("matrix" + std::to_string(n) + ".txt")) << kNetwork;
    }
  }

  // Starts mst-bench with the terminal as standard input and error, and as standard output
  // unless the report goes to a pipe.
  void Start(bool reportToPipe) {
    int pipeFds[2] = {-1, -1};
    if (reportToPipe) {
      ASSERT_EQ(pipe(pipeFds), 0);
    }
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      setsid();
      ioctl(slave_, TIOCSCTTY, 0);
      dup2(slave_, STDIN_FILENO);
      dup2(reportToPipe ? pipeFds[1] : slave_, STDOUT_FILENO);
      dup2(slave_, STDERR_FILENO);
      if (chdir(dir_.c_str()) != 0) _exit(126);
      execl(MST_BENCH_PATH, MST_BENCH_PATH, static_cast<char*>(nullptr));
      _exit(127);
    }
    if (reportToPipe) {
      close(pipeFds[1]);
      pipeOut_ = pipeFds[0];
    }
  }

  // Reads from fd until text holds marker or the time is up.
  static std::string ReadUntil(int fd, const std::string& marker, int timeoutMs = 20000) {
    std::string text;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (text.find(marker) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
      pollfd ready{fd, POLLIN, 0};
      if (poll(&ready, 1, 50) <= 0) continue;
      char buffer[4096];
      const ssize_t got = read(fd, buffer, sizeof buffer);
      if (got <= 0) break;
      text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
  }

  // Whatever fd holds now, without waiting for more than a moment.
  static std::string ReadAvailable(int fd) { return ReadUntil(fd, std::string(1, '\0'), 200); }

  bool StillRunning() { return waitpid(pid_, &status_, WNOHANG) == 0; }

  // The exit status once the program has ended, or -1 if it has not within the time.
  int ExitStatus(int timeoutMs = 10000) {
    for (int waited = 0; waited < timeoutMs; waited += 10) {
      if (waitpid(pid_, &status_, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }

  tcflag_t LocalModes() const {
    termios modes{};
    tcgetattr(slave_, &modes);
    return modes.c_lflag & (ICANON | ECHO);
  }

  void PressKey(char key) { ASSERT_EQ(write(master_, &key, 1), 1); }

  fs::path dir_;
  pid_t pid_ = -1;
  int status_ = 0;
  int master_ = -1;
  int slave_ = -1;
  int pipeOut_ = -1;
};

TEST_F(ConsoleHold, AfterACompleteRunWaitsForOneKeyWithoutEchoAndRestoresTheTerminal) {
  WriteNetworks(3);
  const tcflag_t before = LocalModes();
  ASSERT_EQ(before, ICANON | ECHO);
  Start(false);
  const std::string shown = ReadUntil(master_, kPrompt);
  ASSERT_NE(shown.find(kPrompt), std::string::npos) << shown;
  EXPECT_LT(shown.find("time for KRUSKAL (network 3)"), shown.find(kPrompt));

  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(StillRunning()) << "ended without a key";
  EXPECT_EQ(LocalModes(), 0u) << "waits without line mode and without echo";

  PressKey('x');  // one key, no Enter
  EXPECT_EQ(ExitStatus(), 0);
  EXPECT_EQ(ReadAvailable(master_), "\r\n") << "the key must not be echoed";
  EXPECT_EQ(LocalModes(), before) << "the terminal's settings must be restored";
}

TEST_F(ConsoleHold, WithTheReportPipedThereIsNoHold) {
  // mst-bench | less: the pager reads the keyboard, and a hold would take its first key.
  WriteNetworks(3);
  Start(true);
  EXPECT_EQ(ExitStatus(), 0) << "ended without a key";
  const std::string report = ReadAvailable(pipeOut_);
  EXPECT_NE(report.find("time for KRUSKAL (network 3) :    "), std::string::npos) << report;
  EXPECT_EQ(report.find("Press"), std::string::npos);
  EXPECT_EQ(ReadAvailable(master_).find("Press"), std::string::npos);
}

TEST_F(ConsoleHold, AnArrowKeyEndsTheHoldWholeAndKeysTypedDuringTheRunDoNot) {
  WriteNetworks(3);
  Start(false);
  PressKey('q');  // typed while the routines run: discarded before the prompt
  const std::string shown = ReadUntil(master_, kPrompt);
  ASSERT_NE(shown.find(kPrompt), std::string::npos) << shown;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(StillRunning()) << "a key typed before the prompt ended the hold";

  // The up arrow, three bytes; over a slow line the last two may come a moment later.
  PressKey('\x1b');
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_EQ(write(master_, "[A", 2), 2);
  EXPECT_EQ(ExitStatus(), 0);
  // What the shell would read next: the terminal's input queue, read without line mode.
  termios modes{};
  ASSERT_EQ(tcgetattr(slave_, &modes), 0);
  modes.c_lflag &= static_cast<tcflag_t>(~ICANON);
  modes.c_cc[VMIN] = 0;
  modes.c_cc[VTIME] = 0;
  ASSERT_EQ(tcsetattr(slave_, TCSANOW, &modes), 0);
  char left[16];
  EXPECT_EQ(read(slave_, left, sizeof left), 0) << "the rest of the arrow key was left for the shell";
}

TEST_F(ConsoleHold, AfterAFileErrorHoldsTooThenExitsMinusOne) {
  WriteNetworks(1);
  Start(false);
  const std::string shown = ReadUntil(master_, kPrompt);
  ASSERT_NE(shown.find(kPrompt), std::string::npos) << shown;
  EXPECT_LT(shown.find("ERROR in OPENING FILE : matrix2.txt\r\n"), shown.find(kPrompt));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_TRUE(StillRunning());
  PressKey('\n');
  EXPECT_EQ(ExitStatus(), 255);
}

// What decides whether the hold waits and the long-run notice shows: a terminal, and not a file.
TEST_F(ConsoleHold, IsTerminalTellsATerminalFromAFile) {
  std::FILE* terminal = fdopen(dup(slave_), "w");
  std::FILE* file = std::tmpfile();
  ASSERT_TRUE(terminal != nullptr && file != nullptr);
  EXPECT_TRUE(IsTerminal(terminal));
  EXPECT_FALSE(IsTerminal(file));
  std::fclose(terminal);
  std::fclose(file);
}

}  // namespace
