// Runs the built mst-bench in scratch folders, as a user would, and compares its whole output
// (timing figures masked) and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kHyphens = "------------------------------------------------\n";

// Three small networks whose trees are worked out by hand below.
const char* const kNetwork1 = "3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n";
const char* const kNetwork2 = "8\t8\n1\t2\t1\n3\t4\t2\n5\t6\t3\n1\t3\t4\n7\t8\t5\n5\t7\t6\n1\t5\t7\n2\t8\t9\n";
const char* const kNetwork3 = "4 4\r\n1 3 2\r\n2 3 2\r\n4 2 -1\r\n1 4 2\r\n";

std::string Report(const std::string& rows, int total) {
  return kHyphens + rows + "\nTotal Measure\t" + std::to_string(total) + "\n" + kHyphens + "\n";
}

std::string PrimLine(int network) {
  return "    time for PRIM    (network " + std::to_string(network) + ") :    # ms\n\n";
}

std::string KruskalLine(int network) {
  return "    time for KRUSKAL (network " + std::to_string(network) + ") :    # ms\n\n";
}

// Prim lists edges in joining order from node 1; Kruskal in sorted order, where its last run
// meets equal measures in file order.
const std::string kNetwork1Output =
    Report("1\t3\t3\n2\t3\t1\n", 4) + PrimLine(1) + Report("2\t3\t1\n1\t3\t3\n", 4) + KruskalLine(1);
const std::string kNetwork2Output =
    Report("1\t2\t1\n1\t3\t4\n3\t4\t2\n1\t5\t7\n5\t6\t3\n5\t7\t6\n7\t8\t5\n", 28) + PrimLine(2) +
    Report("1\t2\t1\n3\t4\t2\n5\t6\t3\n1\t3\t4\n7\t8\t5\n5\t7\t6\n1\t5\t7\n", 28) + KruskalLine(2);
const std::string kNetwork3Output = Report("1\t3\t2\n2\t3\t2\n4\t2\t-1\n", 3) + PrimLine(3) +
                                    Report("4\t2\t-1\n1\t3\t2\n2\t3\t2\n", 3) + KruskalLine(3);

struct BenchRun {
  std::string out;
  std::string err;
  int status = -1;
};

class EndToEnd : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::path(SCRATCH_ROOT) / info->name();
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }

  void Write(const std::string& name, const std::string& text) { std::ofstream(dir_ / name, std::ios::binary) << text; }

  void WriteAllThree() {
    Write("matrix1.txt", kNetwork1);
    Write("matrix2.txt", kNetwork2);
    Write("matrix3.txt", kNetwork3);
  }

  // Runs a command in the scratch folder, standard output to out.txt, standard error to err.txt.
  BenchRun RunInScratch(const std::string& command) {
    BenchRun run;
    const int raw =
        std::system(("cd '" + dir_.string() + "' && " + command + " < /dev/null > out.txt 2> err.txt").c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadAll(dir_ / "out.txt");
    run.err = ReadAll(dir_ / "err.txt");
    return run;
  }

  // Runs the program in the scratch folder with no terminal on standard input, so it must not
  // wait for a key.
  BenchRun RunBench(const std::string& arguments = "") {
    BenchRun run = RunInScratch("'" MST_BENCH_PATH "' " + arguments);
    run.out = MaskTimes(run.out);
    return run;
  }

  static std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  // Replaces each timing figure, the digits between ") :    " and " ms", with "#".
  static std::string MaskTimes(std::string out) {
    const std::string before = ") :    ";
    for (std::size_t at = out.find(before); at != std::string::npos; at = out.find(before, at)) {
      at += before.size();
      std::size_t end = at;
      while (end < out.size() && out[end] >= '0' && out[end] <= '9') ++end;
      if (end > at && out.compare(end, 3, " ms") == 0) out.replace(at, end - at, "#");
    }
    return out;
  }

  fs::path dir_;
};

