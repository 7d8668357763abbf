// Decoding skin 25, and decoding plus applying it to an offscreen application
// through the built library's entry, as the program does at every start.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QApplication>
#include <QPushButton>
#include <fstream>
#include <iterator>
#include <vector>

#include "format/SkinDecoder.h"

namespace {

std::vector<std::uint8_t> Skin25() {
  std::ifstream in(QV_SKINS_DIR "/skin25.she", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using AttachFunction = int (*)(const void*, int, const char*, int, int, int);

void DecodeSkin25(benchmark::State& state) {
  const auto skin = Skin25();
  for (auto _ : state) {
    qv::skin::Theme theme;
    benchmark::DoNotOptimize(qv::skin::DecodeSkin(skin, theme));
  }
}
BENCHMARK(DecodeSkin25)->Unit(benchmark::kMillisecond);

void DecodeAndApplySkin25(benchmark::State& state) {
  const auto skin = Skin25();
  void* library = dlopen(QV_ENGINE_PATH, RTLD_NOW);
  auto attach = library ? reinterpret_cast<AttachFunction>(dlsym(library, "SkinH_AttachRes"))
                        : nullptr;
  if (attach == nullptr) {
    state.SkipWithError("engine library not loadable");
    return;
  }
  // A shown button makes the restyle reach a live widget, as in the program.
  QPushButton button(QStringLiteral("生成效果"));
  button.show();
  for (auto _ : state) {
    benchmark::DoNotOptimize(attach(skin.data(), int(skin.size()), "", 0, 0, 0));
    QApplication::processEvents();
  }
}
BENCHMARK(DecodeAndApplySkin25)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
