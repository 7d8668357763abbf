#pragma once
// The skin's QStyle: Fusion underneath, with the skin's frames, captions,
// buttons, edits, scroll bars and selections drawn over it.
#include <QProxyStyle>
#include <memory>

#include "style/SkinLook.h"

namespace qv::skin {

class SkinStyle : public QProxyStyle {
 public:
  explicit SkinStyle(std::shared_ptr<const SkinLook> look);

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returnData = nullptr) const override;
  QPalette standardPalette() const override;
  void polish(QPalette& palette) override;
  using QProxyStyle::polish;

 private:
  void DrawWindowFrame(const QStyleOption* option, QPainter* painter) const;
  void DrawTitleBar(const QStyleOptionComplex* option, QPainter* painter) const;
  void DrawButtonPanel(const QStyleOption* option, QPainter* painter) const;
  void DrawEditPanel(const QStyleOption* option, QPainter* painter) const;
  void DrawScrollBar(const QStyleOptionComplex* option, QPainter* painter,
                     const QWidget* widget) const;
  void DrawItemPanel(const QStyleOption* option, QPainter* painter) const;
  void DrawHeaderSection(const QStyleOption* option, QPainter* painter) const;

  std::shared_ptr<const SkinLook> look_;
};

}  // namespace qv::skin
