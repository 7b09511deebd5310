// The data checker: lists every file the game loads from a data folder with its state, size and
// whether the game can use it, and exits with status 1 when any of them is missing or wrong.
//
//   parvolt_datacheck [--level 1|2|4] DATA_FOLDER
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "asset_table.h"
#include "data_check.h"

namespace {

int Usage(const char* program) {
  std::fprintf(stderr, "usage: %s [--level 1|2|4] DATA_FOLDER\n", program);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> levels(assets::kDetailLevels.begin(), assets::kDetailLevels.end());
  const char* folder = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--level") == 0 && i + 1 < argc) {
      const std::string level = argv[++i];
      if (level != "1" && level != "2" && level != "4") return Usage(argv[0]);
      levels = {std::stoi(level)};
    } else if (folder == nullptr && argv[i][0] != '-') {
      folder = argv[i];
    } else {
      return Usage(argv[0]);
    }
  }
  if (folder == nullptr) return Usage(argv[0]);

  int problems = 0;
  const std::vector<FileReport> reports = CheckDataFolder(folder, levels);
  for (const FileReport& report : reports) {
    std::printf("%-5s %-30s %-11s %-28s %s\n", report.kind.c_str(), report.name.c_str(),
                StateName(report.state), report.size.c_str(), report.verdict.c_str());
    if (!report.ok) ++problems;
  }
  std::printf("%zu files checked, %d %s\n", reports.size(), problems,
              problems == 1 ? "problem" : "problems");
  return problems == 0 ? 0 : 1;
}
