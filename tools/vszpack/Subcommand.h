#pragma once
// The tool's subcommands. Each lives in its own .cpp file and registers
// itself with a file-scope RegisterSubcommand object, so adding one needs no
// change anywhere else:
//
//   namespace { int RunCheck(const Args& args) { ... }
//   const RegisterSubcommand check{"check", "IN.vsz|DIR", "reports ...", 1, 1, RunCheck}; }

#include <string>
#include <vector>

namespace folvane::vszpack {

using Args = std::vector<std::string>;  // the words after the subcommand's name

struct Subcommand {
  const char* name;
  const char* arguments;  // for the usage text, e.g. "DIR OUT.vsz"
  const char* summary;
  std::size_t minArgs;
  std::size_t maxArgs;
  // Answers the exit code; throws std::exception for errors, which the
  // tool reports on stderr with exit code 1.
  int (*run)(const Args& args);
};

struct RegisterSubcommand {
  explicit RegisterSubcommand(const Subcommand& command);
};

// Every registered subcommand, sorted by name.
const std::vector<Subcommand>& Subcommands();

}  // namespace folvane::vszpack
