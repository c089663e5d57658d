// The enumerations, sets and event types shared by all controls.
#pragma once

#include "framework/classes/Event.h"
#include "framework/classes/Set.h"
#include "platform/WinTypes.h"

TAVREL_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
TAVREL_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
TAVREL_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)
TAVREL_ENUM(TDragMode, dmManual, dmAutomatic)
TAVREL_ENUM(TDragKind, dkDrag, dkDock)
TAVREL_ENUM(TDragState, dsDragEnter, dsDragLeave, dsDragMove)
TAVREL_ENUM(THelpType, htKeyword, htContext)
TAVREL_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)
TAVREL_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateFlag>;
TAVREL_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

TAVREL_ENUM(TControlStateFlag, csLButtonDown, csClicked, csPalette, csReadingState,
            csAlignmentNeeded, csFocusing, csCreating, csPaintCopy, csCustomPaint,
            csDestroyingHandle, csDocking)
using TControlState = TSet<TControlStateFlag>;
TAVREL_ENUM(TControlStyleFlag, csAcceptsControls, csCaptureMouse, csDesignInteractive,
            csClickEvents, csFramed, csSetCaption, csOpaque, csDoubleClicks, csFixedWidth,
            csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents, csDisplayDragImage,
            csReflector, csActionClient, csMenuEvents)
using TControlStyle = TSet<TControlStyleFlag>;

using TMouseEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TContextPopupEvent = TEvent<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
// Dragging and docking are not offered by these controls; their events
// exist so that definitions naming them read, and are never raised.
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TDragOverEvent =
    TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDragEvent = TEvent<void(TObject* Sender, TObject*& DragObject)>;

// The shift state of a mouse message's key flags.
TShiftState KeysToShiftState(WPARAM Keys);
// The shift state of the keyboard now (Shift, Ctrl, Alt).
TShiftState KeyboardShiftState();
