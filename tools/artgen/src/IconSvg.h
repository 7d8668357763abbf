#pragma once
// Writes an icon design as a standalone SVG document.
#include <string>

#include "IconDesign.h"

namespace qv::artgen {

std::string IconSvg(const IconDesign& design);

}  // namespace qv::artgen
