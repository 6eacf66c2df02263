// vev-make-assets OUTDIR: writes every texture and sample of the demonstration scene into
// OUTDIR. The output depends on nothing but this program, so the files in sw/ are exactly what
// it writes.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/asset_catalog.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vev-make-assets OUTDIR\n");
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) {
    std::fprintf(stderr, "vev-make-assets: cannot create %s: %s\n", argv[1],
                 error.message().c_str());
    return 1;
  }
  const auto failed = vev::assets::writeAssets(directory);
  for (const auto& name : failed) {
    std::fprintf(stderr, "vev-make-assets: cannot write %s\n", (directory / name).c_str());
  }
  return failed.empty() ? 0 : 1;
}
