// vszpack SUBCOMMAND ARGS...: the skin author's tool for packed skins.

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

#include "Subcommand.h"

namespace folvane::vszpack {

namespace {

std::vector<Subcommand>& Registry() {
  static std::vector<Subcommand> commands;
  return commands;
}

int Usage() {
  std::cerr << "usage: vszpack SUBCOMMAND ARGS...\n";
  for (const Subcommand& c : Subcommands())
    std::cerr << "  vszpack " << c.name << ' ' << c.arguments << "\n      " << c.summary << '\n';
  return 2;
}

}  // namespace

RegisterSubcommand::RegisterSubcommand(const Subcommand& command) {
  auto& commands = Registry();
  const auto at = std::lower_bound(commands.begin(), commands.end(), command,
                                   [](const Subcommand& a, const Subcommand& b) { return std::strcmp(a.name, b.name) < 0; });
  commands.insert(at, command);
}

const std::vector<Subcommand>& Subcommands() { return Registry(); }

}  // namespace folvane::vszpack

int main(int argc, char** argv) {
  using namespace folvane::vszpack;
  if (argc < 2) return Usage();
  const auto& commands = Subcommands();
  const auto command = std::find_if(commands.begin(), commands.end(),
                                    [&](const Subcommand& c) { return std::strcmp(c.name, argv[1]) == 0; });
  if (command == commands.end()) return Usage();
  const Args args(argv + 2, argv + argc);
  if (args.size() < command->minArgs || args.size() > command->maxArgs) return Usage();
  try {
    return command->run(args);
  } catch (const std::exception& e) {
    std::cerr << "vszpack " << command->name << ": " << e.what() << '\n';
    return 1;
  }
}
