// TSharedImage: image data that several graphics use at once (JPEG
// pictures assigned from one another share their compressed bytes). The
// count starts at 0; each user calls Reference when it takes the data and
// Release when it lets go, and the last Release frees the handle and the
// object.
#pragma once

class TSharedImage {
public:
  TSharedImage() = default;
  virtual ~TSharedImage() = default;
  TSharedImage(const TSharedImage&) = delete;
  TSharedImage& operator=(const TSharedImage&) = delete;

  void Reference() { ++FRefCount; }
  void Release() {
    if (--FRefCount > 0) return;
    FreeHandle();
    delete this;
  }
  int RefCount() const { return FRefCount; }

protected:
  // The system handle of the data, if the kind of image has one.
  virtual void FreeHandle() = 0;

private:
  int FRefCount = 0;
};
