#include "ReflectionFixtures.h"

#include "framework/classes/ClassRegistry.h"
#include "framework/graphics/Cursors.h"
#include "framework/graphics/FontCharsets.h"
#include "framework/runtime/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(Reflection, FindsPropertiesIgnoringCaseThroughTheChain) {
  const TClass& C = TSuperGadget::StaticClass();
  for (const char* Name : {"Name", "NAME", "tag", "Caption", "cAPTION", "Onchange", "version"})
    EXPECT_NE(C.FindProperty(Name), nullptr) << Name;
  for (const char* Name : {"", "Nam", "Names", "Left", "Caption "})
    EXPECT_EQ(C.FindProperty(Name), nullptr) << Name;
}

TEST(Reflection, KindsAndTypesFollowTheValueTypes) {
  struct {
    const char* Name;
    TTypeKind Kind;
    const char* Type;
  } const Cases[] = {
      {"Count", TTypeKind::Integer, "Integer"},    {"Fruit", TTypeKind::Enumeration, "TFruit"},
      {"Basket", TTypeKind::Set, "set of TFruit"}, {"Caption", TTypeKind::String, "string"},
      {"Ratio", TTypeKind::Float, "Double"},       {"Active", TTypeKind::Enumeration, "Boolean"},
      {"Letter", TTypeKind::Char, "Char"},         {"Big", TTypeKind::Int64, "Int64"},
      {"Color", TTypeKind::Integer, "TColor"},     {"Buddy", TTypeKind::Class, "class"},
      {"OnChange", TTypeKind::Method, "TMethod"},
  };
  for (const auto& Case : Cases) {
    const TPropInfo* P = TGadget::StaticClass().FindProperty(Case.Name);
    ASSERT_NE(P, nullptr) << Case.Name;
    EXPECT_EQ(P->Kind(), Case.Kind) << Case.Name;
    EXPECT_EQ(P->Type().Name, Case.Type) << Case.Name;
  }
  EXPECT_EQ(&TGadget::StaticClass().FindProperty("Buddy")->Type().ClassFn(),
            &TGadget::StaticClass());
}

TEST(Reflection, EnumerationNamesMapBothWays) {
  const TTypeInfo& Fruit = TypeInfoOf<TFruit>();
  EXPECT_EQ(Fruit.EnumValue("frCherry"), 2);
  EXPECT_EQ(Fruit.EnumValue("FRCHERRY"), 2);
  EXPECT_EQ(Fruit.EnumValue("frDurian"), -1);
  EXPECT_EQ(Fruit.EnumName(0), "frApple");
  EXPECT_EQ(Fruit.EnumName(3), "");
  EXPECT_EQ(Fruit.EnumName(-1), "");
  EXPECT_EQ(TypeInfoOf<bool>().EnumValue("true"), 1);
}

TEST(Reflection, DefaultsAreDeclaredAndRedeclarationsHide) {
  const TPropInfo* Count = TGadget::StaticClass().FindProperty("Count");
  EXPECT_TRUE(Count->HasDefault());
  EXPECT_EQ(Count->Default(), 7);
  EXPECT_EQ(TSuperGadget::StaticClass().FindProperty("Count")->Default(), 9);
  EXPECT_EQ(TGadget::StaticClass().FindProperty("Color")->Default(), clBtnFace);
  EXPECT_FALSE(TGadget::StaticClass().FindProperty("Caption")->HasDefault());

  // The redeclared property keeps the inherited one's place in the list.
  auto Names = [](const TClass& C) {
    std::vector<std::string> Out;
    for (const TPropInfo* P : C.Properties()) Out.push_back(P->Name());
    return Out;
  };
  std::vector<std::string> Super = Names(TSuperGadget::StaticClass());
  ASSERT_FALSE(Super.empty());
  EXPECT_EQ(Super.back(), "Secret"); // published by the descendant only
  Super.pop_back();
  EXPECT_EQ(Super, Names(TGadget::StaticClass()));
  EXPECT_EQ(TSuperGadget::StaticClass().Properties()[2]->Declarer(), &TSuperGadget::StaticClass());
}

