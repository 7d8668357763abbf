#include "Assets.h"

#include "IconDesign.h"
#include "IconRaster.h"
#include "IconSvg.h"
#include "JpegFile.h"
#include "PngFile.h"
#include "StageScene.h"

namespace qv::artgen {

std::vector<Asset> AllAssets() {
  std::vector<Asset> assets;
  assets.push_back({"stage-picture.jpg", [] {
                      return EncodeBaselineJpeg(PaintStageScene(), kStageJpegQuality);
                    }});
  for (const int size : kIconSizes) {
    assets.push_back({"quorvane-icon-" + std::to_string(size) + ".png", [size] {
                        return EncodeRgbaPng(RasterizeIcon(QuorvaneIcon(size), size), size,
                                             size);
                      }});
  }
  assets.push_back({"quorvane.svg", [] {
                      const std::string svg = IconSvg(QuorvaneIcon(256));
                      return std::vector<std::uint8_t>(svg.begin(), svg.end());
                    }});
  return assets;
}

}  // namespace qv::artgen
