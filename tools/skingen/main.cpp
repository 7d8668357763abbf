// skingen: builds the 33 skins from their descriptions.
//
//   skingen generate <themes-dir> <out-dir> [numbers...]
//       One pass from the tuned descriptions; fails when a skin's lengths are off.
//   skingen tune <themes-dir> <out-dir> [numbers...]
//       Searches the grain detail that fits each skin's lengths, stores it in
//       the description and writes the skin.
//   skingen seeds <themes-dir> <out-dir>
//       A few small valid skins, and their raw contents, for fuzzing.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Description.h"
#include "Fit.h"
#include "Render.h"
#include "format/SkinEncoder.h"

namespace fs = std::filesystem;
using namespace qv::skingen;

namespace {

std::string Numbered(const char* prefix, int number, const char* suffix) {
  char name[64];
  std::snprintf(name, sizeof name, "%s%02d%s", prefix, number, suffix);
  return name;
}

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

int Usage() {
  std::fprintf(stderr,
               "usage: skingen generate|tune <themes-dir> <out-dir> [numbers...]\n"
               "       skingen seeds <themes-dir> <out-dir>\n");
  return 2;
}

int Seeds(const fs::path& themes, const fs::path& out) {
  int written = 0;
  for (int number : {2, 12, 25}) {
    Description d;
    std::string error;
    if (!LoadDescription(themes / Numbered("skin", number, ".theme"), d, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    d.buttonRadius = std::min(d.buttonRadius, 2);
    d.editRadius = std::min(d.editRadius, 1);
    const auto theme = RenderTheme(d, {8, 8, 4}, 12, number);
    const auto content = qv::skin::SerializeContent(theme);
    qv::skin::LzmaEncodeOptions options;
    options.endMarker = number == 12;
    if (!WriteFile(out / Numbered("seed", number, ".she"), qv::skin::WrapContent(content, options)) ||
        !WriteFile(out / Numbered("seed", number, ".content"), content)) {
      return 1;
    }
    written += 2;
  }
  std::printf("%d seeds written\n", written);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  const std::string mode = argv[1];
  const fs::path themes = argv[2];
  const fs::path out = argv[3];
  std::error_code ec;
  fs::create_directories(out, ec);
  if (mode == "seeds") return Seeds(themes, out);
  if (mode != "generate" && mode != "tune") return Usage();

  std::vector<int> numbers;
  for (int i = 4; i < argc; ++i) numbers.push_back(std::atoi(argv[i]));
  if (numbers.empty()) {
    for (int n = 1; n <= kSkinCount; ++n) numbers.push_back(n);
  }
  int failures = 0;
  for (int number : numbers) {
    if (number < 1 || number > kSkinCount) return Usage();
    const fs::path themePath = themes / Numbered("skin", number, ".theme");
    Description d;
    std::string error;
    if (!LoadDescription(themePath, d, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      ++failures;
      continue;
    }
    const SkinLengths& lengths = kSkinLengths[number - 1];
    FitResult fit;
    if (mode == "tune") {
      fit = Tune(d, lengths);
      if (!fit.file.empty() && !StoreTuning(themePath, fit.detail, fit.seed)) {
        fit.error = "cannot store the tuning in " + themePath.string();
        fit.file.clear();
      }
    } else if (!d.tuned) {
      fit.error = "not tuned yet (run skingen tune)";
    } else {
      fit = BuildTuned(d, lengths);
    }
    if (fit.file.empty()) {
      std::fprintf(stderr, "skin %d (%s): %s\n", number, d.name.c_str(), fit.error.c_str());
      ++failures;
      continue;
    }
    if (!WriteFile(out / Numbered("skin", number, ".she"), fit.file)) {
      std::fprintf(stderr, "skin %d: cannot write\n", number);
      ++failures;
      continue;
    }
    std::printf("skin %02d  %-24s %6zu bytes  detail %lld seed %u\n", number, d.name.c_str(),
                fit.file.size(), static_cast<long long>(fit.detail), fit.seed);
  }
  return failures == 0 ? 0 : 1;
}