TEST(Reflection, DeclaredPropertiesArePublishedByDescendants) {
  EXPECT_EQ(TGadget::StaticClass().FindProperty("Secret"), nullptr);
  const TPropInfo* Secret = TSuperGadget::StaticClass().FindProperty("secret");
  ASSERT_NE(Secret, nullptr);
  EXPECT_EQ(Secret, TGadget::StaticClass().FindDeclared("Secret"));
  EXPECT_EQ(Secret->Default(), 3);
  EXPECT_EQ(TSuperGadget::StaticClass().Properties().back(), Secret);

  struct TBadBuilder {
    static void Run() { TClassBuilder<TSuperGadget>("TBad").Publish({"NoSuchProperty"}); }
  };
  try {
    TBadBuilder::Run();
    ADD_FAILURE();
  } catch (const EPropertyError& E) {
    EXPECT_EQ(E.Message(), "Property NoSuchProperty not found");
  }
}

TEST(Reflection, ValuesReadAndWriteByKind) {
  TGadget G(nullptr);
  const TClass& C = G.ClassType();
  C.FindProperty("Count")->SetOrd(&G, 42);
  C.FindProperty("Fruit")->SetOrd(&G, frCherry);
  C.FindProperty("Basket")->SetOrd(&G, 0b101);
  C.FindProperty("Caption")->SetStr(&G, "Hei");
  C.FindProperty("Ratio")->SetFloat(&G, 2.25);
  C.FindProperty("Letter")->SetOrd(&G, 'q');
  C.FindProperty("Big")->SetOrd(&G, std::int64_t(1) << 40);
  EXPECT_EQ(G.GetCount(), 42);
  EXPECT_EQ(G.GetFruit(), frCherry);
  EXPECT_EQ(G.GetBasket(), (TFruits{frApple, frCherry}));
  EXPECT_EQ(G.GetCaption(), "Hei");
  EXPECT_EQ(G.FRatio, 2.25);
  EXPECT_EQ(G.FLetter, 'q');
  EXPECT_EQ(C.FindProperty("Big")->GetOrd(&G), std::int64_t(1) << 40);
  EXPECT_EQ(C.FindProperty("Basket")->GetOrd(&G), 0b101);
}

TEST(Reflection, WrongAccessesAreRefused) {
  TGadget G(nullptr);
  const TClass& C = G.ClassType();
  EXPECT_THROW(C.FindProperty("Caption")->SetOrd(&G, 1), EPropertyError);
  EXPECT_THROW(C.FindProperty("Count")->GetStr(&G), EPropertyError);
  EXPECT_THROW(C.FindProperty("Count")->SetObj(&G, nullptr), EPropertyError);
  EXPECT_FALSE(C.FindProperty("Version")->HasSetter());
  EXPECT_THROW(C.FindProperty("Version")->SetStr(&G, "2"), EPropertyError);
  EXPECT_EQ(C.FindProperty("Version")->GetStr(&G), "1.0");

  TWatcher NotAGadget(nullptr);
  EXPECT_THROW(C.FindProperty("Buddy")->SetObj(&G, &NotAGadget), EInvalidCast);
  EXPECT_EQ(G.FBuddy, nullptr);
  TSuperGadget Super(nullptr);
  C.FindProperty("Buddy")->SetObj(&G, &Super);
  EXPECT_EQ(G.FBuddy, &Super);
}

TEST(Reflection, EventsBoundByNameEqualEventsBoundInCode) {
  TGadgetBox Box(nullptr);
  TGadget G(nullptr);
  const TMethodInfo* M = Box.ClassType().FindMethod("gadgetchange");
  ASSERT_NE(M, nullptr);
  const TPropInfo* OnChange = G.ClassType().FindProperty("OnChange");
  OnChange->SetMethod(&G, {M->Code, &Box});
  EXPECT_EQ(G.FOnChange, MakeEvent<&TGadgetBox::GadgetChange>(&Box));
  EXPECT_NE(G.FOnChange, MakeEvent<&TGadgetBox::OtherChange>(&Box));
  EXPECT_EQ(Box.ClassType().FindMethod(OnChange->GetMethod(&G).Code)->Name, "GadgetChange");

  G.FOnChange(&G);
  ASSERT_EQ(Box.Calls.size(), 1u);
  EXPECT_EQ(Box.Calls[0], &G);

  const TMethodInfo* Wrong = Box.ClassType().FindMethod("WrongShape");
  EXPECT_THROW(OnChange->SetMethod(&G, {Wrong->Code, &Box}), EInvalidCast);
  OnChange->SetMethod(&G, {});
  EXPECT_FALSE(G.FOnChange);
  G.FOnChange(&G); // unassigned: nothing happens
  EXPECT_EQ(Box.Calls.size(), 1u);
  EXPECT_EQ(Box.ClassType().FindMethod("NoSuchHandler"), nullptr);
}

