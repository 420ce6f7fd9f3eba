#include "app/pictures.h"

namespace {
fw::Picture Kept(fw::Picture& store, const char* file) {
  if (store.IsNull()) store = fw::Picture::Load(file);
  return store;
}
}  // namespace

fw::Picture Help() {
  static fw::Picture picture;
  return Kept(picture, "Help.png");
}

fw::Picture Quorvane() {
  static fw::Picture picture;
  return Kept(picture, "Quorvane.png");
}
