// One property entry: its (possibly dotted) name, then a value read by
// the kind of the property it names, or by the read operation an extra
// property declaration gives. Whatever fails inside an entry is reported
// as "Error reading <object>.<name>: <what failed>", so a message always
// says which entry of which object broke the load.
#include "framework/classes/Reader.h"

#include "framework/classes/Class.h"
#include "framework/classes/Collection.h"
#include "framework/classes/Component.h"
#include "framework/classes/MemoryStream.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/SysUtils.h"

#include "FrameworkConsts.h"

#include <algorithm>

namespace {

constexpr std::size_t ReaderBinaryChunk = 65536;

// Clears the pending extra-property name however the entry ends.
class TReaderPropNameGuard {
public:
  explicit TReaderPropNameGuard(std::string& Name) : FName(Name) {}
  ~TReaderPropNameGuard() { FName.clear(); }
  TReaderPropNameGuard(const TReaderPropNameGuard&) = delete;
  TReaderPropNameGuard& operator=(const TReaderPropNameGuard&) = delete;

private:
  std::string& FName;
};

std::string ReaderObjectName(const TPersistent* Instance) {
  if (auto* C = dynamic_cast<const TComponent*>(Instance))
    if (!C->GetName().empty()) return C->GetName();
  return std::string(Instance->ClassName());
}

} // namespace

void TReader::ReadProperty(TPersistent* Instance) {
  std::string Path;
  try {
    Path = ReadStr();
    ReadPropertyPath(Instance, Path);
  } catch (const Exception& E) {
    throw EReadError(SPropertyException, {ReaderObjectName(Instance), ".", Path, E.Message()});
  }
}

void TReader::ReadPropertyPath(TPersistent* Instance, const std::string& Path) {
  TPersistent* Current = Instance;
  std::string_view Rest = Path;
  for (std::size_t Dot = Rest.find('.'); Dot != std::string_view::npos; Dot = Rest.find('.')) {
    std::string_view Part = Rest.substr(0, Dot);
    const TPropInfo* Prop = Current->ClassType().FindProperty(Part);
    if (!Prop) {
      SkipValue();
      throw EReadError(SUnknownProperty, {Part});
    }
    TPersistent* Next = nullptr;
    if (Prop->Kind() == TTypeKind::Class) Next = dynamic_cast<TPersistent*>(Prop->GetObj(Current));
    if (!Next) {
      SkipValue();
      throw EReadError(SInvalidPropertyPath);
    }
    Current = Next;
    Rest.remove_prefix(Dot + 1);
  }
  if (const TPropInfo* Prop = Current->ClassType().FindProperty(Rest))
    return ReadPropValue(Current, *Prop);
  TReaderPropNameGuard Guard(FPropName);
  FPropName = Rest;
  Current->DeclareExtraProperties(*this);
  if (FPropName.empty()) return;
  std::string Missing = FPropName;
  FPropName.clear();
  SkipValue();
  throw EReadError(SUnknownProperty, {Missing});
}

// A read-only property takes a value only when it holds a sub-component,
// which then reads into itself.
void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  if (!Prop.HasSetter()) {
    bool Sub = false;
    if (Prop.Kind() == TTypeKind::Class)
      if (auto* C = dynamic_cast<TComponent*>(Prop.GetObj(Instance)))
        Sub = C->ComponentStyle().Contains(csSubComponent);
    if (!Sub) throw EReadError(SReadOnlyProperty);
  }
  switch (Prop.Kind()) {
  case TTypeKind::Integer:
  case TTypeKind::Char:
  case TTypeKind::Enumeration:
  case TTypeKind::Set:
  case TTypeKind::Int64: return ReadOrdinalValue(Instance, Prop);
  case TTypeKind::Float: return Prop.SetFloat(Instance, ReadFloat());
  case TTypeKind::String: return Prop.SetStr(Instance, ReadString());
  case TTypeKind::Class: return ReadObjectValue(Instance, Prop);
  case TTypeKind::Method: return ReadMethodValue(Instance, Prop);
  }
  PropValueError();
}

void TReader::ReadOrdinalValue(TPersistent* Instance, const TPropInfo& Prop) {
  const TTypeInfo& Type = Prop.Type();
  switch (Type.Kind) {
  case TTypeKind::Integer: {
    if (NextValue() != svIdent) return Prop.SetOrd(Instance, ReadInteger());
    ReadValue();
    std::int32_t Value = 0;
    if (!IdentToInt(ReadStr(), Value, Type.IdentMap)) PropValueError();
    return Prop.SetOrd(Instance, Value);
  }
  case TTypeKind::Char: return Prop.SetOrd(Instance, std::uint8_t(ReadChar()));
  case TTypeKind::Enumeration: {
    int Value = Type.EnumValue(ReadIdent());
    if (Value < 0) PropValueError();
    return Prop.SetOrd(Instance, Value);
  }
  case TTypeKind::Set: return Prop.SetOrd(Instance, ReadSet(Type.ElementType));
  default: return Prop.SetOrd(Instance, ReadInt64());
  }
}