TEST_F(EndToEnd, CompleteRunReportsEveryNetworkAndExitsZero) {
  WriteAllThree();
  const BenchRun run = RunBench();
  EXPECT_EQ(run.out, kNetwork1Output + kNetwork2Output + kNetwork3Output);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

TEST_F(EndToEnd, ArgumentsAreIgnored) {
  WriteAllThree();
  const BenchRun run = RunBench("--help matrix9.txt");
  EXPECT_EQ(run.out, kNetwork1Output + kNetwork2Output + kNetwork3Output);
  EXPECT_EQ(run.status, 0);
}

TEST_F(EndToEnd, MissingThirdNetworkEndsAfterTheFirstTwo) {
  Write("matrix1.txt", kNetwork1);
  Write("matrix2.txt", kNetwork2);
  const BenchRun run = RunBench();
  EXPECT_EQ(run.out, kNetwork1Output + kNetwork2Output + "ERROR in OPENING FILE : matrix3.txt\n");
  EXPECT_EQ(run.status, 255);
}

TEST_F(EndToEnd, UnusableSecondNetworkEndsWithItsReason) {
  Write("matrix1.txt", kNetwork1);
  Write("matrix2.txt", "2\t3\n1\t2\t5\n2\t4\t1\n");
  Write("matrix3.txt", kNetwork3);
  const BenchRun run = RunBench();
  EXPECT_EQ(run.out, kNetwork1Output +
                         "ERROR in READING FILE : matrix2.txt (edge row 2: the second end node 4 "
                         "is outside 1 to 3)\n");
  EXPECT_EQ(run.status, 255);
}

TEST_F(EndToEnd, UnreadableFirstNetworkIsAnError) {
  fs::create_directory(dir_ / "matrix1.txt");
  const BenchRun run = RunBench();
  // Some systems refuse to open a folder, others refuse to read it.
  EXPECT_TRUE(run.out == "ERROR in OPENING FILE : matrix1.txt\n" ||
              run.out == "ERROR in READING FILE : matrix1.txt (it is a directory, not a file)\n")
      << run.out;
  EXPECT_EQ(run.status, 255);
}

// Every report and timing line reaches standard output as soon as it is complete: a run stopped
// during network 2's long Prim run (over a minute) keeps network 1's whole output, even in a
// file. A report that cannot be written at all is a failure.
TEST_F(EndToEnd, StoppedRunKeepsFinishedReportsAndUnwritableOutputFails) {
  Write("matrix1.txt", kNetwork1);
  const BenchRun made = RunInScratch("'" MST_NETGEN_PATH "' --nodes 4000 --edges 12000 --seed 9");
  ASSERT_EQ(made.status, 0) << made.err;
  Write("matrix2.txt", made.out);
  Write("matrix3.txt", kNetwork3);
  const BenchRun stopped = RunInScratch("timeout 2 '" MST_BENCH_PATH "'");
  EXPECT_EQ(stopped.status, 124);  // timeout's status for a command it had to stop
  EXPECT_EQ(MaskTimes(stopped.out), kNetwork1Output);

  WriteAllThree();
  const BenchRun full = RunInScratch("sh -c \"'" MST_BENCH_PATH "' > /dev/full\"");
  EXPECT_EQ(full.status, 255);
  EXPECT_EQ(full.err.rfind("mst-bench: the report could not be written to standard output", 0), 0u) << full.err;
#ifdef STRACE_PATH
  // One write fails (the buffer filled by a long first tree, a chain of 700 nodes), the later ones
  // succeed: the run still fails, although its last flush went well.
  std::string chain = "699\t700\n";
  for (int k = 1; k < 700; ++k) chain += std::to_string(k) + "\t" + std::to_string(k + 1) + "\t1\n";
  Write("matrix1.txt", chain);
  // (LeakSanitizer cannot work under strace's ptrace: the sanitizer build's leaks are checked in
  // the other runs.)
  const BenchRun once =
      RunInScratch("ASAN_OPTIONS=detect_leaks=0 '" STRACE_PATH
                   "' -o /dev/null -e trace=write -e inject=write:error=ENOSPC:when=1 '" MST_BENCH_PATH "'");
  EXPECT_EQ(once.status, 255) << once.err;
  EXPECT_EQ(once.err, "mst-bench: the report could not be written to standard output\n");
#endif
}

// Networks from mst-netgen are accepted, and both routines agree on each one's total.
TEST_F(EndToEnd, GeneratedNetworksRunThrough) {
  const char* options[] = {"--nodes 12 --edges 30 --seed 1", "--nodes 40 --edges 300 --seed 2 --min -50 --max 50",
                           "--nodes 60 --edges 59 --seed 3 --min 7 --max 7"};
  for (int k = 0; k < 3; ++k) {
    const BenchRun made = RunInScratch(std::string("'" MST_NETGEN_PATH "' ") + options[k]);
    ASSERT_EQ(made.status, 0) << made.err;
    Write("matrix" + std::to_string(k + 1) + ".txt", made.out);
  }
  const BenchRun run = RunBench();
  EXPECT_EQ(run.status, 0) << run.out;
  std::vector<std::string> totals;
  for (std::size_t at = run.out.find("Total Measure\t"); at != std::string::npos;
       at = run.out.find("Total Measure\t", at + 1)) {
    totals.push_back(run.out.substr(at, run.out.find('\n', at) - at));
  }
  ASSERT_EQ(totals.size(), 6u);
  for (std::size_t k = 0; k < 6; k += 2) EXPECT_EQ(totals[k], totals[k + 1]);
}

// Each timing line carries its own routine's figure: with a clock whose m-th timed run takes
// 2m + 1 seconds, the lines read 1000, 3000, ... 11000 ms, in order.
TEST_F(EndToEnd, EachTimingLineShowsItsOwnRoutinesTime) {
  WriteAllThree();
  const BenchRun run = RunInScratch("'" MST_BENCH_STEPPING_PATH "'");
  ASSERT_EQ(run.status, 0) << run.err;
  std::string lines;
  for (std::size_t at = run.out.find("    time for"); at != std::string::npos;
       at = run.out.find("    time for", at + 1)) {
    lines += run.out.substr(at, run.out.find('\n', at) + 1 - at);
  }
  EXPECT_EQ(lines,
            "    time for PRIM    (network 1) :    1000 ms\n    time for KRUSKAL (network 1) :    3000 ms\n"
            "    time for PRIM    (network 2) :    5000 ms\n    time for KRUSKAL (network 2) :    7000 ms\n"
            "    time for PRIM    (network 3) :    9000 ms\n    time for KRUSKAL (network 3) :    11000 ms\n");
}

// A bad request prints only a message on standard error and fails.
// Every companion says its name and the project's version, whatever else the line holds.
TEST_F(EndToEnd, EveryCompanionTellsItsVersion) {
  const std::pair<const char*, const char*> programs[] = {{MST_NETGEN_PATH, "mst-netgen"},
                                                          {MST_DRAW_PATH, "mst-draw"},
                                                          {MST_TRACE_PATH, "mst-trace"},
                                                          {MST_RACE_PATH, "mst-race"},
                                                          {MST_IMPORT_PATH, "mst-import"}};
  for (const auto& [path, name] : programs) {
    const BenchRun run = RunInScratch("'" + std::string(path) + "' --version missing.txt");
    EXPECT_EQ(run.status, 0) << name;
    EXPECT_EQ(run.out, std::string(name) + " " MST_VERSION "\n");
    EXPECT_EQ(run.err, "") << name;
  }
}

TEST_F(EndToEnd, NetgenRefusesBadArgumentsCleanly) {
  for (const char* args : {"--nodes 10 --edges 5", "--nodes", "--min 9 --max 1", "--frobnicate"}) {
    const BenchRun run = RunInScratch(std::string("'" MST_NETGEN_PATH "' ") + args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_EQ(run.err.rfind("mst-netgen: ", 0), 0u) << args;
  }
}

TEST_F(EndToEnd, NetgenHelpGoesToStandardOutput) {
  const BenchRun run = RunInScratch("'" MST_NETGEN_PATH "' --help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: mst-netgen", 0), 0u);
  EXPECT_EQ(run.err, "");
}

// A network that cannot be written is a failure, not a silent success.
TEST_F(EndToEnd, NetgenFailsWhenItsOutputCannotBeWritten) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  for (const char* args : {"--nodes 5", "--geometric --nodes 5"}) {
    const int raw = std::system(
        ("'" MST_NETGEN_PATH "' " + std::string(args) + " > /dev/full 2> '" + (dir_ / "err.txt").string() + "'")
            .c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << args;
    EXPECT_EQ(ReadAll(dir_ / "err.txt"), "mst-netgen: cannot write to standard output\n") << args;
  }
}

// --output replaces its file only with a whole network: a refused request or a file that
// cannot be written leaves it as it was, and nothing else is left behind.
TEST_F(EndToEnd, NetgenOutputFileIsReplacedOnlyBySuccess) {
  Write("matrix1.txt", kNetwork1);
  const BenchRun typo = RunInScratch("'" MST_NETGEN_PATH "' --nodes 4O --output matrix1.txt");
  EXPECT_EQ(typo.status, 2);
  EXPECT_EQ(ReadAll(dir_ / "matrix1.txt"), kNetwork1);

  const BenchRun made = RunInScratch("'" MST_NETGEN_PATH "' --nodes 40 --seed 3 --output matrix1.txt");
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.out, "");
  const BenchRun same = RunInScratch("'" MST_NETGEN_PATH "' --nodes 40 --seed 3");
  EXPECT_EQ(ReadAll(dir_ / "matrix1.txt"), same.out);

  const BenchRun unwritable = RunInScratch("'" MST_NETGEN_PATH "' --nodes 5 --output no-such-folder/n.txt");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err.rfind("mst-netgen: cannot write no-such-folder/n.txt", 0), 0u) << unwritable.err;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"err.txt", "matrix1.txt", "out.txt"}));
}

