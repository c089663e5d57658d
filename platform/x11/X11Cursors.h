// The desktop's cursor shapes (IDC_* numbers) as X cursors, made on first
// use and kept for the connection's life. "Not allowed" comes from the
// cursor theme when it has one; the core cursor font has no such shape.
#pragma once

#include "platform/x11/X11Connection.h"

#include <map>

class TX11Cursors {
public:
  explicit TX11Cursors(TX11Connection& Conn) : FConn(Conn) {}
  ~TX11Cursors();
  TX11Cursors(const TX11Cursors&) = delete;
  TX11Cursors& operator=(const TX11Cursors&) = delete;

  // The cursor for ShapeId; an unknown number gets the arrow.
  Cursor Get(int ShapeId);
  // The core cursor-font glyph standing for ShapeId.
  static unsigned FontShape(int ShapeId);

private:
  TX11Connection& FConn;
  std::map<int, Cursor> FMade;
};
