// Line layout for DrawText: accelerator prefixes, explicit line breaks,
// word wrapping, tab expansion and end ellipses, measured with the
// realised font's advances. The layout keeps characters once and lines as
// ranges over them; a line becomes a run only when it is drawn, so a long
// text that is mostly clipped away costs little.
#pragma once

#include "platform/gdi/TextRun.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct TDrawTextOptions {
  bool SingleLine = false;
  bool WordBreak = false;
  bool ExpandTabs = false;
  bool Prefix = true;     // "&x" marks x; "&&" is "&"
  bool ShowAccels = true; // underline the marked characters
  bool EndEllipsis = false;
  int TabChars = 8;
  // Width lines wrap at and are shortened to, in pixels.
  std::int64_t Width = 0;
};

class TDrawTextLayout {
public:
  TDrawTextLayout(TRealizedFont& Font, const char* Text, std::size_t Length,
                  const TDrawTextOptions& Options);

  std::size_t GetLineCount() const { return FLines.size(); }
  std::int64_t GetLineWidth(std::size_t Line) const { return FLines[Line].Width; }
  std::int64_t GetMaxWidth() const;
  // The line as a run starting at pen 0.
  TTextRun MakeRun(std::size_t Line) const;

private:
  enum class TCharKind : std::uint8_t { Normal, Space, Tab };
  struct TChar {
    std::uint32_t Glyph;
    int Advance;
    TCharKind Kind;
    bool Accel;
  };
  struct TLine {
    std::size_t Begin, End;
    std::int64_t Width;
    bool Ellipsis;
  };

  void AddParagraph(const char* Text, std::size_t Length);
  void WrapParagraph(std::size_t Begin, std::size_t End);
  void AddLine(std::size_t Begin, std::size_t End);
  void Shorten(TLine& Line) const;
  // Width of a character drawn at pen X (tabs run to the next stop).
  std::int64_t AdvanceAt(const TChar& C, std::int64_t X) const;
  std::int64_t WidthOf(std::size_t Begin, std::size_t End) const;
  static bool IsBreak(const TChar& C) { return C.Kind != TCharKind::Normal; }

  TRealizedFont& FFont;
  TDrawTextOptions FOptions;
  std::int64_t FTabWidth;
  std::uint32_t FDotGlyph;
  int FDotAdvance;
  std::vector<TChar> FChars;
  std::vector<TLine> FLines;
};
