// Wrapping is greedy and breaks only at spaces (and at tabs when they are
// expanded): a line ends before the space run at which the next word no
// longer fits, and the next line starts at that word. A word wider than
// the width is never split; it gets a line of its own. Indentation at the
// start of a paragraph is kept, spaces at a wrap are dropped. A line break
// that ends the text does not open an empty last line, and empty text has
// no line at all, so DrawText measures it as zero high.
#include "platform/gdi/DrawTextLayout.h"

#include "platform/gdi/Utf8.h"

#include <algorithm>

TDrawTextLayout::TDrawTextLayout(TRealizedFont& Font, const char* Text, std::size_t Length,
                                 const TDrawTextOptions& Options)
    : FFont(Font), FOptions(Options),
      FTabWidth(std::max<std::int64_t>(1, std::int64_t(std::max(1, Options.TabChars)) *
                                              Font.GetMetrics().AveCharWidth)),
      FDotGlyph(Font.GlyphOf('.')), FDotAdvance(Font.GetAdvance(FDotGlyph)) {
  FChars.reserve(Length);
  if (Options.SingleLine) {
    // With nothing to show (no text, or only an "&") there is no line and
    // the text measures zero high, as on the original desktop; callers
    // that want an empty caption one line high measure a blank instead.
    AddParagraph(Text, Length);
    if (FChars.empty()) FLines.clear();
    return;
  }
  std::size_t Start = 0, Pos = 0;
  while (Pos < Length) {
    if (Text[Pos] != '\r' && Text[Pos] != '\n') {
      ++Pos;
      continue;
    }
    AddParagraph(Text + Start, Pos - Start);
    if (Text[Pos] == '\r' && Pos + 1 < Length && Text[Pos + 1] == '\n') ++Pos;
    Start = ++Pos;
  }
  if (Start < Length) AddParagraph(Text + Start, Length - Start);
}

void TDrawTextLayout::AddParagraph(const char* Text, std::size_t Length) {
  const std::size_t Begin = FChars.size();
  bool Accel = false;
  for (std::size_t Pos = 0; Pos < Length;) {
    std::uint32_t Code;
    std::size_t Bytes = std::size_t(Utf8Decode(Text, Length, Pos, Code));
    Pos += Bytes;
    if (FOptions.SingleLine && (Code == '\r' || Code == '\n')) continue;
    if (FOptions.Prefix && Code == '&') {
      if (Pos < Length && Text[Pos] == '&') {
        ++Pos;
      } else {
        // Marks the next character; a trailing "&" marks nothing.
        Accel = true;
        continue;
      }
    }
    TCharKind Kind = Code == ' '                             ? TCharKind::Space
                     : (Code == '\t' && FOptions.ExpandTabs) ? TCharKind::Tab
                                                             : TCharKind::Normal;
    std::uint32_t Glyph = FFont.GlyphOf(Code);
    int Advance = Kind == TCharKind::Tab ? 0 : FFont.GetAdvance(Glyph);
    FChars.push_back({Glyph, Advance, Kind, Accel && FOptions.ShowAccels});
    Accel = false;
  }
  if (FOptions.WordBreak && !FOptions.SingleLine)
    WrapParagraph(Begin, FChars.size());
  else
    AddLine(Begin, FChars.size());
}

void TDrawTextLayout::WrapParagraph(std::size_t Begin, std::size_t End) {
  constexpr std::size_t kNone = std::size_t(-1);
  std::size_t I = Begin;
  for (;;) {
    const std::size_t LineBegin = I;
    std::size_t BreakAt = kNone, Resume = kNone, J = I;
    std::int64_t X = 0;
    bool Wrap = false;
    while (J < End && !Wrap) {
      if (IsBreak(FChars[J])) {
        const std::size_t Spaces = J;
        for (; J < End && IsBreak(FChars[J]); ++J) X += AdvanceAt(FChars[J], X);
        if (Spaces > LineBegin) BreakAt = Spaces, Resume = J;
        continue;
      }
      std::int64_t Word = 0;
      for (; J < End && !IsBreak(FChars[J]); ++J) Word += FChars[J].Advance;
      Wrap = X + Word > FOptions.Width && BreakAt != kNone;
      X += Word;
    }
    if (!Wrap) {
      AddLine(LineBegin, End);
      return;
    }
    AddLine(LineBegin, BreakAt);
    I = Resume;
  }
}

void TDrawTextLayout::AddLine(std::size_t Begin, std::size_t End) {
  TLine Line{Begin, End, WidthOf(Begin, End), false};
  if (FOptions.EndEllipsis && Line.Width > FOptions.Width) Shorten(Line);
  FLines.push_back(Line);
}

void TDrawTextLayout::Shorten(TLine& Line) const {
  const std::int64_t Dots = 3 * std::int64_t(FDotAdvance);
  std::size_t Keep = Line.Begin;
  std::int64_t X = 0, Kept = 0;
  for (std::size_t I = Line.Begin; I < Line.End; ++I) {
    X += AdvanceAt(FChars[I], X);
    if (X + Dots > FOptions.Width) break;
    Keep = I + 1;
    Kept = X;
  }
  Line.End = Keep;
  Line.Width = Kept + Dots;
  Line.Ellipsis = true;
}

std::int64_t TDrawTextLayout::AdvanceAt(const TChar& C, std::int64_t X) const {
  if (C.Kind != TCharKind::Tab) return C.Advance;
  return (X / FTabWidth + 1) * FTabWidth - X;
}

std::int64_t TDrawTextLayout::WidthOf(std::size_t Begin, std::size_t End) const {
  std::int64_t X = 0;
  for (std::size_t I = Begin; I < End; ++I) X += AdvanceAt(FChars[I], X);
  return X;
}

std::int64_t TDrawTextLayout::GetMaxWidth() const {
  std::int64_t W = 0;
  for (const TLine& L : FLines) W = std::max(W, L.Width);
  return W;
}

TTextRun TDrawTextLayout::MakeRun(std::size_t Line) const {
  const TLine& L = FLines[Line];
  TTextRun Run;
  std::int64_t X = 0;
  for (std::size_t I = L.Begin; I < L.End; ++I) {
    const TChar& C = FChars[I];
    std::int64_t Advance = AdvanceAt(C, X);
    if (C.Accel) Run.AddUnderline(X, X + Advance);
    if (C.Kind == TCharKind::Normal) Run.AddGlyph(C.Glyph, X);
    X += Advance;
  }
  if (L.Ellipsis)
    for (int I = 0; I < 3; ++I, X += FDotAdvance) Run.AddGlyph(FDotGlyph, X);
  Run.SetWidth(X);
  return Run;
}
