#pragma once
// The lengths every skin must have: the whole file, and its content once
// decompressed.
#include <array>
#include <cstddef>

namespace qv::skingen {

struct SkinLengths {
  std::size_t file;
  std::size_t content;
};

inline constexpr int kSkinCount = 33;

inline constexpr std::array<SkinLengths, kSkinCount> kSkinLengths{{
    {15574, 277244},  {9533, 144932},   {19786, 334484}, {19497, 323060}, {17699, 595228},
    {41098, 230784},  {12564, 324980},  {18930, 457868}, {13192, 175192}, {24409, 196172},
    {30738, 297840},  {8321, 198740},   {26370, 275540}, {15733, 239620}, {12105, 310940},
    {23603, 280868},  {20863, 280868},  {16746, 298148}, {11676, 483428}, {17997, 203388},
    {12882, 294652},  {37461, 1028620}, {30958, 283604}, {25715, 380060}, {34523, 414724},
    {28961, 166400},  {29447, 328060},  {15562, 181412}, {20738, 263444}, {18765, 194716},
    {31134, 286868},  {44110, 338828},  {20275, 249044}}};

}  // namespace qv::skingen
