// The canvas's required-state machine and its drawing operations. Each
// operation announces itself (OnChanging), selects what it needs, draws
// with the DC's own function and announces the result (OnChange).
#include "framework/graphics/Canvas.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/graphics/Graphic.h"

#include "FrameworkConsts.h"

const TClass& TCanvas::StaticClass() {
  static const TClass Class = TClassBuilder<TCanvas>("TCanvas").Build();
  return Class;
}

TCanvas::TCanvas() : FFont(Create<TFont>()), FPen(Create<TPen>()), FBrush(Create<TBrush>()) {
  FFont->OnChange = MakeEvent<&TCanvas::FontChanged>(this);
  FPen->OnChange = MakeEvent<&TCanvas::PenChanged>(this);
  FBrush->OnChange = MakeEvent<&TCanvas::BrushChanged>(this);
}

TCanvas::~TCanvas() {
  SetHandle(nullptr);
  FFont->Free();
  FPen->Free();
  FBrush->Free();
}

HDC TCanvas::GetHandle() {
  Changing();
  RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (Value == FHandle) return;
  if (FHandle) {
    DeselectHandles();
    FState.Exclude(csHandleValid);
  }
  FHandle = Value;
  if (Value) FState.Include(csHandleValid);
}

void TCanvas::RequiredState(TCanvasState Required) {
  TCanvasState Needed = Required - FState;
  if (Needed.Empty()) return;
  if (Needed.Contains(csHandleValid)) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation(SNoCanvasHandle);
    FState.Include(csHandleValid);
  }
  if (Needed.Contains(csFontValid)) CreateFont();
  if (Needed.Contains(csPenValid)) CreatePen();
  if (Needed.Contains(csBrushValid)) CreateBrush();
}

void TCanvas::CreateFont() {
  SelectObject(FHandle, FFont->GetHandle());
  SetTextColor(FHandle, ColorToRGB(FFont->GetColor()));
  FState.Include(csFontValid);
}

void TCanvas::CreatePen() {
  SelectObject(FHandle, FPen->GetHandle());
  SetROP2(FHandle, PenModeToROP2(FPen->GetMode()));
  FState.Include(csPenValid);
}

void TCanvas::CreateBrush() {
  SelectObject(FHandle, FBrush->GetHandle());
  COLORREF Color = ColorToRGB(FBrush->GetColor());
  if (FBrush->GetStyle() == bsSolid) {
    SetBkColor(FHandle, Color);
    SetBkMode(FHandle, OPAQUE);
  } else {
    // Hatches show what lies between their lines; a background colour
    // equal to the hatch colour would hide them where something does use
    // it, hence its inverse.
    SetBkColor(FHandle, ~Color & 0xFFFFFF);
    SetBkMode(FHandle, TRANSPARENT);
  }
  FState.Include(csBrushValid);
}

void TCanvas::DeselectHandles() {
  if (!FHandle) return;
  if (FState.Contains(csPenValid)) SelectObject(FHandle, GetStockObject(BLACK_PEN));
  if (FState.Contains(csBrushValid)) SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
  if (FState.Contains(csFontValid)) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
  FState = FState - TCanvasState{csFontValid, csPenValid, csBrushValid};
}

void TCanvas::FontChanged(TObject*) {
  if (!FState.Contains(csFontValid)) return;
  FState.Exclude(csFontValid);
  SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
}

void TCanvas::PenChanged(TObject*) {
  if (!FState.Contains(csPenValid)) return;
  FState.Exclude(csPenValid);
  SelectObject(FHandle, GetStockObject(BLACK_PEN));
}

void TCanvas::BrushChanged(TObject*) {
  if (!FState.Contains(csBrushValid)) return;
  FState.Exclude(csBrushValid);
  SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
}

void TCanvas::Changing() { OnChanging(this); }

void TCanvas::Changed() { OnChange(this); }

void TCanvas::Refresh() { DeselectHandles(); }

TPoint TCanvas::GetPenPos() {
  RequiredState({csHandleValid});
  TPoint P{0, 0};
  GetCurrentPositionEx(FHandle, &P);
  return P;
}

void TCanvas::FillRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FillRect(FHandle, &Rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FrameRect(FHandle, &Rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::MoveTo(int X, int Y) {
  RequiredState({csHandleValid});
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polyline(FHandle, Points.data(), int(Points.size()));
  Changed();
}

void TCanvas::TextOut(int X, int Y, std::string_view Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ::ExtTextOut(FHandle, X, Y, 0, nullptr, Text.data(), int(Text.size()), nullptr);
  MoveTo(X + TextWidth(Text), Y);
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, std::string_view Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT Options = ETO_CLIPPED;
  if (FBrush->GetStyle() != bsClear) Options |= ETO_OPAQUE;
  ::ExtTextOut(FHandle, X, Y, Options, &Rect, Text.data(), int(Text.size()), nullptr);
  Changed();
}

TSize TCanvas::TextExtent(std::string_view Text) {
  RequiredState({csHandleValid, csFontValid});
  TSize Size{0, 0};
  GetTextExtentPoint32(FHandle, Text.data(), int(Text.size()), &Size);
  return Size;
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  StretchDraw(TRect{X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()}, Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  RequiredState({csHandleValid});
  // Monochrome pictures take their 0 bits from the background colour.
  SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
  Graphic->Draw(*this, Rect);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas& Source, const TRect& Src) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  Source.RequiredState({csHandleValid, csBrushValid});
  StretchBlt(FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Source.FHandle, Src.Left,
             Src.Top, Src.Width(), Src.Height(), FCopyMode);
  Changed();
}

TColor TCanvas::GetPixels(int X, int Y) {
  RequiredState({csHandleValid});
  return TColor(GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(int X, int Y, TColor Color) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  SetPixel(FHandle, X, Y, ColorToRGB(Color));
  Changed();
}

TRect TCanvas::ClipRect() {
  RequiredState({csHandleValid});
  TRect R{0, 0, 0, 0};
  GetClipBox(FHandle, &R);
  return R;
}
