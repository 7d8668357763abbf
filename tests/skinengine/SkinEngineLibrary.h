#pragma once
// The built engine library, loaded by path like the program loads it.
#include <dlfcn.h>

namespace qv::skin::test {

using AttachFunction = int (*)(const void*, int, const char*, int, int, int);

inline AttachFunction LoadAttachRes() {
  static void* library = dlopen(QV_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return nullptr;
  return reinterpret_cast<AttachFunction>(dlsym(library, "SkinH_AttachRes"));
}

}  // namespace qv::skin::test