// mst-draw reads a file of any name and writes only DOT on standard output.
TEST_F(EndToEnd, DrawWritesDotForAnyFileName) {
  Write("my network.txt", kNetwork3);
  const BenchRun run = RunInScratch("'" MST_DRAW_PATH "' 'my network.txt'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("graph mst {\n", 0), 0u);
  EXPECT_NE(run.out.find("  m3 [id=\"m3\", class=\"label prim kruskal\", label=\"-1  P3 K1\", pos=\""),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("  4 -- 2 [id=\"e3\", class=\"prim kruskal\""), std::string::npos) << run.out;
}

// A file mst-draw cannot use: one line on standard error naming it and why, nothing else.
TEST_F(EndToEnd, DrawRefusesUnusableFilesWithOneLine) {
  Write("bad.txt", "2\t3\n1\t2\t5\n2\t4\t1\n");
  Write("good.txt", kNetwork1);
  Write("few.pos", "0 0\n5 5\n");
  fs::create_directory(dir_ / "folder.txt");
  const struct {
    const char* arguments;
    const char* error;
  } cases[] = {
      {"missing.txt", "mst-draw: missing.txt: cannot open the file (No such file or directory)\n"},
      {"bad.txt", "mst-draw: bad.txt: edge row 2: the second end node 4 is outside 1 to 3\n"},
      {"folder.txt", "mst-draw: folder.txt: it is a directory, not a file\n"},
      {"--positions few.pos good.txt",
       "mst-draw: few.pos: it holds 2 points for 3 nodes (a positions file holds one 'x y' line per node, node 1 "
       "first)\n"},
      {"--positions good.txt good.txt",
       "mst-draw: good.txt: it holds more than 3 points for 3 nodes (a positions file holds one 'x y' line per "
       "node, node 1 first)\n"},
      {"--positions none.pos good.txt", "mst-draw: none.pos: cannot open the file (No such file or directory)\n"},
  };
  for (const auto& c : cases) {
    const BenchRun run = RunInScratch(std::string("'" MST_DRAW_PATH "' ") + c.arguments);
    EXPECT_EQ(run.status, 1) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_EQ(run.err, c.error);
  }
}

TEST_F(EndToEnd, DrawBadUsageSaysWhatWasWrongThenTheUsageAndExitsTwo) {
  Write("a.txt", kNetwork1);
  const struct {
    const char* arguments;
    const char* what;
  } cases[] = {
      {"", "no network file given"},
      {"a.txt a.txt", "one network file only, but 'a.txt' and 'a.txt' were given"},
      {"--frobnicate a.txt", "unknown option '--frobnicate'"},
      {"a.txt --positions", "--positions needs a file name"},
      {"--positions= a.txt", "--positions needs a file name"},
      {"--positions p --positions q a.txt", "--positions given twice"},
      {"-- a.txt a.txt", "one network file only, but 'a.txt' and 'a.txt' were given"},
      {"--", "no network file given"},
      {"-- ''", "the network file name is empty"},
  };
  for (const auto& c : cases) {
    const BenchRun run = RunInScratch(std::string("'" MST_DRAW_PATH "' ") + c.arguments);
    EXPECT_EQ(run.status, 2) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_EQ(run.err,
              std::string("mst-draw: ") + c.what +
                  "\nUsage: mst-draw [--svg] [--positions FILE] [--names FILE] [IMPORT OPTIONS] [--] NETWORK_FILE\n" +
                  run.err.substr(run.err.find("Writes the network")))
        << c.arguments;
  }
  // After "--" a word with dashes is a file name; "-" is standard input, "./-" a file so named.
  Write("-dash.txt", kNetwork1);
  const BenchRun dashed = RunInScratch("'" MST_DRAW_PATH "' -- -dash.txt");
  EXPECT_EQ(dashed.status, 0) << dashed.err;
  const BenchRun dashes = RunInScratch("'" MST_DRAW_PATH "' -- --");
  EXPECT_EQ(dashes.status, 1);
  EXPECT_EQ(dashes.err, "mst-draw: --: cannot open the file (No such file or directory)\n");
  const BenchRun piped = RunInScratch("sh -c \"'" MST_DRAW_PATH "' - < a.txt\"");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_NE(piped.out.find("label=\"standard input: 3 nodes, 3 edges."), std::string::npos) << piped.out;
  Write("-", kNetwork2);
  const BenchRun named = RunInScratch("'" MST_DRAW_PATH "' ./-");
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_NE(named.out.find("label=\"./-: 8 nodes, 8 edges."), std::string::npos) << named.out;
  if (fs::exists("/dev/full")) {
    const BenchRun full = RunInScratch("'" MST_DRAW_PATH "' a.txt > /dev/full; echo $? > status.txt; true");
    EXPECT_EQ(ReadAll(dir_ / "status.txt"), "1\n");
  }
  const BenchRun help = RunInScratch("'" MST_DRAW_PATH "' --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: mst-draw", 0), 0u);
}

// mst-race: the table on a small network with a negative measure, then its refusals, worded as
// the other companions word theirs.
TEST_F(EndToEnd, RaceTablesTheRoutinesAndRefusesAsTheOtherCompanionsDo) {
  Write("three.txt", kNetwork3);
  const BenchRun run = RunInScratch("'" MST_RACE_PATH "' three.txt");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("three.txt: 4 nodes, 4 edges; microseconds per call, median of 7 repetitions (min to max)\n\n"
                          "routine                median          min          max x fastest  one call does\nprim ",
                          0),
            0u)
      << run.out;
  std::vector<const char*> shown = {"  1.00  ", "  12 edge visits (3 scans of the list)\nkruskal ",
                                    "  5 comparisons, 14 record moves, 3 allocations (96 bytes), 3 edges examined, 2 "
                                    "label writes\n",
                                    "\nFastest here: ", "\nOf the two textbook routines, "};
#ifdef MST_HAVE_BOOST  // Boost.Graph's Prim, timed only where Boost is installed
  shown.insert(shown.end(), {"  8 edges examined, ", "(library-prim ran with 1 added to every measure"});
#else
  EXPECT_EQ(run.out.find("library-prim"), std::string::npos) << run.out;
#endif
  for (const char* line : shown) EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  const BenchRun more = RunInScratch("'" MST_RACE_PATH "' --repetitions 3 three.txt");
  EXPECT_NE(more.out.find("median of 3 repetitions"), std::string::npos) << more.out;
  Write("bad.txt", "2\t3\n1\t2\t5\n2\t4\t1\n");
  const struct {
    const char* arguments;
    int status;
    const char* error;
  } cases[] = {
      {"missing.txt", 1, "mst-race: missing.txt: cannot open the file (No such file or directory)\n"},
      {"--repetitions 2 three.txt", 2, "mst-race: --repetitions"},
      {"bad.txt", 1, "mst-race: bad.txt: edge row 2: the second end node 4 is outside 1 to 3\n"},
      {"", 2,
       "mst-race: no network file given\nUsage: mst-race [--repetitions N] [IMPORT OPTIONS] [--] NETWORK_FILE\n"},
      {"--fast three.txt", 2,
       "mst-race: unknown option '--fast'\nUsage: mst-race [--repetitions N] [IMPORT OPTIONS] [--] NETWORK_FILE\n"},
      {"three.txt bad.txt", 2, "mst-race: one network file only, but 'three.txt' and 'bad.txt' were given\nUsage: "},
  };
  for (const auto& c : cases) {
    const BenchRun refused = RunInScratch(std::string("'" MST_RACE_PATH "' ") + c.arguments);
    EXPECT_EQ(refused.status, c.status) << c.arguments;
    EXPECT_EQ(refused.out, "") << c.arguments;
    EXPECT_EQ(refused.err.substr(0, std::string(c.error).size()), c.error) << refused.err;
  }
}

