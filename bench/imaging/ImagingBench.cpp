// Timing binary for the imaging benchmarks.
//   imaging_bench generate <folder>        writes stage.jpg (580 x 978, ~67 KB),
//                                          photo24mp.jpg (6000 x 4000), snapshot.bmp,
//                                          tiny.jpg and tiny.bmp (8 x 8)
//   imaging_bench decode <jpeg> <w> <h> <runs>   decode for display drawn at w x h
//                                          (0 0: full size) plus a smooth box stretch
//   imaging_bench convert <bmp> <jpeg> <runs>    the save's conversion (quality 30)
//   imaging_bench spawn <runs> <command...>      runs the command that many times in
//                                          child processes; prints the best CPU
//                                          (user + system) and wall milliseconds
// Each other mode prints the best and median milliseconds of its runs, and peak RSS.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "JpegEncoder.h"
#include "PhotoLikePicture.h"
#include "imaging/BmpFileImage.h"
#include "imaging/JpegConverter.h"
#include "imaging/PictureDecoder.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool WriteAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

// Area-averaging stretch of RGB rows to exactly w x h, as a smooth paint does.
std::vector<std::uint8_t> BoxStretch(const qv::imaging::RgbImage& image, int w, int h) {
  std::vector<std::uint8_t> out(std::size_t(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    int y0 = int(std::int64_t(y) * image.height / h);
    int y1 = std::max(y0 + 1, int(std::int64_t(y + 1) * image.height / h));
    for (int x = 0; x < w; ++x) {
      int x0 = int(std::int64_t(x) * image.width / w);
      int x1 = std::max(x0 + 1, int(std::int64_t(x + 1) * image.width / w));
      unsigned sum[3] = {0, 0, 0};
      for (int sy = y0; sy < y1; ++sy) {
        const std::uint8_t* p = &image.pixels[(std::size_t(sy) * image.width + x0) * 3];
        for (int sx = x0; sx < x1; ++sx, p += 3)
          for (int k = 0; k < 3; ++k) sum[k] += p[k];
      }
      unsigned n = unsigned((y1 - y0) * (x1 - x0));
      for (int k = 0; k < 3; ++k) out[(std::size_t(y) * w + x) * 3 + k] = std::uint8_t(sum[k] / n);
    }
  }
  return out;
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%s: best %.2f ms, median %.2f ms over %zu runs, peak RSS %.1f MiB\n", what,
              ms.front(), ms[ms.size() / 2], ms.size(), usage.ru_maxrss / 1024.0);
}

int Generate(const std::string& dir) {
  // The stage picture's size and compressed length: pick the quality that
  // comes nearest 67,597 bytes.
  std::vector<std::uint8_t> stage = qv::bench::PhotoLikeRgb(580, 978, 1);
  std::vector<std::uint8_t> best;
  for (int q = 30; q <= 95; q += 5) {
    std::vector<std::uint8_t> jpeg = qv::testsupport::EncodeJpeg(580, 978, stage, {.quality = q});
    if (best.empty() || std::labs(long(jpeg.size()) - 67597) < std::labs(long(best.size()) - 67597))
      best = jpeg;
  }
  std::vector<std::uint8_t> photo = qv::bench::PhotoLikeRgb(6000, 4000, 2);
  std::vector<std::uint8_t> snapshot = qv::bench::PhotoLikeRgb(352, 584, 3);
  bool ok = WriteAll(dir + "/stage.jpg", best) &&
            WriteAll(dir + "/photo24mp.jpg",
                     qv::testsupport::EncodeJpeg(6000, 4000, photo, {.quality = 85})) &&
            WriteAll(dir + "/snapshot.bmp",
                     qv::imaging::BuildBmpFileImage(352, 584, snapshot.data(), 352 * 3));
  // 8 x 8 pictures: the start-up cost of each tool, libraries paged in.
  std::vector<std::uint8_t> tiny = qv::bench::PhotoLikeRgb(8, 8, 4);
  ok = ok &&
       WriteAll(dir + "/tiny.jpg", qv::testsupport::EncodeJpeg(8, 8, tiny, {.quality = 75})) &&
       WriteAll(dir + "/tiny.bmp", qv::imaging::BuildBmpFileImage(8, 8, tiny.data(), 8 * 3));
  std::printf("stage.jpg %zu bytes\n", best.size());
  return ok ? 0 : 1;
}

int Decode(const std::string& path, int w, int h, int runs) {
  std::vector<std::uint8_t> bytes = ReadAll(path);
  std::vector<double> ms;
  int decodedWidth = 0, decodedHeight = 0;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    auto picture = qv::imaging::DecodePictureForDisplay(bytes, w, h);
    if (!picture) {
      std::fprintf(stderr, "%s: no picture\n", path.c_str());
      return 1;
    }
    if (w > 0 && h > 0) BoxStretch(picture->image, w, h);
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    decodedWidth = picture->image.width;
    decodedHeight = picture->image.height;
  }
  std::string what = "decode " + path + " (decoded " + std::to_string(decodedWidth) + "x" +
                     std::to_string(decodedHeight) + ")";
  Report(what.c_str(), ms);
  return 0;
}

int Convert(const std::string& source, const std::string& target, int runs) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    if (qv::imaging::ConvertFileToJpeg(source, target, false, 30, true, 0) != 1) return 1;
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  Report(("convert " + source).c_str(), ms);
  return 0;
}

int Spawn(int runs, char** command) {
  double bestCpu = 1e30, bestWall = 1e30;
  for (int i = 0; i < runs; ++i) {
    auto start = Clock::now();
    pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
      freopen("/dev/null", "w", stdout);
      freopen("/dev/null", "w", stderr);
      execvp(command[0], command);
      _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return 1;
    double wall = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    double cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    bestCpu = std::min(bestCpu, cpu);
    bestWall = std::min(bestWall, wall);
  }
  std::printf("%.3f %.3f\n", bestCpu, bestWall);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> a(argv + 1, argv + argc);
  if (a.size() == 2 && a[0] == "generate") return Generate(a[1]);
  if (a.size() == 5 && a[0] == "decode")
    return Decode(a[1], std::atoi(a[2].c_str()), std::atoi(a[3].c_str()), std::atoi(a[4].c_str()));
  if (a.size() >= 3 && a[0] == "spawn") return Spawn(std::atoi(a[1].c_str()), argv + 3);
  if (a.size() == 4 && a[0] == "convert") return Convert(a[1], a[2], std::atoi(a[3].c_str()));
  std::fprintf(stderr, "usage: see the comment at the top of ImagingBench.cpp\n");
  return 2;
}
