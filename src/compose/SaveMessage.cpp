// Wording of the message that ends a save.
#include "compose/SaveMessage.h"

namespace qv {
namespace {

std::string JpegFailureReason(int code) {
  switch (code) {
    case -1:
      return "找不到源文件 d:\\1.bmp";
    case -3:
      return "无法读取源文件 d:\\1.bmp";
    case -4:
      return "无法创建文件";
    case -7:
      return "转换参数无效";
    default:
      return "转换时出错";
  }
}

}  // namespace

std::string ComposeSaveMessage(const SaveOutcome& outcome) {
  if (!outcome.captured) return "无法截取图片区域，没有保存任何文件";
  if (outcome.bmpWritten && outcome.jpegResult == 1) return "以保存到D盘内";
  std::string text;
  if (!outcome.bmpWritten) {
    text +=
        "无法写入 d:\\1.bmp：" + (outcome.bmpFailure.empty() ? "写入时出错" : outcome.bmpFailure);
  }
  if (outcome.jpegResult != 1) {
    if (!text.empty()) text += "\n";
    text += "无法写入 c:\\1.jpg：" + JpegFailureReason(outcome.jpegResult);
  } else {
    text += "\nc:\\1.jpg 是由先前保存的 d:\\1.bmp 生成的";
  }
  return text;
}

}  // namespace qv
