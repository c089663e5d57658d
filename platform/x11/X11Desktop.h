// The X11 desktop. A program shows its windows on an X server with
//
//   std::string Error;
//   auto Desktop = OpenX11Desktop(nullptr, Error);  // $DISPLAY
//   if (!Desktop) { report Error; return 1; }
//   SetBackend(std::move(Desktop));
//
// and from then on every window operation works on that server. A server
// that goes away ends the message loop (GetMessage answers WM_QUIT); the
// program tells that end from the user's with X11DesktopLost.
#pragma once

#include "platform/Backend.h"

#include <memory>
#include <string>

// Connects to DisplayName (null: $DISPLAY). Null, with a one-line reason in
// Error ("cannot open display ':5'", "DISPLAY is not set"), when there is
// no usable server.
std::unique_ptr<TBackend> OpenX11Desktop(const char* DisplayName, std::string& Error);
// Whether Desktop, a desktop OpenX11Desktop made, lost its server (the
// server ended, the link broke); false for any other desktop.
bool X11DesktopLost(TBackend& Desktop);
// The display Desktop opened (":57"), as the server was named; empty for
// any other desktop.
std::string X11DesktopName(TBackend& Desktop);