// Names the element type lacks are ignored; a set that breaks off is
// skipped to its end before the error goes on.
std::uint32_t TReader::ReadSet(const TTypeInfo* ElementType) {
  if (ReadValue() != svSet) PropValueError();
  std::uint32_t Bits = 0;
  try {
    for (std::string Name = ReadStr(); !Name.empty(); Name = ReadStr()) {
      int Ordinal = ElementType ? ElementType->EnumValue(Name) : -1;
      if (Ordinal >= 0 && Ordinal < 32) Bits |= std::uint32_t(1) << Ordinal;
    }
  } catch (const Exception&) {
    try {
      SkipSetBody();
    } catch (const Exception&) {
    }
    throw;
  }
  return Bits;
}

void TReader::ReadObjectValue(TPersistent* Instance, const TPropInfo& Prop) {
  TValueType Tag = ReadValue();
  switch (Tag) {
  case svNil: return Prop.SetObj(Instance, nullptr);
  case svCollection: {
    auto* Collection = dynamic_cast<TCollection*>(Prop.GetObj(Instance));
    if (!Collection) {
      SkipCollection();
      PropValueError();
    }
    return ReadCollection(*Collection);
  }
  case svIdent: return AddFixup(Instance, Prop, ReadStr());
  default: SkipAfterTag(Tag); PropValueError();
  }
}

void TReader::ReadMethodValue(TPersistent* Instance, const TPropInfo& Prop) {
  TValueType Tag = ReadValue();
  if (Tag == svNil) return Prop.SetMethod(Instance, TMethod{});
  if (Tag != svIdent) {
    SkipAfterTag(Tag);
    PropValueError();
  }
  std::string Name = ReadStr();
  const TMethodInfo* Method = FRoot ? FRoot->ClassType().FindMethod(Name) : nullptr;
  if (!Method) PropValueError();
  Prop.SetMethod(Instance, TMethod{Method->Code, FRoot});
}

// A reference outside a component read has no root to be resolved
// against, so it is refused.
void TReader::AddFixup(TPersistent* Instance, const TPropInfo& Prop, std::string Name) {
  if (!FFixups) PropValueError();
  FFixups->push_back(TPropFixup{Instance, FRoot, &Prop, {}, std::move(Name)});
  FFixupScopes.push_back(FCollections);
}

void TReader::DropFixupsInside(const TCollection* Collection) {
  if (!FFixups) return;
  std::size_t Kept = 0;
  for (std::size_t I = 0; I < FFixups->size(); ++I) {
    const auto& Scope = FFixupScopes[I];
    if (std::find(Scope.begin(), Scope.end(), Collection) != Scope.end()) continue;
    (*FFixups)[Kept] = std::move((*FFixups)[I]);
    FFixupScopes[Kept] = std::move(FFixupScopes[I]);
    ++Kept;
  }
  FFixups->resize(Kept);
  FFixupScopes.resize(Kept);
}

void TReader::ReadCollection(TCollection& Collection) {
  TReaderNesting Level(*this);
  Collection.BeginUpdate();
  FCollections.push_back(&Collection);
  try {
    if (Collection.Count() > 0) {
      DropFixupsInside(&Collection);
      Collection.Clear();
    }
    while (!EndOfList()) {
      TValueType Next = NextValue();
      if (Next == svInt8 || Next == svInt16 || Next == svInt32) ReadInteger();
      TCollectionItem* Item = Collection.Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(Item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    FCollections.pop_back();
    Collection.EndUpdate();
    throw;
  }
  FCollections.pop_back();
  Collection.EndUpdate();
}

void TReader::ExtraProperty(std::string_view Name, const TReadProc& Read) {
  if (FPropName.empty() || !SameText(Name, FPropName)) return;
  FPropName.clear();
  Read(*this);
}

// The block is copied in chunks as it arrives: its stored count alone
// never sizes an allocation.
void TReader::ExtraBinaryProperty(std::string_view Name, const TStreamProc& Read) {
  if (FPropName.empty() || !SameText(Name, FPropName)) return;
  FPropName.clear();
  TValueType Tag = ReadValue();
  if (Tag != svBinary) {
    SkipAfterTag(Tag);
    PropValueError();
  }
  std::uint64_t Left = ReadCount();
  TMemoryStream Block;
  std::vector<std::uint8_t> Chunk(std::size_t(std::min<std::uint64_t>(Left, ReaderBinaryChunk)));
  while (Left > 0) {
    std::size_t N = std::size_t(std::min<std::uint64_t>(Left, Chunk.size()));
    this->Read(Chunk.data(), N);
    Block.WriteBuffer(Chunk.data(), std::int64_t(N));
    Left -= N;
  }
  Block.SetPosition(0);
  Read(Block);
}
