// The enumerations, sets and event types that menus and their items share.
//
// TOwnerDrawState matches the desktop's ODS_* flags bit for bit, so the
// state of an owner-draw message converts with FromBits and back with
// Bits().
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/Set.h"
#include "platform/WinTypes.h"

class TCanvas;

TAVREL_ENUM(TMenuBreak, mbNone, mbBreak, mbBarBreak)
// maParent takes the parent's setting; a menu's own setting is never
// maParent (the menu stores maAutomatic instead).
TAVREL_ENUM(TMenuItemAutoFlag, maAutomatic, maManual, maParent)
TAVREL_ENUM(TOwnerDrawStateFlag, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault,
            odHotLight, odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2,
            odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
TAVREL_ENUM(TMenuAnimations, maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop)
using TMenuAnimation = TSet<TMenuAnimations>;
TAVREL_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
TAVREL_ENUM(TTrackButton, tbRightButton, tbLeftButton)

using TMenuMeasureItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;

class TMenuItem;
using TMenuChangeEvent = TEvent<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;
