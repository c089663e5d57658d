// Integers are written little-endian whatever the host; svWString stores
// its count in characters, the payload holds twice as many bytes.
#include "FormEncoder.h"

#include <stdexcept>

namespace {

void FormPutInt(std::string& Out, std::uint64_t V, int Size) {
  for (int I = 0; I < Size; ++I) Out += char((V >> (8 * I)) & 0xFF);
}

void FormPutShort(std::string& Out, const std::string& S) {
  if (S.size() > 255)
    throw std::length_error("'" + S.substr(0, 32) + "...' is longer than 255 bytes");
  Out += char(S.size());
  Out += S;
}

void FormPutCounted(std::string& Out, const std::string& S, std::size_t Unit) {
  if (S.size() / Unit > 0xFFFFFFFFu) throw std::length_error("a block is larger than 4 GiB");
  FormPutInt(Out, S.size() / Unit, 4);
  Out += S;
}

void FormPutProperties(std::string& Out, const std::vector<TFormProperty>& List) {
  for (const TFormProperty& P : List) {
    if (P.Name.empty()) throw std::length_error("a property name is empty");
    FormPutShort(Out, P.Name);
    EncodeFormValue(Out, P.Value);
  }
  Out += '\0';
}

void FormPutObject(std::string& Out, const TFormObject& Obj) {
  if (Obj.Prefix) {
    Out += char(Obj.Prefix);
    if (Obj.ChildPos) EncodeFormValue(Out, *Obj.ChildPos);
  }
  FormPutShort(Out, Obj.ClassName);
  FormPutShort(Out, Obj.Name);
  FormPutProperties(Out, Obj.Properties);
  for (const TFormObject& Child : Obj.Children) FormPutObject(Out, Child);
  Out += '\0';
}

} // namespace

void EncodeFormValue(std::string& Out, const TFormValue& V) {
  Out += char(V.Tag);
  switch (V.Tag) {
  case TValueTag::Null:
  case TValueTag::False:
  case TValueTag::True:
  case TValueTag::Nil: return;
  case TValueTag::List:
    for (const TFormValue& Item : V.Items) EncodeFormValue(Out, Item);
    Out += '\0';
    return;
  case TValueTag::Int8: FormPutInt(Out, std::uint64_t(V.Int), 1); return;
  case TValueTag::Int16: FormPutInt(Out, std::uint64_t(V.Int), 2); return;
  case TValueTag::Int32: FormPutInt(Out, std::uint64_t(V.Int), 4); return;
  case TValueTag::Int64:
  case TValueTag::Currency: FormPutInt(Out, std::uint64_t(V.Int), 8); return;
  case TValueTag::Extended:
  case TValueTag::Single:
  case TValueTag::Date: Out += V.Data; return;
  case TValueTag::String:
  case TValueTag::Ident: FormPutShort(Out, V.Data); return;
  case TValueTag::Binary:
  case TValueTag::LString:
  case TValueTag::Utf8String: FormPutCounted(Out, V.Data, 1); return;
  case TValueTag::WString: FormPutCounted(Out, V.Data, 2); return;
  case TValueTag::Set:
    for (const std::string& Name : V.Names) FormPutShort(Out, Name);
    Out += '\0';
    return;
  case TValueTag::Collection:
    for (const TFormCollectionItem& Item : V.Bag) {
      if (Item.Index) EncodeFormValue(Out, *Item.Index);
      Out += char(TValueTag::List);
      FormPutProperties(Out, Item.Properties);
    }
    Out += '\0';
    return;
  }
}

std::string EncodeFormStream(const TFormObject& Root) {
  std::string Out = "TPF0";
  FormPutObject(Out, Root);
  return Out;
}
