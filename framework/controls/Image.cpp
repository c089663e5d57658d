// The image paints its picture with StretchDraw into DestRect. It counts
// as opaque (its parent need not erase behind it) only while a graphic
// that is neither transparent nor an icon, whose mask lets the
// background through, covers the whole control.
#include "framework/controls/Image.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"
#include "framework/menus/PopupMenu.h"
#include "framework/runtime/Exceptions.h"

#include "FrameworkConsts.h"

namespace {

void PublishEvents(TClassBuilder<TImage>& B) {
  B.Publish({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
             "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

// Sets a flag for the length of a scope, whatever way the scope ends.
class TFlagScope {
public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag), FOld(Flag) { Flag = true; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& FFlag;
  bool FOld;
};

} // namespace

const TClass& TImage::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TImage> B("TImage");
    B.Publish({"Align", "Anchors"})
        .Property("AutoSize", &TImage::GetAutoSize, &TImage::SetAutoSize)
        .Default(false)
        .Property("Center", &TImage::GetCenter, &TImage::SetCenter)
        .Default(false)
        .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
        .Property("IncrementalDisplay", &TImage::GetIncrementalDisplay,
                  &TImage::SetIncrementalDisplay)
        .Default(false)
        .Publish({"ParentShowHint"})
        .Property("Picture", &TImage::GetPicture, &TImage::SetPicture)
        .Publish({"PopupMenu"})
        .Property("Proportional", &TImage::GetProportional, &TImage::SetProportional)
        .Default(false)
        .Publish({"ShowHint"})
        .Property("Stretch", &TImage::GetStretch, &TImage::SetStretch)
        .Default(false)
        .Property("Transparent", &TImage::GetTransparent, &TImage::SetTransparent)
        .Default(false)
        .Publish({"Visible"});
    PublishEvents(B);
    return B.Build();
  }();
  return Class;
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
  FPicture = Create<TPicture>();
  FPicture->OnChange = MakeEvent<&TImage::PictureChanged>(this);
  SetBounds(GetLeft(), GetTop(), 105, 105);
}

TImage::~TImage() { FPicture->Free(); }

void TImage::SetPicture(TPicture* Value) { FPicture->Assign(Value); }

void TImage::SetStretch(bool Value) {
  if (Value == FStretch) return;
  FStretch = Value;
  PictureChanged(this);
}

void TImage::SetProportional(bool Value) {
  if (Value == FProportional) return;
  FProportional = Value;
  PictureChanged(this);
}

void TImage::SetCenter(bool Value) {
  if (Value == FCenter) return;
  FCenter = Value;
  PictureChanged(this);
}

void TImage::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  PictureChanged(this);
}

void TImage::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  if (Value) PictureChanged(this);
}

TCanvas* TImage::GetCanvas() {
  if (!FPicture->GetGraphic()) FPicture->GetBitmap()->SetSize(GetWidth(), GetHeight());
  auto* Bitmap = dynamic_cast<TBitmap*>(FPicture->GetGraphic());
  if (!Bitmap) throw EInvalidOperation(SImageCanvasNeedsBitmap);
  return Bitmap->GetCanvas();
}

TRect TImage::DestRect() const {
  int W = FPicture->GetWidth(), H = FPicture->GetHeight();
  const int CW = GetClientWidth(), CH = GetClientHeight();
  if (FStretch || (FProportional && (W > CW || H > CH))) {
    if (FProportional && W > 0 && H > 0) {
      const double Ratio = double(W) / double(H);
      if (H < W) {
        W = CW;
        H = int(CW / Ratio);
        if (H > CH) {
          H = CH;
          W = int(CH * Ratio);
        }
      } else {
        H = CH;
        W = int(CH * Ratio);
        if (W > CW) {
          W = CW;
          H = int(CW / Ratio);
        }
      }
    } else {
      W = CW;
      H = CH;
    }
  }
  TRect R{0, 0, W, H};
  if (FCenter) {
    const int DX = (CW - W) / 2, DY = (CH - H) / 2;
    R = {DX, DY, DX + W, DY + H};
  }
  return R;
}

void TImage::PictureChanged(TObject*) {
  if (FAutoSize && FPicture->GetWidth() > 0 && FPicture->GetHeight() > 0)
    SetBounds(GetLeft(), GetTop(), FPicture->GetWidth(), FPicture->GetHeight());
  TControlStyle Style = ControlStyle();
  Style.Exclude(csOpaque);
  if (TGraphic* Graphic = FPicture->GetGraphic()) {
    if (Graphic->GetTransparent() != FTransparent) Graphic->SetTransparent(FTransparent);
    const TRect D = DestRect();
    const bool Covers =
        D.Left <= 0 && D.Top <= 0 && D.Right >= GetWidth() && D.Bottom >= GetHeight();
    if (Covers && !Graphic->Empty() && !Graphic->GetTransparent() && !Graphic->Is<TIcon>())
      Style.Include(csOpaque);
  }
  SetControlStyle(Style);
  if (!FDrawing) Invalidate();
}

void TImage::Paint() {
  TFlagScope Drawing(FDrawing);
  inherited::GetCanvas()->StretchDraw(DestRect(), FPicture->GetGraphic());
}
