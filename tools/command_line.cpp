#include "tools/command_line.h"

#include <cerrno>

#include <CLI/CLI.hpp>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "graph/integer_text.h"
#include "tools/exit_status.h"

namespace mst {
namespace {

// Parses a whole decimal number within [low, high]: as every reader takes integers
// (graph/integer_text.h) for signed numbers; digits only for unsigned ones.
bool ParseWhole(const std::string& text, long long low, long long high, long long& value) {
  return WholeNumber(text, value, low, high);
}

bool ParseWhole(const std::string& text, std::uint64_t low, std::uint64_t high, std::uint64_t& value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  std::uint64_t parsed = 0;
  const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (result.ec != std::errc() || parsed < low || parsed > high) return false;
  value = parsed;
  return true;
}

// One row of the table: how to check a value, and where to store it once the whole line is good.
struct Entry {
  std::string name;
  bool takesValue;
  std::string missing;  // the refusal when the value is missing: "<name> needs a file name"
  CLI::Option* option = nullptr;
  std::vector<std::string> values;  // as CLI11 found them, one per time the option was given
  std::function<bool(const std::string&, std::string&)> check;
  std::function<void(const std::string&)> store;
  bool optional = false;  // its value may be left out (OptionalFile)
};

}  // namespace

struct CommandLine::Table {
  const char* program;
  std::string usage;
  CLI::App app;
  std::vector<std::unique_ptr<Entry>> entries;  // stable addresses: CLI11 holds their values
  std::vector<std::pair<std::string, std::string>> exclusive;
  std::vector<std::string> arguments;
  enum class Arguments { kNone, kOneNetwork, kFiles } kind = Arguments::kNone;
  std::string* network = nullptr;
  std::vector<std::string>* files = nullptr;

  Entry& Add(const char* name, bool takesValue) {
    entries.push_back(std::make_unique<Entry>());
    Entry& entry = *entries.back();
    entry.name = name;
    entry.takesValue = takesValue;
    entry.missing = entry.name + " needs a value";
    entry.store = [](const std::string&) {};
    if (takesValue) {
      // Every time the option is given it takes exactly the next word, whatever it is; the
      // values are kept so that a second one is refused rather than silently winning.
      entry.option = app.add_option(name, entry.values)
                         ->expected(1)
                         ->allow_extra_args(false)
                         ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    } else {
      entry.option = app.add_flag(name)->disable_flag_override();
    }
    return entry;
  }

  const Entry* Find(const std::string& name) const {
    for (const auto& entry : entries) {
      if (entry->name == name) return entry.get();
    }
    return nullptr;
  }
};

CommandLine::CommandLine(const char* program, std::string usage) : table_(std::make_unique<Table>()) {
  table_->program = program;
  table_->usage = std::move(usage);
  CLI::App& app = table_->app;
  app.set_help_flag();  // the programs print their own usage text
  app.allow_extras();   // unknown words are refused here, in this layer's words
  app.add_option("arguments", table_->arguments);
  table_->Add("--help", false);
  table_->Add("--version", false);
}

CommandLine::~CommandLine() = default;

void CommandLine::Flag(const char* name, bool& given) {
  Entry& entry = table_->Add(name, false);
  entry.store = [&given](const std::string&) { given = true; };
}

void CommandLine::File(const char* name, std::string& path) {
  Entry& entry = table_->Add(name, true);
  entry.missing = entry.name + " needs a file name";
  entry.check = [missing = entry.missing](const std::string& value, std::string& why) {
    if (!value.empty()) return true;
    why = missing;
    return false;
  };
  entry.store = [&path](const std::string& value) { path = value; };
}

// The value that stands for an optional value left out: no word of a command line holds it.
const char* const kLeftOut = "\x01";

void CommandLine::OptionalFile(const char* name, std::string& path, bool& given) {
  File(name, path);
  Entry& entry = *table_->entries.back();
  entry.optional = true;
  entry.check = [missing = entry.missing](const std::string& value, std::string& why) {
    if (!value.empty()) return true;
    why = missing;
    return false;
  };
  entry.store = [&path, &given](const std::string& value) {
    given = true;
    path = value == kLeftOut ? "" : value;
  };
}

void CommandLine::Text(const char* name, std::string& value, const char* what) {
  Entry& entry = table_->Add(name, true);
  entry.missing = entry.name + " needs " + what;
  entry.check = [missing = entry.missing](const std::string& text, std::string& why) {
    if (!text.empty()) return true;
    why = missing;
    return false;
  };
  entry.store = [&value](const std::string& text) { value = text; };
}

void CommandLine::List(const char* name, std::vector<std::string>& values, std::size_t low, std::size_t high,
                       const char* what) {
  Entry& entry = table_->Add(name, true);
  entry.missing = entry.name + " needs " + what;
  const auto split = [](const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1) {
      words.push_back(text.substr(start, comma - start));
    }
    words.push_back(text.substr(start));
    return words;
  };
  const std::string label = name;
  entry.check = [label, split, low, high, what](const std::string& text, std::string& why) {
    const std::vector<std::string> words = split(text);
    bool empty = false;
    for (const std::string& word : words) empty = empty || word.empty();
    if (!empty && words.size() >= low && words.size() <= high) return true;
    why = label + ": '" + text + "' is not " + what;
    return false;
  };
  entry.store = [&values, split](const std::string& text) { values = split(text); };
}

