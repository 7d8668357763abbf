// The committed assets must be exactly what the generator paints today: a
// change to the painting code without regenerating (or a hand-edited asset)
// fails here. Regenerate with: artgen <repository>/assets
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>

#include "Assets.h"
#include "ImageReaders.h"

namespace qv::artgen {
namespace {

TEST(Reproduction, EveryAssetIsListed) {
  std::vector<std::string> names;
  for (const Asset& asset : AllAssets()) names.push_back(asset.fileName);
  const std::vector<std::string> expected = {
      "stage-picture.jpg",     "quorvane-icon-16.png",  "quorvane-icon-32.png",
      "quorvane-icon-48.png",  "quorvane-icon-64.png",  "quorvane-icon-128.png",
      "quorvane-icon-256.png", "quorvane.svg"};
  EXPECT_EQ(names, expected);
}

}  // namespace

// Names the asset in test output instead of dumping its bytes.
void PrintTo(const Asset& asset, std::ostream* out) { *out << asset.fileName; }

namespace {

class CommittedAsset : public ::testing::TestWithParam<Asset> {};

TEST_P(CommittedAsset, RegeneratesByteForByte) {
  const Asset& asset = GetParam();
  const auto committed = test::ReadFile(test::AssetPath(asset.fileName));
  ASSERT_TRUE(committed) << "missing asset " << asset.fileName;
  const std::vector<std::uint8_t> rendered = asset.render();
  ASSERT_FALSE(rendered.empty());
  EXPECT_EQ(rendered.size(), committed->size()) << asset.fileName;
  EXPECT_TRUE(rendered == *committed)
      << asset.fileName << " differs from what artgen paints; regenerate it with artgen";
}

INSTANTIATE_TEST_SUITE_P(Assets, CommittedAsset, ::testing::ValuesIn(AllAssets()),
                         [](const ::testing::TestParamInfo<Asset>& info) {
                           std::string name;
                           for (const unsigned char c : info.param.fileName) {
                             name += std::isalnum(c) ? char(c) : '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace qv::artgen
