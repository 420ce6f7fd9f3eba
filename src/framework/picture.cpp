#include "framework/picture.h"

#include <QPixmap>

#include "framework/qt_detail.h"

namespace fw {
namespace {
int gLoads = 0;
const QPixmap& NullPixmap() {
  static const QPixmap null;
  return null;
}
}  // namespace

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(const Picture&) = default;
Picture& Picture::operator=(const Picture&) = default;

Picture Picture::Load(const std::string& name) {
  ++gLoads;
  Picture picture;
  const QString path = QStringLiteral(":/") + detail::ToQt(name);
  QPixmap pixmap(path);
  if (pixmap.isNull()) return picture;
  picture.pixmap_ = std::make_shared<const QPixmap>(std::move(pixmap));
  const qsizetype dot = path.lastIndexOf(QChar('.'));
  QPixmap large(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
  // Only a drawing of exactly twice the size is the same picture; any other would draw it askew.
  if (large.size() == picture.pixmap_->size() * 2) {
    large.setDevicePixelRatio(2);
    picture.large_ = std::make_shared<const QPixmap>(std::move(large));
  }
  return picture;
}

int Picture::LoadCount() {
  return gLoads;
}

bool Picture::IsNull() const {
  return !pixmap_;
}
int Picture::Width() const {
  return pixmap_ ? pixmap_->width() : 0;
}
int Picture::Height() const {
  return pixmap_ ? pixmap_->height() : 0;
}
const QPixmap& Picture::Pixmap(double devicePixelRatio) const {
  if (devicePixelRatio > 1 && large_) return *large_;
  return pixmap_ ? *pixmap_ : NullPixmap();
}

}  // namespace fw
