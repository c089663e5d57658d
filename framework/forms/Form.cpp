// TForm's published description. Left, Top, Width and Height come first,
// from TControl; the rest follows here.
#include "framework/forms/Form.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/controls/SizeConstraints.h"
#include "framework/graphics/Font.h"
#include "framework/menus/PopupMenu.h"

namespace {

void PublishEvents(TClassBuilder<TForm>& B) {
  using C = TCustomForm;
  B.Property("OnActivate", &C::OnActivate, &C::OnActivate)
      .Publish({"OnClick"})
      .Property("OnClose", &C::OnClose, &C::OnClose)
      .Property("OnCloseQuery", &C::OnCloseQuery, &C::OnCloseQuery)
      .Publish({"OnContextPopup"})
      .Property("OnCreate", &C::OnCreate, &C::OnCreate)
      .Publish({"OnDblClick"})
      .Property("OnDestroy", &C::OnDestroy, &C::OnDestroy)
      .Property("OnDeactivate", &C::OnDeactivate, &C::OnDeactivate)
      .Publish({"OnDragDrop", "OnDragOver", "OnEndDock"})
      .Property("OnHide", &C::OnHide, &C::OnHide)
      .Publish({"OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove", "OnMouseUp"})
      .Property("OnPaint", &C::OnPaint, &C::OnPaint)
      .Publish({"OnResize"})
      .Property("OnShow", &C::OnShow, &C::OnShow)
      .Publish({"OnStartDock"});
}

} // namespace

const TClass& TForm::StaticClass() {
  using C = TCustomForm;
  using Ctl = TControl;
  static const TClass Class = [] {
    TClassBuilder<TForm> B("TForm");
    B.Property("ActiveControl", &C::GetActiveControl, &C::SetActiveControl)
        .Publish({"Align"})
        .Property("AlphaBlend", &C::GetAlphaBlend, &C::SetAlphaBlend)
        .Default(false)
        .Property("AlphaBlendValue", &C::GetAlphaBlendValue, &C::SetAlphaBlendValue)
        .Default(std::uint8_t(255))
        .Publish({"Anchors", "BiDiMode"})
        .Property("BorderIcons", &C::GetBorderIcons, &C::SetBorderIcons)
        .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
        .Property("BorderStyle", &C::GetBorderStyle, &C::SetBorderStyle)
        .Default(bsSizeable)
        .Publish({"Caption"})
        .Property("ClientHeight", &Ctl::GetClientHeight, &C::SetClientHeight)
        .Property("ClientWidth", &Ctl::GetClientWidth, &C::SetClientWidth)
        .Property("Color", &Ctl::GetColor, &Ctl::SetColor)
        .Type(ColorTypeInfo())
        .Default(clBtnFace)
        .Property("TransparentColor", &C::GetTransparentColor, &C::SetTransparentColor)
        .Default(false)
        .Property("TransparentColorValue", &C::GetTransparentColorValue,
                  &C::SetTransparentColorValue)
        .Type(ColorTypeInfo())
        .Default(0)
        .Publish({"Constraints", "Ctl3D", "DragKind", "DragMode", "Enabled"})
        .Property("ParentFont", &Ctl::GetParentFont, &Ctl::SetParentFont)
        .Default(false)
        .Publish({"Font"})
        .Property("FormStyle", &C::GetFormStyle, &C::SetFormStyle)
        .Default(fsNormal)
        .Property("KeyPreview", &C::GetKeyPreview, &C::SetKeyPreview)
        .Default(false)
        .Property("OldCreateOrder", &C::GetOldCreateOrder, &C::SetOldCreateOrder)
        .Publish({"ParentBiDiMode"})
        .Property("PixelsPerInch", &C::GetPixelsPerInch, &C::SetPixelsPerInch)
        .Publish({"PopupMenu"})
        .Property("Position", &C::GetPosition, &C::SetPosition)
        .Default(poDesigned)
        .Property("Scaled", &C::GetScaled, &C::SetScaled)
        .Default(true)
        .Publish({"ShowHint"})
        .Property("Visible", &Ctl::GetVisible, &C::SetVisible)
        .Default(false)
        .Property("WindowState", &C::GetWindowState, &C::SetWindowState)
        .Default(wsNormal);
    PublishEvents(B);
    return B.Build();
  }();
  return Class;
}
