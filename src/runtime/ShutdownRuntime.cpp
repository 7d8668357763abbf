// End-of-program clean-up, after the application object is gone.
#include "runtime/Library.h"
#include "runtime/Windows.h"

namespace qv {

void ShutdownRuntime() { detail::ReleaseBoundLibraries(); }

}  // namespace qv