// mst-trace reads and refuses as mst-draw does; its own options are checked too.
TEST_F(EndToEnd, TraceRefusesAsDrawDoes) {
  Write("bad.txt", "2\t3\n1\t2\t5\n2\t4\t1\n");
  Write("good.txt", kNetwork1);
  Write("plain.svg", "no drawing here");
  const std::string nodes = "<g id=\"n1\"></g><g id=\"n2\"></g><g id=\"n3\"></g>";
  Write("other.svg", "<svg>" + nodes + "<g id=\"e1\" class=\"edge\"><title>1&#45;&#45;3</title></g></svg>");
  Write("more.svg", "<svg>" + nodes + "<g id=\"n4\"></g></svg>");
  Write("zero.svg", "<svg>" + nodes + "<g id=\"n0\"></g></svg>");
  Write("beyond.svg", "<svg>" + nodes + "<g id=\"e4\" class=\"edge\"><title>1&#45;&#45;2</title></g></svg>");
  Write("lacking.svg", "<svg>" + nodes + "<g id=\"e2\" class=\"edge\"><title>3&#45;&#45;2</title></g></svg>");
  Write("fewer.svg", "<svg><g id=\"n1\"></g><g id=\"n2\"></g><g id=\"n3x\"></g></svg>");  // n3x is no n3
  Write("named.txt", kNetwork1);
  Write("named.names", "1\ta\n2\tb\n4\td\n");  // beside named.txt, and does not fit it
  Write("fits.names", "1\ta\n2\tb\n3\tc\n");
  fs::create_directory(dir_ / "folder.txt");
  const struct {
    const char* arguments;
    int status;
    const char* error;
  } cases[] = {
      {"missing.txt", 1, "mst-trace: missing.txt: cannot open the file (No such file or directory)\n"},
      {"bad.txt", 1, "mst-trace: bad.txt: edge row 2: the second end node 4 is outside 1 to 3\n"},
      {"--json folder.txt", 1, "mst-trace: folder.txt: it is a directory, not a file\n"},
      {"--page folder.txt good.txt", 1, "mst-trace: folder.txt: it is a directory, not a file\n"},
      {"--page none.svg good.txt", 1, "mst-trace: none.svg: cannot open the file (No such file or directory)\n"},
      {"--page plain.svg good.txt", 1,
       "mst-trace: plain.svg: it holds no <svg> drawing (make it with: mst-draw NETWORK_FILE | neato -Tsvg)\n"},
      // A drawing of another network: an edge between other ends, a node or an edge too many, a tree edge
      // missing.
      {"--page other.svg good.txt", 1,
       "mst-trace: other.svg: its edge e1 joins 1 and 3, where row 1 of the network joins 1 and 2: the drawing is of "
       "another network (make it again: mst-draw NETWORK_FILE | neato -Tsvg)\n"},
      {"--page more.svg good.txt", 1,
       "mst-trace: more.svg: its node n4 is not in the network, of 3 nodes: the drawing is of another network "},
      {"--page zero.svg good.txt", 1,
       "mst-trace: zero.svg: its node n0 is not in the network, of 3 nodes: the drawing is of another network "},
      {"--page beyond.svg good.txt", 1,
       "mst-trace: beyond.svg: its edge e4 is not a row of the network, of 3 rows: the drawing is of another network "},
      {"--page lacking.svg good.txt", 1,
       "mst-trace: lacking.svg: it lacks the edge e3 of Prim's tree: the drawing is of another network "},
      {"--page fewer.svg good.txt", 1, "mst-trace: fewer.svg: it has no node n3: the drawing is of another network "},
      {"named.txt", 1, "mst-trace: named.names: line 3: '4' is not a node number from 1 to 3 "},
      {"--names none.names good.txt", 1, "mst-trace: none.names: cannot open the file (No such file or directory)\n"},
      {"", 2,
       "mst-trace: no network file given\nUsage: mst-trace [--json | --page [SVG_FILE]] [--positions FILE] [--names "
       "FILE] [IMPORT OPTIONS] [--]\n                 NETWORK_FILE\n"},
      {"good.txt good.txt", 2, "mst-trace: one network file only, but 'good.txt' and 'good.txt' were given\nUsage: "},
      {"--json=yes good.txt", 2, "mst-trace: unknown option '--json=yes'\nUsage: "},
      {"--json --json good.txt", 2, "mst-trace: --json given twice\nUsage: "},
      {"--page= good.txt", 2, "mst-trace: --page needs a file name\nUsage: "},
      {"--positions p good.txt", 2, "mst-trace: --positions needs --page\nUsage: "},
      {"--page plain.svg --positions p good.txt", 2,
       "mst-trace: --positions and a drawing together: the drawing has placed the nodes already\nUsage: "},
      {"--page --positions none good.txt", 1, "mst-trace: none: cannot open the file (No such file or directory)\n"},
      {"--json --page plain.svg good.txt", 2, "mst-trace: --json and --page together: choose one\nUsage: "},
      {"-- ''", 2, "mst-trace: a file name is empty\nUsage: "},
  };
  for (const auto& c : cases) {
    const BenchRun run = RunInScratch(std::string("'" MST_TRACE_PATH "' ") + c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, "") << c.arguments;
    EXPECT_EQ(run.err.substr(0, std::string(c.error).size()), c.error) << run.err;
  }
  // --names takes the place of the names file beside the network.
  const BenchRun named = RunInScratch("'" MST_TRACE_PATH "' --names fits.names named.txt");
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_NE(named.out.find("the tree grows from node a (1)"), std::string::npos) << named.out;
  // A DIMACS file's ids, the node numbers themselves, do not hide NAME.names beside it.
  Write("roads.gr", "p sp 3 2\na 1 2 4\na 2 3 1\n");
  Write("roads.names", "1\tDublin\n2\tCork\n3\tGalway\n");
  const BenchRun roads = RunInScratch("'" MST_TRACE_PATH "' roads.gr");
  EXPECT_NE(roads.out.find("the tree grows from node Dublin (1)"), std::string::npos) << roads.out << roads.err;
  const BenchRun piped = RunInScratch("sh -c \"'" MST_TRACE_PATH "' --json - < good.txt\"");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out.rfind("{\n  \"network\": \"standard input\",\n  \"nodes\": 3,", 0), 0u) << piped.out;
  const BenchRun help = RunInScratch("'" MST_TRACE_PATH "' --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: mst-trace", 0), 0u);
  const BenchRun full = RunInScratch("sh -c \"'" MST_TRACE_PATH "' good.txt > /dev/full\"");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "mst-trace: cannot write to standard output\n");
}

