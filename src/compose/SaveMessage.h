#pragma once
// The text shown after a save: the confirmation, or what went wrong.
#include <string>

namespace qv {

struct SaveOutcome {
  bool captured = true;     // the snapshot holds a picture
  bool bmpWritten = false;  // "d:\1.bmp" was written completely
  std::string bmpFailure;   // why it was not, for the user
  int jpegResult = 0;       // the converter's result code
};

std::string ComposeSaveMessage(const SaveOutcome& outcome);

}  // namespace qv