TEST(Reflection, IdentifierMapsOfIntegerTypes) {
  struct {
    const TTypeInfo& Type;
    const char* Ident;
    std::int32_t Value;
  } const Cases[] = {
      {ColorTypeInfo(), "clBtnFace", std::int32_t(0x8000000F)},
      {ColorTypeInfo(), "clwindowtext", std::int32_t(0x80000008)},
      {ColorTypeInfo(), "clYellow", 0x0000FFFF},
      {CursorTypeInfo(), "crNo", -18},
      {CursorTypeInfo(), "crSize", -22},
      {FontCharsetTypeInfo(), "DEFAULT_CHARSET", 1},
      {FontCharsetTypeInfo(), "OEM_CHARSET", 255},
  };
  for (const auto& Case : Cases) {
    std::int32_t Value = 0;
    ASSERT_TRUE(IdentToInt(Case.Ident, Value, Case.Type.IdentMap)) << Case.Ident;
    EXPECT_EQ(Value, Case.Value) << Case.Ident;
  }
  std::int32_t Ignored;
  EXPECT_FALSE(IdentToInt("crNope", Ignored, CursorTypeInfo().IdentMap));
  EXPECT_TRUE(TypeInfoOf<int>().IdentMap.empty());
  EXPECT_EQ(ColorIdents.size(), 52u);
  EXPECT_STREQ(CursorIdents[21].Name, "crSize");
  EXPECT_STREQ(CharsetIdents[3].Name, "MAC_CHARSET");
}

TEST(Reflection, VirtualConstructorsAndTheRegistry) {
  TGadgetBox Owner(nullptr);
  TObject* Made = TSuperGadget::StaticClass().Create(&Owner);
  ASSERT_NE(Made, nullptr);
  EXPECT_EQ(Made->ClassName(), "TSuperGadget");
  EXPECT_TRUE(Made->Is<TGadget>());
  EXPECT_FALSE(Made->Is<TGadgetBox>());
  EXPECT_EQ(Owner.ComponentCount(), 1);
  EXPECT_EQ(static_cast<TGadget*>(Made)->GetCount(), 7);

  EXPECT_THROW(TObject::StaticClass().Create(nullptr), EInvalidOperation);

  EXPECT_EQ(GetClass("TGadget"), nullptr);
  RegisterClasses({&TGadget::StaticClass(), &TSuperGadget::StaticClass()});
  EXPECT_EQ(&FindClass("tgadget"), &TGadget::StaticClass());
  UnRegisterClass(TGadget::StaticClass());
  EXPECT_THROW(FindClass("TGadget"), EClassNotFound);
  try {
    FindClass("TNothing");
  } catch (const EClassNotFound& E) {
    EXPECT_EQ(E.Message(), "Class TNothing not found");
  }
  UnRegisterClass(TSuperGadget::StaticClass());
}

TEST(Reflection, PublishedFieldsFindTheirClass) {
  const TClass& C = TGadgetBox::StaticClass();
  EXPECT_EQ(C.FindFieldClass("tsupergadget"), &TSuperGadget::StaticClass());
  EXPECT_EQ(C.FindFieldClass("TWatcher"), nullptr);
  ASSERT_NE(C.FindField("GADGET1"), nullptr);
  EXPECT_EQ(&C.FindField("Gadget1")->FieldClass(), &TGadget::StaticClass());
}

} // namespace
