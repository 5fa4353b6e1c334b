#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The command line of every program but mst-bench, read with CLI11 from one table of options
// that each program declares in its main. The words: "--name VALUE" or "--name=VALUE" for an
// option with a value, "--name" for a flag; "--" ends the options (every later word is an
// argument, even one starting with '-'); "-" alone is an argument (standard input, where the
// program reads a network). --help and --version are always known.
//
// Refusals are one line each: an unknown option (a flag given a value included), a missing or
// empty value, an option given twice, two options that exclude each other, a number that is not
// a whole number in its range, a word that is not one of a list, too few or too many arguments,
// an empty file name. Nothing is stored into a variable unless the whole line is good.
namespace mst {

enum class Parsed { kRun, kHelp, kVersion, kBadUsage };

class CommandLine {
 public:
  // program names the refusals ("mst-draw: ..."); usage is --help's text.
  CommandLine(const char* program, std::string usage);
  ~CommandLine();
  CommandLine(const CommandLine&) = delete;
  CommandLine& operator=(const CommandLine&) = delete;

  // The table. Each option is known by its whole name, e.g. "--positions".
  void Flag(const char* name, bool& given);
  void File(const char* name, std::string& path);  // a file name, not empty
  // A file name that may be left out: "--name" at the end of the line, or before another option
  // or "--", is given without one (path stays empty).
  void OptionalFile(const char* name, std::string& path, bool& given);
  // A word that is not a file name, not empty; what names it in the refusal of a missing one
  // ("--weight needs a name").
  void Text(const char* name, std::string& value, const char* what);
  // A comma-separated list of count words (low to high of them), none empty: "--columns a,b,c".
  void List(const char* name, std::vector<std::string>& values, std::size_t low, std::size_t high, const char* what);
  // A whole number within [low, high]: digits, with a sign for signed types (a '+' too);
  // nothing else, no blanks. given, where asked for, says whether the option was on the line.
  void Whole(const char* name, long long& value, long long low, long long high, bool* given = nullptr);
  void Whole(const char* name, std::uint64_t& value, bool* given = nullptr);
  void Choice(const char* name, std::string& value, std::vector<std::string> choices);
  // A finite decimal number above 0 (as strtod reads it, nothing after it).
  void Positive(const char* name, double& value);
  void Exclusive(const char* one, const char* other);  // not both on one line
  // The arguments: exactly one network file (not empty), or any number of file names.
  void Network(std::string& file);
  void Files(std::vector<std::string>& files);

  // Reads argv; on kBadUsage why says what was wrong, in one line without the program's name.
  [[nodiscard]] Parsed Read(int argc, const char* const* argv, std::string& why);

  // Read, then what a program does with the outcome: returns -1 to go on; else the exit status
  // to end with, having printed --help's text on standard output (0), "<program> <version>"
  // (0), or "<program>: <why>" and the usage on standard error (2).
  [[nodiscard]] int Parse(int argc, const char* const* argv);

 private:
  struct Table;
  std::unique_ptr<Table> table_;
};

// One option's lines in a program's --help: the option in a 20-column option column (or another
// width; on a line of its own where it leaves fewer than two blanks before the text, which
// help2man needs), its text wrapped at 78 columns under the text column.
[[nodiscard]] std::string OptionHelp(const std::string& option, const std::string& text, std::size_t column = 20);

// The --help and --version lines every program's help ends its options with.
[[nodiscard]] std::string HelpAndVersionHelp();

// Writes --help's or --version's text to standard output: kExitDone, or where it cannot be
// written (a full disk, a closed pipe) the reason on standard error and 1.
[[nodiscard]] int WriteAnswer(const char* program, const std::string& text);

}  // namespace mst
