#pragma once
// The built engine library, loaded by path like the program loads it.
#include <dlfcn.h>

namespace qv::skin::test {

using AttachFunction = int (*)(const void*, int, const char*, int, int, int);
using PreloadFunction = int (*)(const void*, int);

inline void* EngineLibrary() {
  static void* library = dlopen(QV_ENGINE_PATH, RTLD_NOW | RTLD_LOCAL);
  return library;
}

inline AttachFunction LoadAttachRes() {
  if (EngineLibrary() == nullptr) return nullptr;
  return reinterpret_cast<AttachFunction>(dlsym(EngineLibrary(), "SkinH_AttachRes"));
}

inline PreloadFunction LoadPreload() {
  if (EngineLibrary() == nullptr) return nullptr;
  return reinterpret_cast<PreloadFunction>(dlsym(EngineLibrary(), "SkinH_Preload"));
}

}  // namespace qv::skin::test
