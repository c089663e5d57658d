// The published description, the page and the arrow state of
// TPropScrollbar; the position hint is in PropScrollbarHint.cpp.
//
// The native bar keeps the arrow state: each EnableScrollBar replaces the
// previous one, and a new range or a new window starts with both arrows
// enabled. So SetArrowState only ever disables, and the arrow state needs
// no field of its own here.
#include "components/propscrl/PropScrollbar.h"

#include "framework/classes/ClassBuilder.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/controls/HintWindow.h"
#include "framework/graphics/Colors.h"
#include "framework/runtime/VersionNumber.h"

namespace {

constexpr int PropScrollbarVersionNr = int(PackVersionNumber(1, 4, 0, 0));

void PropScrollbarPublishHint(TClassBuilder<TPropScrollbar>& B) {
  B.Property("ScrollHint", &TPropScrollbar::GetScrollHint, &TPropScrollbar::SetScrollHint)
      .Property("ScrollHintPrefix", &TPropScrollbar::GetScrollHintPrefix,
                &TPropScrollbar::SetScrollHintPrefix)
      .Property("ScrollHintMode", &TPropScrollbar::GetScrollHintMode,
                &TPropScrollbar::SetScrollHintMode)
      .Property("ScrollHintColor", &TPropScrollbar::GetScrollHintColor,
                &TPropScrollbar::SetScrollHintColor)
      .Type(ColorTypeInfo())
      .Property("OnScrollBarHint", &TPropScrollbar::OnScrollBarHint,
                &TPropScrollbar::OnScrollBarHint);
}

// Registered at start, so that a form definition can name the class even
// where no published field of its root has it.
[[maybe_unused]] const bool PropScrollbarRegistered = [] {
  RegisterClass(TPropScrollbar::StaticClass());
  return true;
}();

} // namespace

// No property here declares a default: a form definition always carries
// them (strings and events only when not empty).
const TClass& TPropScrollbar::StaticClass() {
  static const TClass Class = [] {
    TClassBuilder<TPropScrollbar> B("TPropScrollbar");
    B.Property("AutoArrowDisable", &TPropScrollbar::GetAutoArrowDisable,
               &TPropScrollbar::SetAutoArrowDisable)
        .Property("PageSize", &TPropScrollbar::GetPageSize, &TPropScrollbar::SetPageSize);
    PropScrollbarPublishHint(B);
    B.Property("Version", &TPropScrollbar::GetVersion, &TPropScrollbar::SetVersion);
    return B.Build();
  }();
  return Class;
}

TPropScrollbar::TPropScrollbar(TComponent* AOwner) : TScrollBar(AOwner) {
  FHintWindow = Create<THintWindow>(this);
}

TPropScrollbar::~TPropScrollbar() { FreeAndNil(FHintWindow); }

void TPropScrollbar::Loaded() {
  inherited::Loaded();
  SetArrowState(GetPosition());
}

// The base hands its own page (always 0 here) to a new window; the page
// of this class must survive a re-creation (a change of Kind) as well.
void TPropScrollbar::CreateWnd() {
  inherited::CreateWnd();
  if (FPageSize == 0) return;
  SCROLLINFO Page{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, UINT(FPageSize), 0, 0};
  SetScrollInfo(GetHandle(), SB_CTL, &Page, TRUE);
}

void TPropScrollbar::SetPageSize(int Value) {
  FPageSize = Value;
  SCROLLINFO Page{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, UINT(Value), 0, 0};
  SetScrollInfo(GetHandle(), SB_CTL, &Page, TRUE);
}

void TPropScrollbar::SetAutoArrowDisable(bool Value) {
  FAutoArrowDisable = Value;
  if (Value)
    SetArrowState(GetPosition());
  else
    EnableScrollBar(GetHandle(), SB_CTL, ESB_ENABLE_BOTH);
}

// Wide arithmetic: a page near INT_MAX must not wrap the comparison.
void TPropScrollbar::SetArrowState(int Value) {
  if (!FAutoArrowDisable) return;
  if (Value == GetMin()) EnableScrollBar(GetHandle(), SB_CTL, ESB_DISABLE_LTUP);
  if (static_cast<long long>(Value) + FPageSize >= GetMax())
    EnableScrollBar(GetHandle(), SB_CTL, ESB_DISABLE_RTDN);
}

int TPropScrollbar::GetVersionNr() const { return PropScrollbarVersionNr; }

std::string TPropScrollbar::GetVersion() const {
  return VersionNumberText(static_cast<std::uint32_t>(GetVersionNr()));
}

void TPropScrollbar::SetVersion(const std::string&) {}
