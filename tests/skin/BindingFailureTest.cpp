// Fatal ends of skin application, each in a child process: the box's text and
// the exit status 255.
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "SkinTestSupport.h"
#include "runtime/Dialogs.h"

namespace qv::skintest {
namespace {

struct ChildResult {
  std::string output;
  int status = -1;  // exit status, or -1 when killed by a signal
};

ChildResult RunChild(const std::string& runDirectory, const std::string& skin,
                     const char* extra = nullptr) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return {};
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    ::execl(QV_SKIN_CHILD, QV_SKIN_CHILD, runDirectory.c_str(), skin.c_str(), extra,
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(pipeEnds[1]);
  ChildResult result;
  char buffer[4096];
  ssize_t n;
  while ((n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0) result.output.append(buffer, n);
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

const std::string kBindingFailure =
    "无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“SkinH_AttachRes”";

class FatalSkinTest : public RunDirectoryTest {};

TEST_F(FatalSkinTest, UnusableLibraryEndsInTheBindingFailureBox) {
  struct Case {
    const char* name;
    void (*make)(const std::string& enginePath);
  };
  const Case cases[] = {
      {"garbage file", [](const std::string& path) { std::ofstream(path) << "MZ\x90 not ELF"; }},
      {"empty file", [](const std::string& path) { std::ofstream{path}; }},
      {"library without the entry",
       [](const std::string& path) { fs::copy_file(QV_ENTRYLESS_LIBRARY, path); }},
      {"directory, nothing on the search path",
       [](const std::string& path) { fs::create_directory(path); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(EnginePath());
    c.make(EnginePath());
    const ChildResult child = RunChild(runDirectory, "25");
    EXPECT_EQ(child.output, "BOX:" + ComposeRuntimeErrorText(kBindingFailure, 0) + "\n");
    EXPECT_EQ(child.status, 255);
  }
}

TEST_F(FatalSkinTest, FailedCopyAllocationEndsInTheOutOfMemoryBox) {
  InstallRecordingEngine();
  const ChildResult child = RunChild(runDirectory, "25", "fail-allocation");
  const std::string text = ComposeRuntimeErrorText("分配 34531 字节内存失败!", 0);
  EXPECT_EQ(child.output, "BOX:" + text + "\n");
  EXPECT_EQ(child.status, 255);
}

// The harness itself: a usable engine gives no box and a normal end.
TEST_F(FatalSkinTest, UsableEngineReturnsNormally) {
  InstallRecordingEngine();
  const ChildResult child = RunChild(runDirectory, "25");
  EXPECT_EQ(child.output, "RETURNED\n");
  EXPECT_EQ(child.status, 0);
}

}  // namespace
}  // namespace qv::skintest
