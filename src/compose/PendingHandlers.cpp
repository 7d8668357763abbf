// Temporary definitions so the program links while the handlers are written.
#include "compose/Handlers.h"
namespace qv {
void ApplyDialogueLines() {}
void OpenPicture() {}
void SaveComposedPicture() {}
}  // namespace qv