// Each example of a companion's --help runs as written (with Graphviz where it pipes to neato)
// and writes what it redirects to; the exit statuses the help names are the ones it returns.
TEST_F(EndToEnd, HelpExamplesRunAsWritten) {
  const struct {
    const char *name, *path, *failing;
  } programs[] = {{"mst-draw", MST_DRAW_PATH, "missing.txt"},
                  {"mst-trace", MST_TRACE_PATH, "missing.txt"},
                  {"mst-netgen", MST_NETGEN_PATH, "--output missing/network.txt"}};
  const bool neato = std::system("command -v neato > /dev/null 2>&1") == 0;
  for (const auto& [name, path, failing] : programs) {
    const std::string text = RunInScratch("'" + std::string(path) + "' --help").out;
    const std::size_t statuses = text.find("Exit status: 0 ");
    EXPECT_NE(statuses, std::string::npos) << name;
    EXPECT_LT(text.find("; 1 ", statuses), text.find("; 2 bad usage", statuses)) << name;
    EXPECT_NE(text.find("; 2 bad usage", statuses), std::string::npos) << name;
    EXPECT_EQ(RunInScratch("'" + std::string(path) + "' " + failing).status, 1) << name;
    EXPECT_EQ(RunInScratch("'" + std::string(path) + "' --no-such-option").status, 2) << name;
    std::istringstream help(text);
    bool examples = false;
    for (std::string line; std::getline(help, line);) {
      if (line.rfind("Example", 0) == 0) {
        examples = true;
        line = line.substr(line.find(':') + 1);
      }
      if (!examples || line.find(name) == std::string::npos) continue;
      std::string command = line.substr(line.find(name));
      if (command.find("neato") != std::string::npos && !neato) continue;
      command.replace(0, std::string(name).size(), "'" + std::string(path) + "'");
      Write("matrix1.txt", kNetwork1);
      const BenchRun run = RunInScratch("sh -c \"" + command + "\"");
      EXPECT_EQ(run.status, 0) << command << "\n" << run.err;
      const std::size_t to = command.rfind("> ");
      if (to != std::string::npos) {
        EXPECT_GT(fs::file_size(dir_ / command.substr(to + 2)), 0u) << command;
      }
    }
    EXPECT_TRUE(examples) << name;
  }
}

