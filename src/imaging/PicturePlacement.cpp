#include "imaging/PicturePlacement.h"

#include <algorithm>

namespace qv::imaging {

Placement PlacePicture(int mode, int clientWidth, int clientHeight, int pictureWidth,
                       int pictureHeight) {
  if (mode == 0) return {0, 0, pictureWidth, pictureHeight};
  if (mode == 1) return {0, 0, clientWidth, clientHeight};
  Placement p{0, 0, clientWidth, clientHeight};
  if (pictureWidth <= 0 || pictureHeight <= 0) return {0, 0, 0, 0};
  if (clientWidth >= pictureWidth) {
    p.width = pictureWidth;
    p.x = (clientWidth - pictureWidth) / 2;
  }
  if (clientHeight >= pictureHeight) {
    p.height = pictureHeight;
    p.y = (clientHeight - pictureHeight) / 2;
  }
  if (p.width < pictureWidth || p.height < pictureHeight) {
    double scale = std::min(double(p.width) / pictureWidth, double(p.height) / pictureHeight);
    int drawnHeight = int(scale * pictureHeight);
    int drawnWidth = int(pictureWidth * scale);
    p.y += (p.height - drawnHeight) / 2;
    p.x += (p.width - drawnWidth) / 2;
    p.width = drawnWidth;
    p.height = drawnHeight;
    return p;
  }
  return p;
}

}  // namespace qv::imaging
