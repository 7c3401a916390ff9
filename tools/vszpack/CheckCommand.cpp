// vszpack check IN.vsz|DIR: loads the skin as the program does and prints
// every fault with its section and key, then notes on the sections the
// program looks up that the skin lacks. Exit code 1 when there are faults.

#include <filesystem>
#include <iostream>

#include "Subcommand.h"
#include "skin/SkinCheck.h"

namespace folvane::vszpack {
namespace {

int RunCheck(const Args& args) {
  const std::filesystem::path in(args[0]);
  std::error_code ec;
  const bool folder = std::filesystem::is_directory(in, ec);
  int errors = 0;
  int notes = 0;
  for (const SkinFinding& f : CheckSkin(in.u16string(), folder)) {
    std::cout << FormatFinding(f) << '\n';
    ++(f.FindingKind == SkinFinding::Kind::Error ? errors : notes);
  }
  std::cout << errors << " error(s), " << notes << " note(s)\n";
  return errors == 0 ? 0 : 1;
}

const RegisterSubcommand check{{"check", "IN.vsz|DIR",
                                "loads a skin as the program does and reports its faults",
                                1, 1, RunCheck}};

}  // namespace
}  // namespace folvane::vszpack
