#pragma once

#include <memory>
#include <string>

class QPixmap;

namespace fw {

// A picture loaded by file name from the application's resources. Copies share the pixels. A file
// of the same name with "@2x" before its ending, where there is one, is the same picture drawn at
// twice the size, for screens of more than one pixel to the point.
class Picture {
 public:
  Picture();
  ~Picture();
  Picture(const Picture&);
  Picture& operator=(const Picture&);

  // Reads the named file, and its large drawing where there is one, from the resources; a missing
  // or unreadable file gives a null picture.
  static Picture Load(const std::string& name);
  // How many times Load has read a file, so callers can show that they keep what they loaded.
  static int LoadCount();

  bool IsNull() const;
  // The size in points, which is the size of the file at one pixel to the point.
  int Width() const;
  int Height() const;
  // The drawing for a screen of that many pixels to the point: the large one above one, where the
  // picture has it. Either is drawn at the picture's size in points.
  const QPixmap& Pixmap(double devicePixelRatio = 1) const;

 private:
  std::shared_ptr<const QPixmap> pixmap_;
  std::shared_ptr<const QPixmap> large_;
};

}  // namespace fw
