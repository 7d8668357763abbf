// The save's own work (snapshot, BMP write, conversion from the written file)
// against the reference encoder alone plus the BMP's write; and applying the
// three lines over the built-in picture against a 24-megapixel one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "compose/Handlers.h"
#include "runtime/Controls.h"
#include "runtime/Files.h"
#include "runtime/Snapshot.h"
#include "runtime/Testing.h"
#include "runtime/Windows.h"
#include "windows/StageWindow.h"
#include "windows/ToolbarWindow.h"

namespace {

std::string workFolder;

void SaveFiles(benchmark::State& state) {
  const qv::WindowHandle box = qv::GetWindowHandle(qv::StageWindow, "图片框1");
  for (auto _ : state) {
    const qv::ByteBuffer snapshot = qv::SnapshotWindow(box, 352, 584);
    if (!qv::WriteWholeFile("d:\\1.bmp", snapshot)) state.SkipWithError("bmp not written");
    if (qv::ConvertToJpeg("d:\\1.bmp", "c:\\1.jpg", false, 30, true, 0) != 1) {
      state.SkipWithError("jpeg not written");
    }
  }
}
BENCHMARK(SaveFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same BMP written plainly, then encoded by the reference tool.
void ReferenceEncoder(benchmark::State& state) {
  const qv::ByteBuffer snapshot =
      qv::SnapshotWindow(qv::GetWindowHandle(qv::StageWindow, "图片框1"), 352, 584);
  const std::string bmp = workFolder + "/reference.bmp";
  const std::string command = std::string(QV_CJPEG) +
                              " -quality 30 -optimize -baseline -outfile '" + workFolder +
                              "/reference.jpg' '" + bmp + "'";
  for (auto _ : state) {
    FILE* file = std::fopen(bmp.c_str(), "wb");
    std::fwrite(snapshot.data(), 1, snapshot.size(), file);
    std::fflush(file);
    ::fsync(fileno(file));
    std::fclose(file);
    if (std::system(command.c_str()) != 0) state.SkipWithError("cjpeg failed");
  }
}
BENCHMARK(ReferenceEncoder)->Unit(benchmark::kMillisecond)->UseRealTime();

void ApplyLines(benchmark::State& state, const qv::ByteBuffer* picture) {
  if (picture != nullptr) qv::SetPicture(qv::StageWindow, "图片框1", *picture);
  int round = 0;
  for (auto _ : state) {
    // Alternate the texts so every press really changes what is drawn.
    const char* line = (++round & 1) ? "第一句台词在这里" : "另一句不同的台词";
    qv::SetEditText(qv::ToolbarWindow, "编辑框1", line);
    qv::SetEditText(qv::ToolbarWindow, "编辑框2", line);
    qv::SetEditText(qv::ToolbarWindow, "编辑框3", line);
    qv::ApplyDialogueLines();
  }
}

qv::ByteBuffer LargeJpeg() {
  QImage image(6000, 4000, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) line[x] = qRgb(x % 256, y % 256, (x + y) % 256);
  }
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 85);
  return qv::ByteBuffer(buffer.data().begin(), buffer.data().end());
}

}  // namespace

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  char pattern[] = "/tmp/qv-save-bench-XXXXXX";
  workFolder = ::mkdtemp(pattern);
  ::setenv("QUORVANE_DRIVES", (workFolder + "/drives").c_str(), 1);
  std::filesystem::create_directories(workFolder + "/run");
  qv::testing::OverrideRunDirectory(workFolder + "/run");
  qv::InitialiseRuntime();
  if (!qv::LoadWindow(qv::ToolbarWindow)) return 1;
  QApplication::processEvents();

  static const qv::ByteBuffer large = LargeJpeg();
  benchmark::RegisterBenchmark("ApplyLines/BuiltInPicture", ApplyLines, nullptr)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ApplyLines/24MegapixelPicture", ApplyLines, &large)
      ->Unit(benchmark::kMicrosecond);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(workFolder);
  return 0;
}
