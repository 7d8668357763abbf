#include "runtime/detail/LabelFont.h"

#include <QApplication>
#include <algorithm>
#include <cstdlib>

namespace qv::detail {

bool IsDefaultFontRecord(const FontRecord& record) {
  return record.height == 0 && record.faceName.empty() && record.weight == 400 &&
         !record.italic && !record.underline && !record.strikeOut;
}

QFont FontFromRecord(const FontRecord& record) {
  if (IsDefaultFontRecord(record)) return QApplication::font();
  QFont font = QApplication::font();
  font.setFamilies({record.faceName.empty()
                        ? QString::fromLatin1(kDefaultFace)
                        : QString::fromUtf8(record.faceName.data(),
                                            qsizetype(record.faceName.size()))});
  if (record.height != 0) font.setPixelSize(std::abs(record.height));
  const int weight = record.weight <= 0 ? 400 : std::clamp(record.weight, 1, 1000);
  font.setWeight(QFont::Weight(weight));
  font.setItalic(record.italic);
  font.setUnderline(record.underline);
  font.setStrikeOut(record.strikeOut);
  font.setStyleStrategy(QFont::PreferQuality);
  return font;
}

}  // namespace qv::detail
