// TReader: reads a form definition (the binary "TPF0" stream) into live
// components.
//
// The stream is read through a 4096-byte buffer; when the reader goes, the
// stream is moved back over the bytes it buffered but did not use, so it
// ends just behind the definition. Every value is a tag byte and its
// payload (TValueType); lengths taken from the stream never decide an
// allocation up front: long values grow in chunks as bytes actually
// arrive, and a stream that ends early fails with "Stream read error".
//
// Reading is split by concern: ReaderValues.cpp (buffer, primitives,
// skipping), ReaderProperties.cpp (one property entry and its value by
// property kind, extra properties, collections) and ReaderComponents.cpp
// (component entries, class lookup, the per-read fixup list). Where a
// definition comes from and how a whole root is read is FormLoader's.
#pragma once

#include "framework/classes/Filer.h"
#include "framework/classes/PropFixup.h"
#include "framework/classes/TypeInfo.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TClass;
class TCollection;
class TComponent;
class TPersistent;
class TPropInfo;
class TStream;

TAVREL_ENUM(TValueType, svNull, svList, svInt8, svInt16, svInt32, svExtended, svString, svIdent,
            svFalse, svTrue, svBinary, svSet, svLString, svNil, svCollection, svSingle, svCurrency,
            svDate, svWString, svInt64, svUTF8String)

// Flags of a component entry's prefix byte (0xF0 | flags).
inline constexpr std::uint8_t pfInherited = 1, pfChildPos = 2, pfInline = 4;

// Components and lists deeper than this are refused: a damaged stream
// must not turn into a stack overflow.
inline constexpr int ReaderMaxDepth = 256;

// The value of an 80-bit extended float (little-endian: 64-bit mantissa
// with explicit integer bit, then sign and 15-bit exponent) as a double;
// too large becomes infinity, too small zero.
double ExtendedToDouble(const std::uint8_t (&Bytes)[10]);

class TReader : public TFiler {
public:
  static constexpr int BufferSize = 4096;

  explicit TReader(TStream& Stream);
  ~TReader() override;
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  TComponent* GetRoot() const { return FRoot; }
  void SetRoot(TComponent* Value) { FRoot = Value; }
  TComponent* GetLookupRoot() const { return FLookupRoot; }
  void SetLookupRoot(TComponent* Value) { FLookupRoot = Value; }
  TComponent* GetOwner() const { return FOwner; }
  void SetOwner(TComponent* Value) { FOwner = Value; }
  TComponent* GetParent() const { return FParent; }
  void SetParent(TComponent* Value) { FParent = Value; }
  // The components whose Loaded is due once the read is over; set by the
  // one who reads the root.
  std::vector<TComponent*>* GetLoadedList() const { return FLoaded; }
  void SetLoadedList(std::vector<TComponent*>* Value) { FLoaded = Value; }

  // ---- primitives ----
  void Read(void* Buffer, std::size_t Count);
  // Raises EReadError "Invalid stream format" unless the next four bytes
  // are "TPF0".
  void ReadSignature();
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList() { return NextValue() == svNull; }
  void ReadListBegin() { CheckValue(svList); }
  void ReadListEnd() { CheckValue(svNull); }
  // A ShortString, converted from the ANSI code page.
  std::string ReadStr();
  // A component entry's prefix: its flags and, with pfChildPos, the
  // position among its parent's children.
  void ReadPrefix(std::uint8_t& Flags, int& ChildPos);
  void SkipValue();

  int ReadInteger() override;
  std::int64_t ReadInt64();
  bool ReadBoolean() override;
  // Text of any string tag; the wide and UTF-8 forms come out as UTF-8.
  std::string ReadString() override;
  // svIdent, or the tagless identifiers "False", "True", "nil", "Null".
  std::string ReadIdent() override;
  // A string tag holding at most one character, as its ANSI code.
  char ReadChar();
  double ReadFloat();
  float ReadSingle();
  // The value times 10000, as stored.
  std::int64_t ReadCurrency();
  double ReadDate();

  // ---- properties ----
  void ExtraProperty(std::string_view Name, const TReadProc& Read) override;
  void ExtraBinaryProperty(std::string_view Name, const TStreamProc& Read) override;
  const std::string& GetPropName() const { return FPropName; }
  // Reads one property entry into Instance.
  void ReadProperty(TPersistent* Instance);
  void ReadCollection(TCollection& Collection);

  // ---- components ----
  // The property entries and children of Instance (the base of
  // TComponent::ReadContent). The outermost call owns the fixup list of
  // the read and resolves it at its end.
  void ReadData(TComponent* Instance);
  // Reads one child component entry; returns the component.
  TComponent* ReadComponent();
  // The class named in a component entry: published field classes of
  // Root (then of LookupRoot), then the class registry. EClassNotFound
  // when missing or not a component class.
  const TClass& FindComponentClass(std::string_view ClassName) const;
  // The fixups met by the read so far (null outside ReadData).
  const std::vector<TPropFixup>* Fixups() const { return FFixups.get(); }

private:
  void FillBuffer();
  void SkipBytes(std::uint64_t Count);
  void CheckValue(TValueType Value);
  [[noreturn]] void PropValueError();
  std::uint32_t ReadCount();
  std::string ReadLongBytes(std::uint64_t Count);
  std::string ReadWideAsUtf8();
  void SkipAfterTag(TValueType Value);
  void SkipSetBody();
  void SkipCollection();
  void SkipProperty();
  void EnterNesting();

  void ReadPropertyPath(TPersistent* Instance, const std::string& Path);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadOrdinalValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadObjectValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadMethodValue(TPersistent* Instance, const TPropInfo& Prop);
  std::uint32_t ReadSet(const TTypeInfo* ElementType);
  void AddFixup(TPersistent* Instance, const TPropInfo& Prop, std::string Name);
  void DropFixupsInside(const TCollection* Collection);
  TComponent* CreateComponent(std::uint8_t Flags, std::string_view ClassName);
  void ReadComponentBody(TComponent* Result, std::uint8_t Flags, int ChildPos);

  TStream& FStream;
  std::array<std::uint8_t, BufferSize> FBuffer;
  std::size_t FBufPos = 0;
  std::size_t FBufEnd = 0;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  std::string FPropName;
  std::unique_ptr<std::vector<TPropFixup>> FFixups;
  // The collections being read, outermost first, and for each fixup the
  // ones it was met in: clearing a collection frees its items, and their
  // references must go with them.
  std::vector<TCollection*> FCollections;
  std::vector<std::vector<TCollection*>> FFixupScopes;
  std::vector<TComponent*>* FLoaded = nullptr;
  int FDepth = 0;

  friend class TReaderNesting;
};

// Counts one level of nesting for as long as it lives.
class TReaderNesting {
public:
  explicit TReaderNesting(TReader& Reader) : FReader(Reader) { Reader.EnterNesting(); }
  ~TReaderNesting() { --FReader.FDepth; }
  TReaderNesting(const TReaderNesting&) = delete;
  TReaderNesting& operator=(const TReaderNesting&) = delete;

private:
  TReader& FReader;
};