void CommandLine::Whole(const char* name, long long& value, long long low, long long high, bool* given) {
  Entry& entry = table_->Add(name, true);
  const std::string label = name;
  entry.check = [label, low, high](const std::string& text, std::string& why) {
    long long parsed = 0;
    if (ParseWhole(text, low, high, parsed)) return true;
    why = label + ": '" + text + "' is not a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    return false;
  };
  entry.store = [&value, low, high, given](const std::string& text) {
    (void)ParseWhole(text, low, high, value);
    if (given != nullptr) *given = true;
  };
}

void CommandLine::Whole(const char* name, std::uint64_t& value, bool* given) {
  Entry& entry = table_->Add(name, true);
  const std::string label = name;
  entry.check = [label](const std::string& text, std::string& why) {
    std::uint64_t parsed = 0;
    if (ParseWhole(text, std::uint64_t{0}, UINT64_MAX, parsed)) return true;
    why = label + ": '" + text + "' is not a whole number from 0 to " + std::to_string(UINT64_MAX);
    return false;
  };
  entry.store = [&value, given](const std::string& text) {
    (void)ParseWhole(text, std::uint64_t{0}, UINT64_MAX, value);
    if (given != nullptr) *given = true;
  };
}

void CommandLine::Choice(const char* name, std::string& value, std::vector<std::string> choices) {
  Entry& entry = table_->Add(name, true);
  const std::string label = name;
  entry.check = [label, choices](const std::string& text, std::string& why) {
    std::string list;
    for (const std::string& choice : choices) {
      if (choice == text) return true;
      list += (list.empty() ? "" : ", ") + choice;
    }
    why = label + ": '" + text + "' is not one of " + list;
    return false;
  };
  entry.store = [&value](const std::string& text) { value = text; };
}

void CommandLine::Positive(const char* name, double& value) {
  Entry& entry = table_->Add(name, true);
  const auto parse = [](const std::string& text, double& number) {
    char* end = nullptr;
    number = text.empty() || std::isspace(static_cast<unsigned char>(text[0])) ? 0 : std::strtod(text.c_str(), &end);
    return end != nullptr && *end == '\0' && std::isfinite(number) && number > 0;
  };
  const std::string label = name;
  entry.check = [label, parse](const std::string& text, std::string& why) {
    double number = 0;
    if (parse(text, number)) return true;
    why = label + ": '" + text + "' is not a number above 0";
    return false;
  };
  entry.store = [&value, parse](const std::string& text) { (void)parse(text, value); };
}

void CommandLine::Exclusive(const char* one, const char* other) { table_->exclusive.emplace_back(one, other); }

void CommandLine::Network(std::string& file) {
  table_->kind = Table::Arguments::kOneNetwork;
  table_->network = &file;
}

void CommandLine::Files(std::vector<std::string>& files) {
  table_->kind = Table::Arguments::kFiles;
  table_->files = &files;
}

