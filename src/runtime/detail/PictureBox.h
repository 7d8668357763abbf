#pragma once
// Picture box: a border drawn inside its rectangle, and a client area that
// paints the background colour and the picture by display mode and holds the
// box's child controls.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "runtime/ByteBuffer.h"
#include "runtime/WindowLayout.h"

class QBuffer;
class QMovie;

namespace qv::detail {

class PictureBox;

// The inner widget: background and picture; children of the box live here.
class PictureClient : public QWidget {
  Q_OBJECT

 public:
  explicit PictureClient(PictureBox* box);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureBox* box_;
};

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(const ControlLayout& layout, QWidget* parent);
  ~PictureBox() override;

  QWidget* ClientArea() const { return client_; }

  // Stores a copy of the bytes, drops the previous picture and repaints; the
  // bytes are decoded once, when first needed.
  void SetPicture(ByteView bytes);
  const ByteBuffer& Picture() const { return bytes_; }
  // Decodes a picture not yet decoded; true when there is one to draw.
  bool HasDecodedPicture();

  // Paints background and picture onto the client area (called by the client).
  void PaintClient(QPainter& painter, const QSize& clientSize, qreal devicePixelRatio);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void DropPicture();
  void Decode();
  const QImage& ScaledFor(const QSize& deviceSize, qreal devicePixelRatio);

  PictureBorder border_;
  QColor background_;
  DisplayMode mode_;
  bool animate_;
  PictureClient* client_ = nullptr;

  ByteBuffer bytes_;
  bool decodePending_ = false;
  QImage image_;         // colour pictures and icons, full size
  QSize naturalSize_;    // the size placement works from
  bool isIcon_ = false;
  QImage scaled_;        // cache of image_ at the last drawn device size
  QByteArray movieBytes_;
  std::unique_ptr<QBuffer> movieBuffer_;
  std::unique_ptr<QMovie> movie_;
};

}  // namespace qv::detail
