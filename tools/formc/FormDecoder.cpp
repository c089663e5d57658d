// Trailing bytes after the root are refused rather than ignored: printing
// the stream would silently drop them, and the promise of --print is that
// compiling its output gives the same bytes back.
#include "FormDecoder.h"

#include <cstdint>

namespace {

class TFormStreamDecoder {
public:
  explicit TFormStreamDecoder(const std::string& Bytes) : FData(Bytes) {}

  TFormObject Stream() {
    if (FData.compare(0, 4, "TPF0") != 0 || FData.size() < 4)
      throw EStreamFormatError(0, "not a form stream: the signature TPF0 is missing");
    FPos = 4;
    TFormObject Root = Object(0);
    AtEnd("the root component");
    return Root;
  }

  TFormValue OneValue() {
    TFormValue V = Value(0);
    AtEnd("the value");
    return V;
  }

private:
  void AtEnd(const char* What) {
    if (FPos != FData.size())
      throw EStreamFormatError(FPos, std::string("unexpected bytes after ") + What);
  }

  void Need(std::uint64_t Count, std::size_t Start) {
    if (Count > FData.size() - FPos)
      throw EStreamFormatError(Start, "the stream ends inside a value");
  }

  std::uint8_t Byte() {
    Need(1, FPos);
    return static_cast<std::uint8_t>(FData[FPos++]);
  }

  std::uint64_t Unsigned(int Size) {
    std::size_t Start = FPos;
    Need(std::uint64_t(Size), Start);
    std::uint64_t V = 0;
    for (int I = Size - 1; I >= 0; --I) V = (V << 8) | static_cast<std::uint8_t>(FData[Start + I]);
    FPos += std::size_t(Size);
    return V;
  }

  std::int64_t Signed(int Size) {
    std::uint64_t V = Unsigned(Size);
    if (Size < 8 && (V >> (8 * Size - 1))) V |= ~std::uint64_t(0) << (8 * Size);
    return std::int64_t(V);
  }

  std::string Bytes(std::uint64_t Count, std::size_t Start) {
    Need(Count, Start);
    std::string S = FData.substr(FPos, std::size_t(Count));
    FPos += std::size_t(Count);
    return S;
  }

  std::string ShortString() {
    std::size_t Start = FPos;
    std::uint8_t Len = Byte();
    return Bytes(Len, Start);
  }

  void Nest(int Depth) {
    if (Depth >= MaxFormNesting) throw EStreamFormatError(FPos, "the stream is nested too deeply");
  }

  TFormObject Object(int Depth);
  std::vector<TFormProperty> Properties(int Depth);
  TFormValue Value(int Depth);
  void Payload(TFormValue& V, int Depth, std::size_t Start);
  void Collection(TFormValue& V, int Depth);

  const std::string& FData;
  std::size_t FPos = 0;
};

TFormObject TFormStreamDecoder::Object(int Depth) {
  Nest(Depth);
  TFormObject Obj;
  std::size_t Start = FPos;
  Need(1, Start);
  if (static_cast<std::uint8_t>(FData[FPos]) >= 0xF0) {
    Obj.Prefix = Byte();
    if (Obj.Prefix & PrefixChildPos) {
      std::size_t At = FPos;
      TFormValue Pos = Value(Depth + 1);
      if (Pos.Tag != TValueTag::Int8 && Pos.Tag != TValueTag::Int16 && Pos.Tag != TValueTag::Int32)
        throw EStreamFormatError(At, "the child position is not an integer");
      Obj.ChildPos = std::move(Pos);
    }
  }
  std::size_t ClassAt = FPos;
  Obj.ClassName = ShortString();
  if (Obj.ClassName.empty()) throw EStreamFormatError(ClassAt, "empty class name");
  Obj.Name = ShortString();
  Obj.Properties = Properties(Depth);
  for (;;) {
    Need(1, FPos);
    if (FData[FPos] == 0) break;
    Obj.Children.push_back(Object(Depth + 1));
  }
  ++FPos;
  return Obj;
}

std::vector<TFormProperty> TFormStreamDecoder::Properties(int Depth) {
  std::vector<TFormProperty> List;
  for (;;) {
    std::string Name = ShortString();
    if (Name.empty()) return List;
    List.push_back({std::move(Name), Value(Depth + 1)});
  }
}

TFormValue TFormStreamDecoder::Value(int Depth) {
  Nest(Depth);
  std::size_t Start = FPos;
  std::uint8_t Tag = Byte();
  if (Tag > LastValueTag)
    throw EStreamFormatError(Start, "unknown value tag " + std::to_string(Tag));
  TFormValue V;
  V.Tag = TValueTag(Tag);
  Payload(V, Depth, Start);
  return V;
}

void TFormStreamDecoder::Payload(TFormValue& V, int Depth, std::size_t Start) {
  switch (V.Tag) {
  case TValueTag::Null:
  case TValueTag::False:
  case TValueTag::True:
  case TValueTag::Nil: return;
  case TValueTag::List:
    for (;;) {
      Need(1, FPos);
      if (FData[FPos] == 0) break;
      V.Items.push_back(Value(Depth + 1));
    }
    ++FPos;
    return;
  case TValueTag::Int8: V.Int = Signed(1); return;
  case TValueTag::Int16: V.Int = Signed(2); return;
  case TValueTag::Int32: V.Int = Signed(4); return;
  case TValueTag::Int64:
  case TValueTag::Currency: V.Int = Signed(8); return;
  case TValueTag::Extended: V.Data = Bytes(10, Start); return;
  case TValueTag::Single: V.Data = Bytes(4, Start); return;
  case TValueTag::Date: V.Data = Bytes(8, Start); return;
  case TValueTag::String:
  case TValueTag::Ident: V.Data = ShortString(); return;
  case TValueTag::Binary:
  case TValueTag::LString:
  case TValueTag::Utf8String: V.Data = Bytes(Unsigned(4), Start); return;
  case TValueTag::WString: V.Data = Bytes(Unsigned(4) * 2, Start); return;
  case TValueTag::Set:
    for (;;) {
      std::string Name = ShortString();
      if (Name.empty()) return;
      V.Names.push_back(std::move(Name));
    }
  case TValueTag::Collection: Collection(V, Depth); return;
  }
}

void TFormStreamDecoder::Collection(TFormValue& V, int Depth) {
  for (;;) {
    std::size_t Start = FPos;
    std::uint8_t Next = Byte();
    if (Next == 0) return;
    TFormCollectionItem Item;
    if (Next == std::uint8_t(TValueTag::Int8) || Next == std::uint8_t(TValueTag::Int16) ||
        Next == std::uint8_t(TValueTag::Int32)) {
      FPos = Start;
      Item.Index = Value(Depth + 1);
      Start = FPos;
      Next = Byte();
    }
    if (Next != std::uint8_t(TValueTag::List))
      throw EStreamFormatError(Start, "a collection item does not start with a list tag");
    Item.Properties = Properties(Depth + 1);
    V.Bag.push_back(std::move(Item));
  }
}

} // namespace

TFormObject DecodeFormStream(const std::string& Bytes) {
  return TFormStreamDecoder(Bytes).Stream();
}

TFormValue DecodeValueBytes(const std::string& Bytes) {
  return TFormStreamDecoder(Bytes).OneValue();
}