// A geometric network and its points go straight into mst-draw; every node is pinned.
TEST_F(EndToEnd, GeometricNetworkDrawsWithItsPoints) {
  const BenchRun made =
      RunInScratch("'" MST_NETGEN_PATH "' --geometric --nodes 30 --edges 80 --seed 9 --positions points.txt");
  ASSERT_EQ(made.status, 0) << made.err;
  Write("matrix1.txt", made.out);
  const BenchRun drawn = RunInScratch("'" MST_DRAW_PATH "' --positions points.txt matrix1.txt");
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  std::size_t pinned = 0;
  std::istringstream statements(drawn.out);
  for (std::string line; std::getline(statements, line);) {
    pinned += line.find("[id=\"n") != std::string::npos && line.find("!\"") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(pinned, 30u);

  // Every measure in the file is the distance between its ends' written points, rounded.
  std::ifstream pointsFile(dir_ / "points.txt");
  std::vector<std::pair<long long, long long>> points;
  for (long long x = 0, y = 0; pointsFile >> x >> y;) points.emplace_back(x, y);
  ASSERT_EQ(points.size(), 30u);
  std::istringstream network(made.out);
  int edges = 0, nodes = 0;
  network >> edges >> nodes;
  EXPECT_EQ(edges, 80);
  EXPECT_EQ(nodes, 30);
  int rows = 0;
  for (int a = 0, b = 0, measure = 0; network >> a >> b >> measure; ++rows) {
    const auto& p = points[static_cast<std::size_t>(a - 1)];
    const auto& q = points[static_cast<std::size_t>(b - 1)];
    EXPECT_EQ(measure, std::llround(std::hypot(double(p.first - q.first), double(p.second - q.second))))
        << "row " << rows + 1;
  }
  EXPECT_EQ(rows, 80);

  const BenchRun unwritable =
      RunInScratch("'" MST_NETGEN_PATH "' --geometric --nodes 5 --positions no-such-folder/points.txt");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.out, "");
  EXPECT_EQ(unwritable.err.rfind("mst-netgen: cannot write no-such-folder/points.txt", 0), 0u) << unwritable.err;
}

