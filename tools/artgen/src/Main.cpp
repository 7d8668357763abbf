// artgen: paints Quorvane's built-in stage picture and application icon.
//   artgen <assets-directory>   writes every asset into that directory
#include <cstdio>
#include <string>

#include "Assets.h"
#include "FileOutput.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <assets-directory>\n", argv[0]);
    return 2;
  }
  const std::string directory = argv[1];
  int failures = 0;
  for (const qv::artgen::Asset& asset : qv::artgen::AllAssets()) {
    const std::string path = directory + "/" + asset.fileName;
    if (qv::artgen::WriteFileAtomically(path, asset.render())) {
      std::printf("wrote %s\n", path.c_str());
    } else {
      std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
