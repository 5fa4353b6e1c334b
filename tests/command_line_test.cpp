// The command line every program but mst-bench reads: one table of options of every kind, and
// the lines it takes or refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/command_line.h"

using namespace mst;

namespace {

using mst::CommandLine;
using mst::Parsed;

// What one line stored, as text, so that a case states all of it at once.
struct Stored {
  bool json = false;
  std::string page;
  long long nodes = -7;
  bool nodesGiven = false;
  long long min = 0;
  std::uint64_t seed = 1;
  std::string family;
  std::string network;
  std::string weight;
  std::vector<std::string> columns;
  double scale = 0;

  std::string Text() const {
    std::string text = std::string(json ? "json " : "") + "page=" + page + " nodes=" + std::to_string(nodes) +
                       (nodesGiven ? "(given)" : "") + " min=" + std::to_string(min) + " seed=" + std::to_string(seed) +
                       " family=" + family + " network=" + network;
    if (!weight.empty()) text += " weight=" + weight;
    for (const std::string& column : columns) text += " column=" + column;
    if (scale != 0) text += " scale=" + std::to_string(scale);
    return text;
  }
};

Parsed Read(const std::vector<const char*>& args, Stored& stored, std::string& why) {
  CommandLine line("prog", "usage\n");
  line.Flag("--json", stored.json);
  line.File("--page", stored.page);
  line.Exclusive("--json", "--page");
  line.Whole("--nodes", stored.nodes, 2, 100, &stored.nodesGiven);
  line.Whole("--min", stored.min, INT32_MIN, INT32_MAX);
  line.Whole("--seed", stored.seed);
  line.Choice("--family", stored.family, {"random", "grid"});
  line.Text("--weight", stored.weight, "a name");
  line.List("--columns", stored.columns, 2, 3, "two or three names");
  line.Positive("--scale", stored.scale);
  line.Network(stored.network);
  std::vector<const char*> argv = {"prog"};
  argv.insert(argv.end(), args.begin(), args.end());
  return line.Read(static_cast<int>(argv.size()), argv.data(), why);
}

TEST(CommandLine, ReadsEveryKindOfOptionAndRefusesEveryBadLine) {
  const std::string untouched = Stored().Text();
  const struct {
    std::vector<const char*> args;
    Parsed parsed;
    const char* expected;  // what was stored (kRun), or why the line was refused
  } cases[] = {
      // Every kind, in both forms.
      {{"--json", "--nodes", "5", "--min=-3", "--seed", "18446744073709551615", "--family=grid", "a.txt"},
       Parsed::kRun,
       "json page= nodes=5(given) min=-3 seed=18446744073709551615 family=grid network=a.txt"},
      {{"a.txt", "--page=p.svg", "--nodes=+100", "--min", "-2147483648", "--seed=0"},
       Parsed::kRun,
       "page=p.svg nodes=100(given) min=-2147483648 seed=0 family= network=a.txt"},
      {{"--nodes", "2", "-"}, Parsed::kRun, "page= nodes=2(given) min=0 seed=1 family= network=-"},
      {{"--min", "2147483647", "./-"}, Parsed::kRun, "page= nodes=-7 min=2147483647 seed=1 family= network=./-"},
      // "--" ends the options; "-" is standard input.
      {{"--", "--json"}, Parsed::kRun, "page= nodes=-7 min=0 seed=1 family= network=--json"},
      {{"--json", "--", "-x"}, Parsed::kRun, "json page= nodes=-7 min=0 seed=1 family= network=-x"},
      {{"--help", "--frobnicate"}, Parsed::kHelp, ""},
      {{"a.txt", "--version"}, Parsed::kVersion, ""},
      // Unknown options, and flags given a value.
      {{"--frobnicate", "a.txt"}, Parsed::kBadUsage, "unknown option '--frobnicate'"},
      {{"-j", "a.txt"}, Parsed::kBadUsage, "unknown option '-j'"},
      {{"--json=yes", "a.txt"}, Parsed::kBadUsage, "unknown option '--json=yes'"},
      {{"--help=yes"}, Parsed::kBadUsage, "unknown option '--help=yes'"},
      // Missing and empty values.
      {{"a.txt", "--page"}, Parsed::kBadUsage, "--page needs a file name"},
      {{"--page=", "a.txt"}, Parsed::kBadUsage, "--page needs a file name"},
      {{"--page", "", "a.txt"}, Parsed::kBadUsage, "--page needs a file name"},
      {{"a.txt", "--nodes"}, Parsed::kBadUsage, "--nodes needs a value"},
      {{"--nodes=", "a.txt"}, Parsed::kBadUsage, "--nodes: '' is not a whole number from 2 to 100"},
      // Repeated and exclusive options.
      {{"--page", "p", "--page", "q", "a.txt"}, Parsed::kBadUsage, "--page given twice"},
      {{"--json", "--json", "a.txt"}, Parsed::kBadUsage, "--json given twice"},
      {{"--nodes=3", "--nodes", "3", "a.txt"}, Parsed::kBadUsage, "--nodes given twice"},
      {{"--json", "--page", "p.svg", "a.txt"}, Parsed::kBadUsage, "--json and --page together: choose one"},
      // Numbers: signs, ranges, junk.
      {{"--nodes", "1", "a.txt"}, Parsed::kBadUsage, "--nodes: '1' is not a whole number from 2 to 100"},
      {{"--nodes", "101", "a.txt"}, Parsed::kBadUsage, "--nodes: '101' is not a whole number from 2 to 100"},
      {{"--nodes", " 5", "a.txt"}, Parsed::kBadUsage, "--nodes: ' 5' is not a whole number from 2 to 100"},
      {{"--nodes", "5x", "a.txt"}, Parsed::kBadUsage, "--nodes: '5x' is not a whole number from 2 to 100"},
      {{"--nodes", "0x10", "a.txt"}, Parsed::kBadUsage, "--nodes: '0x10' is not a whole number from 2 to 100"},
      {{"--min", "+-5", "a.txt"},
       Parsed::kBadUsage,
       "--min: '+-5' is not a whole number from -2147483648 to 2147483647"},
      {{"--min", "-2147483649", "a.txt"},
       Parsed::kBadUsage,
       "--min: '-2147483649' is not a whole number from -2147483648 to 2147483647"},
      {{"--seed", "-1", "a.txt"},
       Parsed::kBadUsage,
       "--seed: '-1' is not a whole number from 0 to 18446744073709551615"},
      {{"--seed", "+5", "a.txt"},
       Parsed::kBadUsage,
       "--seed: '+5' is not a whole number from 0 to 18446744073709551615"},
      {{"--seed", "12x", "a.txt"},
       Parsed::kBadUsage,
       "--seed: '12x' is not a whole number from 0 to 18446744073709551615"},
      {{"--seed", "18446744073709551616", "a.txt"},
       Parsed::kBadUsage,
       "--seed: '18446744073709551616' is not a whole number from 0 to 18446744073709551615"},
      {{"--family", "tree", "a.txt"}, Parsed::kBadUsage, "--family: 'tree' is not one of random, grid"},
      // Names and lists of names, and numbers above 0.
      {{"--weight=cost", "--columns", "from,to,km", "--scale", "2.5", "a.txt"},
       Parsed::kRun,
       "page= nodes=-7 min=0 seed=1 family= network=a.txt weight=cost column=from column=to column=km "
       "scale=2.500000"},
      {{"a.txt", "--weight"}, Parsed::kBadUsage, "--weight needs a name"},
      {{"--weight=", "a.txt"}, Parsed::kBadUsage, "--weight needs a name"},
      {{"--columns", "from", "a.txt"}, Parsed::kBadUsage, "--columns: 'from' is not two or three names"},
      {{"--columns", "a,,b", "a.txt"}, Parsed::kBadUsage, "--columns: 'a,,b' is not two or three names"},
      {{"--columns", "a,b,c,d", "a.txt"}, Parsed::kBadUsage, "--columns: 'a,b,c,d' is not two or three names"},
      {{"--scale", " 2", "a.txt"}, Parsed::kBadUsage, "--scale: ' 2' is not a number above 0"},
      {{"--scale", "0", "a.txt"}, Parsed::kBadUsage, "--scale: '0' is not a number above 0"},
      {{"--scale", "2x", "a.txt"}, Parsed::kBadUsage, "--scale: '2x' is not a number above 0"},
      // The network file.
      {{}, Parsed::kBadUsage, "no network file given"},
      {{"--"}, Parsed::kBadUsage, "no network file given"},
      {{"a.txt", "b.txt"}, Parsed::kBadUsage, "one network file only, but 'a.txt' and 'b.txt' were given"},
      {{"--", "a.txt", "-b"}, Parsed::kBadUsage, "one network file only, but 'a.txt' and '-b' were given"},
      {{"--", ""}, Parsed::kBadUsage, "the network file name is empty"},
  };
  for (const auto& c : cases) {
    std::string label;
    for (const char* arg : c.args) label += std::string("[") + arg + "]";
    Stored stored;
    std::string why;
    ASSERT_EQ(Read(c.args, stored, why), c.parsed) << label << " " << why;
    if (c.parsed == Parsed::kRun) {
      EXPECT_EQ(stored.Text(), c.expected) << label;
    } else {
      EXPECT_EQ(stored.Text(), untouched) << label << ": nothing is stored from a line not run";
      EXPECT_EQ(why, c.parsed == Parsed::kBadUsage ? c.expected : "") << label;
    }
  }
}

// Programs with no network: any number of files, or none at all.
TEST(CommandLine, TakesAnyNumberOfFilesOrNone) {
  std::vector<std::string> files;
  CommandLine many("prog", "usage\n");
  many.Files(files);
  const char* const two[] = {"prog", "a", "-"};
  std::string why;
  ASSERT_EQ(many.Read(3, two, why), Parsed::kRun) << why;
  EXPECT_EQ(files, (std::vector<std::string>{"a", "-"}));
  CommandLine none("prog", "usage\n");
  const char* const one[] = {"prog", "40"};
  EXPECT_EQ(none.Read(2, one, why), Parsed::kBadUsage);
  EXPECT_EQ(why, "unexpected argument '40'");
}

}  // namespace
