// Installs the engine library: whatever already bears its name counts as
// installed; a failed write or attribute change passes silently and shows
// only when the library is bound.
#include "skin/SkinEngineFile.h"

#include <string>

#include "runtime/ByteBuffer.h"
#include "runtime/Files.h"
#include "skin/SkinTable.h"

namespace qv {

void EnsureSkinEngineFile() {
  const std::string path = GetRunDirectory() + "\\SkinH_EL.dll";
  if (PathExists(path)) return;
  WriteWholeFile(path, StoredBytes(SkinEngineImage));
  SetFileAttributeFlags(path, kAttrHidden);
}

}  // namespace qv
