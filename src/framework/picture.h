#pragma once

#include <memory>
#include <string>

class QPixmap;

namespace fw {

// A picture loaded by file name from the application's resources. Copies share the pixels.
class Picture {
 public:
  Picture();
  ~Picture();
  Picture(const Picture&);
  Picture& operator=(const Picture&);

  // Reads the named file from the resources; a missing or unreadable file gives a null picture.
  static Picture Load(const std::string& name);
  // How many times Load has read a file, so callers can show that they keep what they loaded.
  static int LoadCount();

  bool IsNull() const;
  int Width() const;
  int Height() const;
  const QPixmap& Pixmap() const;

 private:
  std::shared_ptr<const QPixmap> pixmap_;
};

}  // namespace fw
