// What a message box shows and where: the buttons its type asks for, the
// icon, the wrapped text, and the client size that holds them. Measuring
// needs only a DC with the message font selected, so the box can be sized
// before its window exists.
#pragma once

#include "platform/WinUser.h"

#include <optional>
#include <string>
#include <vector>

struct TMessageBoxButton {
  int Id; // the answer: IDOK, IDCANCEL, IDYES, ...
  const char* Text;
  TRect Rect; // client coordinates
};

class TMessageBoxLayout {
public:
  enum TIcon { NoIcon, ErrorIcon, QuestionIcon, WarningIcon, InformationIcon };

  // Lays out Text for a box of Type on a screen ScreenWidth pixels wide;
  // empty when Type names a button set that does not exist. Dc holds the
  // font the text will be drawn in.
  static std::optional<TMessageBoxLayout> Measure(HDC Dc, const std::string& Text, UINT Type,
                                                  int ScreenWidth);

  int ClientWidth() const { return FClientWidth; }
  int ClientHeight() const { return FClientHeight; }
  TIcon Icon() const { return FIcon; }
  TRect IconRect() const { return FIconRect; }
  TRect TextRect() const { return FTextRect; }
  const std::vector<TMessageBoxButton>& Buttons() const { return FButtons; }
  // Index into Buttons() of the default button.
  int DefaultButton() const { return FDefault; }
  // What Escape and the close box answer; 0 when the box has no way out
  // but its buttons (yes/no, abort/retry/ignore).
  int CancelAnswer() const { return FCancel; }
  bool IsAnswer(int Id) const;

  // Draws the icon and the text; the DC holds the message font.
  void Paint(HDC Dc, const std::string& Text) const;

private:
  TMessageBoxLayout() = default;
  void PlaceButtons(int Top);

  int FClientWidth = 0;
  int FClientHeight = 0;
  TIcon FIcon = NoIcon;
  TRect FIconRect{0, 0, 0, 0};
  TRect FTextRect{0, 0, 0, 0};
  std::vector<TMessageBoxButton> FButtons;
  int FDefault = 0;
  int FCancel = 0;
};