// mst-import writes a network file and a node map, reports what it merged and dropped, and on
// any refusal writes nothing: the --output and --node-map files keep their contents.
TEST_F(EndToEnd, ImportConvertsOrLeavesEveryOutputAsItWas) {
  Write("roads.gr", "c two roads\np sp 3 5\na 10 20 7\n");  // node 10 is outside 1 to 3
  Write("good.gr", "p sp 3 5\na 3 1 7\na 1 3 7\na 1 2 4\na 2 1 9\na 2 2 1\n");
  Write("old.txt", "old network\n");
  Write("old.names", "old names\n");
  const BenchRun bad = RunInScratch("'" MST_IMPORT_PATH "' --output old.txt --node-map old.names roads.gr");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "mst-import: roads.gr: line 3: node 10 is outside 1 to 3\n");
  EXPECT_EQ(ReadAll(dir_ / "old.txt"), "old network\n");
  EXPECT_EQ(ReadAll(dir_ / "old.names"), "old names\n");
  const BenchRun good = RunInScratch("'" MST_IMPORT_PATH "' --output old.txt --node-map old.names good.gr");
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_EQ(ReadAll(dir_ / "old.txt"), "2\t3\n1\t2\t7\n2\t3\t4\n");
  EXPECT_EQ(ReadAll(dir_ / "old.names"), "1\t3\n2\t1\n3\t2\n");
  EXPECT_EQ(good.err,
            "mst-import: good.gr: read as dimacs (told by its extension): 3 nodes, 2 edges from 5 listed\n"
            "mst-import: good.gr: 2 listings of a pair already listed merged into its first (the smaller measure "
            "kept)\n"
            "mst-import: good.gr: 1 self-loop dropped\n");
  // Standard input: its format told by its content, or given; bad usage exits 2.
  const BenchRun piped = RunInScratch("{ cat good.gr | '" MST_IMPORT_PATH "' -; }");
  EXPECT_EQ(piped.out, "2\t3\n1\t2\t7\n2\t3\t4\n");
  EXPECT_EQ(piped.err.rfind("mst-import: standard input: read as dimacs (told by its content)", 0), 0u) << piped.err;
  EXPECT_EQ(RunInScratch("'" MST_IMPORT_PATH "' -").err, "mst-import: standard input: the file is empty\n");
  EXPECT_EQ(RunInScratch("'" MST_IMPORT_PATH "' --scale 0 good.gr").status, 2);
  EXPECT_EQ(RunInScratch("'" MST_IMPORT_PATH "' --scale ' 2' good.gr").status, 2);
  EXPECT_EQ(RunInScratch("'" MST_IMPORT_PATH "' --format pickle good.gr").status, 2);
  // --columns picks the measure among several columns of numbers; the names go to the node map.
  Write("roads.csv", "from,to,cost,km\nx,y,3,70\ny,\"z\tw\",9,40\n");
  const BenchRun columns = RunInScratch("'" MST_IMPORT_PATH "' --columns from,to,km --node-map roads.names roads.csv");
  EXPECT_EQ(columns.out, "2\t3\n1\t2\t70\n2\t3\t40\n") << columns.err;
  EXPECT_EQ(ReadAll(dir_ / "roads.names"), "1\tx\n2\ty\n3\tz w\n");
  // The companions read the file directly, with the same rules and refusals.
  const BenchRun traced = RunInScratch("'" MST_TRACE_PATH "' --json good.gr");
  EXPECT_EQ(traced.status, 0) << traced.err;
  EXPECT_NE(traced.out.find("\"rows\": [[1,2,7],[2,3,4]]"), std::string::npos) << traced.out;
  const BenchRun drawn = RunInScratch("'" MST_DRAW_PATH "' roads.gr");
  EXPECT_EQ(drawn.status, 1);
  EXPECT_EQ(drawn.err, "mst-draw: roads.gr: line 3: node 10 is outside 1 to 3\n");
  // A .txt edge list that starts with comments, as SNAP writes them, reads in every companion.
  Write("snap.txt", "# Undirected\n# FromNodeId\tToNodeId\n0\t1\n1\t2\n2\t0\n");
  for (const char* program : {MST_DRAW_PATH, MST_TRACE_PATH, MST_RACE_PATH}) {
    const BenchRun read = RunInScratch("'" + std::string(program) + "' snap.txt");
    EXPECT_EQ(read.status, 0) << program << ": " << read.err;
    EXPECT_NE(read.err.find(": snap.txt: the file gives no measures: every edge has measure 1\n"), std::string::npos)
        << read.err;
  }
  // The companions take the importer's options and show the names the file holds.
  Write("parts.graphml",
        "<graphml><key id=\"l\" for=\"node\" attr.name=\"label\"/><key id=\"w\" for=\"edge\" "
        "attr.name=\"weight\"/><graph><node id=\"a\"><data key=\"l\">Valjean</data></node><node id=\"b\"/>"
        "<node id=\"c\"><data key=\"l\"></data></node><node id=\"d\"/><edge source=\"a\" target=\"b\"><data "
        "key=\"w\">3</data></edge><edge source=\"b\" target=\"c\"><data key=\"w\">1</data></edge>"
        "</graph></graphml>");
