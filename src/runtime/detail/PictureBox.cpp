#include "runtime/detail/PictureBox.h"

#include <QBuffer>
#include <QMovie>
#include <QPainter>

#include "imaging/PictureDecoder.h"
#include "imaging/PicturePlacement.h"
#include "runtime/detail/Edges.h"

namespace qv::detail {

PictureClient::PictureClient(PictureBox* box) : QWidget(box), box_(box) {
  setObjectName(QStringLiteral("pictureClient"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void PictureClient::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  box_->PaintClient(painter, size(), devicePixelRatioF());
}

PictureBox::PictureBox(const ControlLayout& layout, QWidget* parent)
    : QWidget(parent),
      border_(layout.picture.border),
      background_(layout.picture.background.r, layout.picture.background.g,
                  layout.picture.background.b),
      mode_(layout.picture.mode),
      animate_(layout.picture.animate) {
  setFocusPolicy(Qt::NoFocus);
  setGeometry(layout.rect.left, layout.rect.top, layout.rect.width, layout.rect.height);
  client_ = new PictureClient(this);
  const int b = PictureBorderWidth(border_);
  client_->setGeometry(b, b, std::max(0, layout.rect.width - 2 * b),
                       std::max(0, layout.rect.height - 2 * b));
  if (!layout.picture.picture.empty()) SetPicture(layout.picture.picture);
}

PictureBox::~PictureBox() = default;

bool PictureBox::HasDecodedPicture() {
  if (decodePending_) Decode();
  return !image_.isNull() || movie_ != nullptr;
}

void PictureBox::DropPicture() {
  if (movie_) movie_->stop();
  movie_.reset();
  movieBuffer_.reset();
  movieBytes_.clear();
  image_ = QImage();
  scaled_ = QImage();
  naturalSize_ = QSize();
  isIcon_ = false;
}

void PictureBox::SetPicture(ByteView bytes) {
  bytes_.assign(bytes.begin(), bytes.end());
  DropPicture();
  // Decoded when first drawn, so that a window shows without waiting for it.
  decodePending_ = !bytes_.empty();
  client_->update();
}

void PictureBox::Decode() {
  decodePending_ = false;
  const qreal dpr = devicePixelRatioF();
  // Drawn at its own size, a picture is decoded at its own size; otherwise it
  // may be decoded smaller, as long as it still covers the client area.
  const bool ownSize = mode_ == DisplayMode::TopLeft;
  auto decoded = imaging::DecodePictureForDisplay(bytes_, ownSize ? 0 : int(client_->width() * dpr),
                                                  ownSize ? 0 : int(client_->height() * dpr));
  if (decoded && decoded->kind == imaging::PictureKind::Gif) {
    movieBytes_ = QByteArray(reinterpret_cast<const char*>(bytes_.data()),
                             qsizetype(bytes_.size()));
    movieBuffer_ = std::make_unique<QBuffer>(&movieBytes_);
    movieBuffer_->open(QIODevice::ReadOnly);
    movie_ = std::make_unique<QMovie>(movieBuffer_.get(), QByteArray("gif"));
    if (movie_->isValid() && movie_->jumpToFrame(0)) {
      naturalSize_ = movie_->currentImage().size();
      connect(movie_.get(), &QMovie::frameChanged, client_, [this] { client_->update(); });
      if (animate_) movie_->start();
    } else {
      movie_.reset();
      movieBuffer_.reset();
      movieBytes_.clear();
    }
  } else if (decoded && (decoded->kind == imaging::PictureKind::Icon ||
                         decoded->kind == imaging::PictureKind::Cursor)) {
    const ByteBuffer& file = decoded->iconFile;
    image_ = QImage::fromData(file.data(), int(file.size()), "ICO");
    if (!image_.isNull()) {
      isIcon_ = true;
      naturalSize_ = QSize(decoded->iconWidth > 0 ? decoded->iconWidth : image_.width(),
                           decoded->iconHeight > 0 ? decoded->iconHeight : image_.height());
    }
  } else if (decoded && decoded->image.width > 0 && decoded->image.height > 0) {
    const imaging::RgbImage& rgb = decoded->image;
    // The image takes over the decoded rows (packed, 3 bytes a pixel).
    auto* rows = new std::vector<std::uint8_t>(std::move(decoded->image.pixels));
    image_ = QImage(
        rows->data(), rgb.width, rgb.height, rgb.width * 3, QImage::Format_RGB888,
        [](void* p) { delete static_cast<std::vector<std::uint8_t>*>(p); }, rows);
    naturalSize_ = QSize(rgb.ownWidth, rgb.ownHeight);
  }
}

const QImage& PictureBox::ScaledFor(const QSize& deviceSize, qreal dpr) {
  if (scaled_.size() != deviceSize || scaled_.devicePixelRatio() != dpr) {
    scaled_ = deviceSize == image_.size()
                  ? image_
                  : image_.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled_.setDevicePixelRatio(dpr);
  }
  return scaled_;
}

void PictureBox::PaintClient(QPainter& painter, const QSize& clientSize, qreal dpr) {
  painter.fillRect(QRect(QPoint(0, 0), clientSize), background_);
  if (decodePending_) Decode();
  if (!HasDecodedPicture() || naturalSize_.isEmpty()) return;
  const imaging::Placement place =
      imaging::PlacePicture(int(mode_), clientSize.width(), clientSize.height(),
                            naturalSize_.width(), naturalSize_.height());
  if (place.width <= 0 || place.height <= 0) return;
  const QRect target(place.x, place.y, place.width, place.height);
  if (movie_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, movie_->currentImage());
    return;
  }
  if (isIcon_) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
    return;
  }
  const QSize deviceSize(qRound(place.width * dpr), qRound(place.height * dpr));
  painter.drawImage(target.topLeft(), ScaledFor(deviceSize, dpr));
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (border_ == PictureBorder::None) return;
  QPainter painter(this);
  DrawPictureBorder(painter, rect(), border_, palette());
}

void PictureBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) update();
  QWidget::changeEvent(event);
}

}  // namespace qv::detail
