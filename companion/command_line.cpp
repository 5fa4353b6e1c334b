#include "companion/command_line.h"

#include <algorithm>
#include <cstdio>

bool CommandLine::Has(const std::string& flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

Parsed ParseCommandLine(int argc, const char* const* argv, const std::vector<CommandLineOption>& options,
                        CommandLine& line, std::string& why) {
  bool networkGiven = false;
  bool optionsEnded = false;  // after "--", a word starting with '-' is a file name
  for (int a = 1; a < argc; ++a) {
    const std::string word = argv[a];
    if (optionsEnded || word == "-" || word.empty() || word[0] != '-') {
      if (networkGiven) {
        why = "one network file only, but '" + line.network + "' and '" + word + "' were given";
        return Parsed::kBadUsage;
      }
      if (word.empty()) {
        why = "the network file name is empty";
        return Parsed::kBadUsage;
      }
      line.network = word;
      networkGiven = true;
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    if (word == "--help") {
      return Parsed::kHelp;
    }
    if (word == "--version") {
      return Parsed::kVersion;
    }
    const std::string name = word.substr(0, word.find('='));
    const auto option = std::find_if(options.begin(), options.end(),
                                     [&name](const CommandLineOption& o) { return name == o.name; });
    if (option == options.end() || (!option->takesValue && name != word)) {
      why = "unknown option '" + word + "'";
      return Parsed::kBadUsage;
    }
    if (line.values.count(name) > 0 || line.Has(name)) {
      why = name + " given twice";
      return Parsed::kBadUsage;
    }
    if (!option->takesValue) {
      line.flags.push_back(name);
      continue;
    }
    std::string value;
    if (name == word) {
      if (a + 1 >= argc) {
        why = name + " needs a file name";
        return Parsed::kBadUsage;
      }
      value = argv[++a];
    } else {
      value = word.substr(name.size() + 1);
    }
    if (value.empty()) {
      why = name + " needs a file name";
      return Parsed::kBadUsage;
    }
    line.values[name] = value;
  }
  for (const CommandLineOption& option : options) {
    const auto given = [&line](const std::string& name) { return line.values.count(name) > 0 || line.Has(name); };
    if (option.excludes != nullptr && given(option.name) && given(option.excludes)) {
      why = std::string(option.name) + " and " + option.excludes + " together: choose one";
      return Parsed::kBadUsage;
    }
  }
  if (!networkGiven) {
    why = "no network file given";
    return Parsed::kBadUsage;
  }
  return Parsed::kRun;
}

int StartCompanion(int argc, const char* const* argv, const std::vector<CommandLineOption>& options,
                   const char* program, const char* usage, CommandLine& line, Network& network, std::string& title) {
  std::string why;
  switch (ParseCommandLine(argc, argv, options, line, why)) {
    case Parsed::kHelp:
      std::fputs(usage, stdout);
      return 0;
    case Parsed::kVersion:
      std::printf("%s %s\n", program, kProgramVersion);
      return 0;
    case Parsed::kBadUsage:
      std::fprintf(stderr, "%s: %s\n", program, why.c_str());
      std::fputs(usage, stderr);
      return 2;
    case Parsed::kRun:
      break;
  }
  std::string reason;
  const bool fromInput = line.network == "-";
  title = fromInput ? "standard input" : line.network;
  if (!(fromInput ? LoadNetworkFrom(stdin, network, reason) : LoadNetworkFile(line.network, network, reason))) {
    std::fprintf(stderr, "%s: %s: %s\n", program, title.c_str(), reason.c_str());
    return 1;
  }
  return -1;
}
