#pragma once
// Where a picture of W x H goes in a client area of cw x ch for each display mode.
namespace qv::imaging {

struct Placement {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const Placement&, const Placement&) = default;
};

// mode 0: own size at the top-left; 1: stretched over the whole client area;
// 2: centred, shrunk to fit, never enlarged.
Placement PlacePicture(int mode, int clientWidth, int clientHeight, int pictureWidth,
                       int pictureHeight);

}  // namespace qv::imaging
