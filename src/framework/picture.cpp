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
  QPixmap pixmap(QStringLiteral(":/") + detail::ToQt(name));
  if (!pixmap.isNull()) picture.pixmap_ = std::make_shared<const QPixmap>(std::move(pixmap));
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
const QPixmap& Picture::Pixmap() const {
  return pixmap_ ? *pixmap_ : NullPixmap();
}

}  // namespace fw
