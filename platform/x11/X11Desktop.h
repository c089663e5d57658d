// The X11 desktop. A program shows its windows on an X server with
//
//   std::string Error;
//   auto Desktop = OpenX11Desktop(nullptr, Error);  // $DISPLAY
//   if (!Desktop) { report Error; return 1; }
//   SetBackend(std::move(Desktop));
//
// and from then on every window operation works on that server.
#pragma once

#include "platform/Backend.h"

#include <memory>
#include <string>

// Connects to DisplayName (null: $DISPLAY). Null, with a one-line reason in
// Error ("cannot open display ':5'", "DISPLAY is not set"), when there is
// no usable server.
std::unique_ptr<TBackend> OpenX11Desktop(const char* DisplayName, std::string& Error);
