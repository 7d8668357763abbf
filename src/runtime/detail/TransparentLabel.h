#pragma once
// A label that paints only its text: no background, one line unless word
// wrap is on, the ampersand as prefix character, clipped to its rectangle.
// It takes no focus and no input.
#include <QWidget>
#include <functional>
#include <vector>

#include "runtime/WindowLayout.h"

namespace qv::detail {

class TransparentLabel : public QWidget {
  Q_OBJECT

 public:
  TransparentLabel(const ControlLayout& layout, QWidget* parent);

  const QString& Text() const { return text_; }
  // Stores the text only; the caller decides how it is redrawn.
  void StoreText(const QString& text) { text_ = text; }

  // The text as drawn on one line: line breaks become spaces.
  static QString SingleLine(QString text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Mnemonic {
    QString text;                 // with the prefix characters resolved
    std::vector<int> underlined;  // indices into text
  };
  static Mnemonic StripMnemonics(const QString& text);
  QRect LineRect() const;
  // Runs draw(colour, dx, dy) for each pass of the text effect, the text colour last.
  void DrawWithEffect(const std::function<void(const QColor&, int, int)>& draw) const;

  QString text_;
  QColor colour_;
  int flags_ = 0;
  bool wordWrap_ = false;
  int effect_ = 0;
};

}  // namespace qv::detail
