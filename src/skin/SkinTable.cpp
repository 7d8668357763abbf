// The embedded blocks behind SkinTable and SkinEngineImage (see CMakeLists.txt).
#include "skin/SkinTable.h"

extern "C" {
extern const unsigned char qv_skin_01[];
extern const unsigned char qv_skin_02[];
extern const unsigned char qv_skin_03[];
extern const unsigned char qv_skin_04[];
extern const unsigned char qv_skin_05[];
extern const unsigned char qv_skin_06[];
extern const unsigned char qv_skin_07[];
extern const unsigned char qv_skin_08[];
extern const unsigned char qv_skin_09[];
extern const unsigned char qv_skin_10[];
extern const unsigned char qv_skin_11[];
extern const unsigned char qv_skin_12[];
extern const unsigned char qv_skin_13[];
extern const unsigned char qv_skin_14[];
extern const unsigned char qv_skin_15[];
extern const unsigned char qv_skin_16[];
extern const unsigned char qv_skin_17[];
extern const unsigned char qv_skin_18[];
extern const unsigned char qv_skin_19[];
extern const unsigned char qv_skin_20[];
extern const unsigned char qv_skin_21[];
extern const unsigned char qv_skin_22[];
extern const unsigned char qv_skin_23[];
extern const unsigned char qv_skin_24[];
extern const unsigned char qv_skin_25[];
extern const unsigned char qv_skin_26[];
extern const unsigned char qv_skin_27[];
extern const unsigned char qv_skin_28[];
extern const unsigned char qv_skin_29[];
extern const unsigned char qv_skin_30[];
extern const unsigned char qv_skin_31[];
extern const unsigned char qv_skin_32[];
extern const unsigned char qv_skin_33[];
extern const unsigned char qv_skin_engine_image[];
}

namespace qv {

const std::array<const std::uint8_t*, kSkinCount> SkinTable = {
    qv_skin_01, qv_skin_02, qv_skin_03, qv_skin_04, qv_skin_05, qv_skin_06, qv_skin_07, qv_skin_08,
    qv_skin_09, qv_skin_10, qv_skin_11, qv_skin_12, qv_skin_13, qv_skin_14, qv_skin_15, qv_skin_16,
    qv_skin_17, qv_skin_18, qv_skin_19, qv_skin_20, qv_skin_21, qv_skin_22, qv_skin_23, qv_skin_24,
    qv_skin_25, qv_skin_26, qv_skin_27, qv_skin_28, qv_skin_29, qv_skin_30, qv_skin_31, qv_skin_32,
    qv_skin_33,
};

const std::uint8_t* const SkinEngineImage = qv_skin_engine_image;

}  // namespace qv