#ifdef MST_HAVE_PUGIXML
  const BenchRun named = RunInScratch("'" MST_DRAW_PATH "' --largest-part --scale 2 parts.graphml");
  EXPECT_EQ(named.status, 0) << named.err;
  EXPECT_NE(named.out.find("label=\"Valjean\""), std::string::npos) << named.out;
  EXPECT_EQ(named.err,
            "mst-draw: parts.graphml: --scale 2: the largest rounding error is 0\n"
            "mst-draw: parts.graphml: --largest-part: left out 1 other part, 1 node and 0 edges\n");
  const BenchRun raced = RunInScratch("'" MST_RACE_PATH "' --maximum --largest-part --scale 2 parts.graphml");
  EXPECT_EQ(raced.status, 0) << raced.err;
  const BenchRun mapped = RunInScratch("'" MST_IMPORT_PATH "' --largest-part --node-map parts.names parts.graphml");
  EXPECT_EQ(ReadAll(dir_ / "parts.names"), "1\tValjean\n2\tb\n3\tc\n");  // an empty label: the id
  const BenchRun traced2 = RunInScratch("'" MST_TRACE_PATH "' --names parts.names --largest-part parts.graphml");
  EXPECT_EQ(traced2.status, 0) << traced2.err;
#endif
}

// What mst-import writes reaches its place whole or not at all: a write that fails part way
// (a file size limit) leaves the old file and nothing else; a link keeps pointing where it did;
// a device that cannot take it says why.
TEST_F(EndToEnd, ImportOutputIsWholeOrNotWritten) {
  std::string big = "p sp 3000 2999\n";
  for (int k = 1; k < 3000; ++k) big += "a " + std::to_string(k) + " " + std::to_string(k + 1) + " 5\n";
  Write("big.gr", big);
  Write("network.txt", "old\n");
  const BenchRun limited =
      RunInScratch("sh -c \"trap '' XFSZ; ulimit -f 1; '" MST_IMPORT_PATH "' big.gr --output network.txt\"");
  EXPECT_EQ(limited.status, 1) << limited.err;
  EXPECT_NE(limited.err.find("mst-import: cannot write network.txt: File too large\n"), std::string::npos)
      << limited.err;
  EXPECT_EQ(ReadAll(dir_ / "network.txt"), "old\n");
#ifdef STRACE_PATH
  // The output's first write fails and the later ones succeed, the last flush too: the old file
  // is still kept. Which write that is (after the line of notes, and any a sanitizer makes of its
  // own) is counted in a run without the fault.
  const std::string strace = "ASAN_OPTIONS=detect_leaks=0 '" STRACE_PATH "' -o writes.log -e trace=write ";
  ASSERT_EQ(RunInScratch(strace + "'" MST_IMPORT_PATH "' big.gr --output dry.txt").status, 0);
  std::string writes = ReadAll(dir_ / "writes.log");
  const auto firstOutput = [&writes] { return writes.find("\"2999\\t3000\\n"); };
  ASSERT_NE(firstOutput(), std::string::npos) << writes.substr(0, 1000);
  int when = 0;  // the writes up to that one (the log's other lines are not writes)
  for (std::size_t at = 0; at <= firstOutput(); at = writes.find('\n', at) + 1) {
    if (writes.compare(at, 6, "write(") == 0) ++when;
  }
  const BenchRun once = RunInScratch(strace + "-e inject=write:error=ENOSPC:when=" + std::to_string(when) + " '" +
                                     MST_IMPORT_PATH + "' big.gr --output network.txt");
  EXPECT_EQ(once.status, 1) << once.err;
  writes = ReadAll(dir_ / "writes.log");
  EXPECT_LT(writes.find("(INJECTED)", firstOutput()), writes.find('\n', firstOutput())) << writes.substr(0, 1000);
  EXPECT_EQ(ReadAll(dir_ / "network.txt").substr(0, 10), "old\n");
#endif
  for (const auto& entry : fs::directory_iterator(dir_)) {
    EXPECT_EQ(entry.path().filename().string().find(".partial"), std::string::npos) << entry.path();
  }
  // --help and --version that cannot be written fail, as any output does.
  for (const char* answer : {"--help", "--version"}) {
    const BenchRun full = RunInScratch("{ '" MST_IMPORT_PATH "' " + std::string(answer) + " > /dev/full; }");
    EXPECT_EQ(full.status, 1) << answer;
    EXPECT_EQ(full.err, "mst-import: cannot write to standard output: No space left on device\n") << answer;
  }
  // A file replaced keeps its permissions; a node map that cannot be written fails the run.
  Write("private.txt", "old\n");
  fs::permissions(dir_ / "private.txt", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(RunInScratch("'" MST_IMPORT_PATH "' big.gr --output private.txt").status, 0);
  EXPECT_EQ(fs::status(dir_ / "private.txt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(RunInScratch("'" MST_IMPORT_PATH "' big.gr --node-map no/such/folder.names").status, 1);
  Write("target.txt", "old\n");
  fs::create_symlink("target.txt", dir_ / "link.txt");
  const BenchRun linked = RunInScratch("'" MST_IMPORT_PATH "' big.gr --output link.txt");
  EXPECT_EQ(linked.status, 0) << linked.err;
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(ReadAll(dir_ / "target.txt").substr(0, 10), "2999\t3000\n");
  if (fs::exists("/dev/full")) {
    // Through a link of the test's own, so that a faulty build replaces the link, never the
    // device itself.
    fs::create_symlink("/dev/full", dir_ / "full");
    const BenchRun full = RunInScratch("'" MST_IMPORT_PATH "' big.gr --output full");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("mst-import: cannot write full: No space left on device\n"), std::string::npos) << full.err;
    // A small output fails only when flushed: the reason is kept all the same.
    Write("small.gr", "p sp 2 1\na 1 2 3\n");
    const BenchRun small = RunInScratch("'" MST_IMPORT_PATH "' small.gr --output full");
    EXPECT_EQ(small.status, 1);
    EXPECT_NE(small.err.find("mst-import: cannot write full: No space left on device\n"), std::string::npos)
        << small.err;
  }
}

}  // namespace