Parsed CommandLine::Read(int argc, const char* const* argv, std::string& why) {
  Table& t = *table_;
  std::vector<std::string> words;
  bool optionsEnded = false;
  for (int a = 1; a < argc; ++a) {
    std::string word = argv[a];
    optionsEnded = optionsEnded || word == "--";
    const std::size_t equals = word.find('=');
    if (!optionsEnded && word.compare(0, 2, "--") == 0 && equals != std::string::npos) {
      const Entry* entry = t.Find(word.substr(0, equals));
      if (entry != nullptr && !entry->takesValue) {
        why = "unknown option '" + word + "'";  // a flag takes no value
        return Parsed::kBadUsage;
      }
      if (entry != nullptr && equals + 1 == word.size()) {
        // "--name=": CLI11 would take the next word as the value; the value given is empty.
        words.push_back(word.substr(0, equals));
        words.emplace_back();
        continue;
      }
    }
    const Entry* entry = optionsEnded ? nullptr : t.Find(word);
    words.push_back(std::move(word));
    if (entry != nullptr && entry->optional) {
      const bool leftOut = a + 1 == argc || std::string(argv[a + 1]).compare(0, 2, "--") == 0;
      if (leftOut) words.emplace_back(kLeftOut);
    }
  }
  try {
    std::vector<std::string> reversed(words.rbegin(), words.rend());  // CLI11 takes them last first
    t.app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    // The one refusal CLI11 makes itself here: an option's value missing at the end of the line
    // or before "--". Its message starts with the option's name.
    const std::string message = error.what();
    const Entry* entry = t.Find(message.substr(0, message.find(':')));
    why = entry != nullptr ? entry->missing : message;
    return Parsed::kBadUsage;
  }
  for (const auto& entry : t.entries) {
    if (entry->name == "--help" && entry->option->count() > 0) return Parsed::kHelp;
    if (entry->name == "--version" && entry->option->count() > 0) return Parsed::kVersion;
  }
  for (const std::string& word : t.app.remaining()) {
    if (word != "--") {
      why = "unknown option '" + word + "'";
      return Parsed::kBadUsage;
    }
  }
  for (const auto& entry : t.entries) {
    const std::size_t times = entry->takesValue ? entry->values.size() : entry->option->count();
    if (times > 1) {
      why = entry->name + " given twice";
      return Parsed::kBadUsage;
    }
  }
  for (const auto& [one, other] : t.exclusive) {
    if (t.Find(one)->option->count() > 0 && t.Find(other)->option->count() > 0) {
      why = one + " and " + other + " together: choose one";
      return Parsed::kBadUsage;
    }
  }
  for (const auto& entry : t.entries) {
    if (entry->takesValue && !entry->values.empty() && !entry->check(entry->values[0], why)) {
      return Parsed::kBadUsage;
    }
  }
  switch (t.kind) {
    case Table::Arguments::kNone:
      if (!t.arguments.empty()) {
        why = "unexpected argument '" + t.arguments[0] + "'";
        return Parsed::kBadUsage;
      }
      break;
    case Table::Arguments::kOneNetwork:
      if (t.arguments.empty()) {
        why = "no network file given";
        return Parsed::kBadUsage;
      }
      if (t.arguments.size() > 1) {
        why = "one network file only, but '" + t.arguments[0] + "' and '" + t.arguments[1] + "' were given";
        return Parsed::kBadUsage;
      }
      if (t.arguments[0].empty()) {
        why = "the network file name is empty";
        return Parsed::kBadUsage;
      }
      *t.network = t.arguments[0];
      break;
    case Table::Arguments::kFiles:
      for (const std::string& file : t.arguments) {
        if (file.empty()) {
          why = "a file name is empty";
          return Parsed::kBadUsage;
        }
      }
      *t.files = t.arguments;
      break;
  }
  for (const auto& entry : t.entries) {
    if (entry->takesValue && !entry->values.empty()) {
      entry->store(entry->values[0]);
    } else if (!entry->takesValue && entry->option->count() > 0) {
      entry->store("");
    }
  }
  return Parsed::kRun;
}

std::string HelpAndVersionHelp() {
  return OptionHelp("--help", "show this text") + OptionHelp("--version", "show the program's version");
}

std::string OptionHelp(const std::string& option, const std::string& text, std::size_t kColumn) {
  constexpr std::size_t kWidth = 78;
  std::string out;
  // help2man tells an option from its text by two blanks or more between them.
  std::string line = "  " + option;
  if (line.size() + 2 > kColumn) {
    out = line + "\n";
    line.clear();
  }
  line.resize(kColumn, ' ');
  bool first = true;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (!first && line.size() + 1 + word.size() > kWidth) {
      out += line + "\n";
      line = std::string(kColumn, ' ') + word;
    } else {
      line += (first ? "" : " ") + word;
    }
    first = false;
    start = end + 1;
  }
  return out + line + "\n";
}

int WriteAnswer(const char* program, const std::string& text) {
  errno = 0;
  if (std::fputs(text.c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "%s: cannot write to standard output: %s\n", program, std::strerror(errno != 0 ? errno : EIO));
    return kExitUnusableInput;
  }
  return kExitDone;
}

int CommandLine::Parse(int argc, const char* const* argv) {
  std::string why;
  switch (Read(argc, argv, why)) {
    case Parsed::kHelp:
      return WriteAnswer(table_->program, table_->usage);
    case Parsed::kVersion:
      return WriteAnswer(table_->program, std::string(table_->program) + " " + kProgramVersion + "\n");
    case Parsed::kBadUsage:
      std::fprintf(stderr, "%s: %s\n", table_->program, why.c_str());
      std::fputs(table_->usage.c_str(), stderr);
      return kExitBadUsage;
    case Parsed::kRun:
      break;
  }
  return -1;
}

}  // namespace mst
