#pragma once
// Window snapshots and the JPEG converter, in the program's path form.
#include <string_view>

#include "runtime/ByteBuffer.h"
#include "runtime/Controls.h"

namespace qv {

// A 24-bit bottom-up BMP file image of what the window shows, border and child
// windows included, brought to width x height (0 keeps the captured size).
// Handle 0: the primary screen. A handle naming no window: empty.
ByteBuffer SnapshotWindow(WindowHandle handle, int width, int height);

// Converts the picture file at sourcePath into a JPEG at targetPath; both are
// program paths resolved by ResolveHostPath. Result codes as the converter's:
// 1 ok, -1 no source, -3 unreadable, -4 write failed, -7 bad arguments.
int ConvertToJpeg(std::string_view sourcePath, std::string_view targetPath, bool greyscale,
                  int quality, bool optimizeHuffman, int smoothing);

}  // namespace qv
