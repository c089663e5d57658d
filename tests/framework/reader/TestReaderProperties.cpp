// Property entries: every property kind with the tags it accepts, dotted
// paths, extra properties, collections, events, and the exact messages
// of each failure, wrapped with the object and the entry's name.
#include "ReaderTest.h"

#include <gtest/gtest.h>

using namespace readertest;

namespace {

struct TPropCase {
  const char* Name;
  std::function<void(TStreamBuilder&)> Props;
  std::function<bool(TRdRoot&, TRdWidget&)> Holds;
};

class TReaderProperties : public ::testing::Test {
protected:
  void SetUp() override { ReaderLog().clear(); }
  std::string ReadWidget(const std::function<void(TStreamBuilder&)>& Props) {
    auto* Root = Create<TRdRoot>(nullptr);
    std::string Result = FailureOf([&] { ReadInto(Root, WidgetStream(Props)); });
    Root->Free();
    return Result;
  }
};

TEST_F(TReaderProperties, EveryKindTakesItsValues) {
  const TPropCase Cases[] = {
      {"int16", [](auto& B) { B.Prop("Count").Int(570); },
       [](auto&, auto& W) { return W.FCount == 570; }},
      {"colour ident", [](auto& B) { B.Prop("Color").Ident("clBtnFace"); },
       [](auto&, auto& W) { return W.FColor == TColor(0x8000000F); }},
      {"colour number", [](auto& B) { B.Prop("Color").Int(0xFFFF); },
       [](auto&, auto& W) { return W.FColor == clYellow; }},
      {"cursor ident", [](auto& B) { B.Prop("Cursor").Ident("crNo"); },
       [](auto&, auto& W) { return W.FCursor == -18; }},
      {"enum any case", [](auto& B) { B.Prop("Kind").Ident("RKthree"); },
       [](auto&, auto& W) { return W.FKind == rkThree; }},
      {"boolean tag", [](auto& B) { B.Prop("Active").Tag(svTrue); },
       [](auto&, auto& W) { return W.FActive; }},
      {"boolean ident", [](auto& B) { B.Prop("Active").Tag(svTrue).Prop("Active").Ident("False"); },
       [](auto&, auto& W) { return !W.FActive; }},
      {"set skips unknown",
       [](auto& B) {
         B.Prop("Flags").Set({"rkOne", "rkBogus", "rkThree"});
       },
       [](auto&, auto& W) {
         return W.FFlags == TRdKinds{rkOne, rkThree};
       }},
      {"char", [](auto& B) { B.Prop("Letter").String("Z"); },
       [](auto&, auto& W) { return W.FLetter == 'Z'; }},
      {"float extended", [](auto& B) { B.Prop("Ratio").Extended(0xC000000000000000ULL, 0x3FFE); },
       [](auto&, auto& W) { return W.FRatio == 0.75; }},
      {"float integer", [](auto& B) { B.Prop("Ratio").Int(-3); },
       [](auto&, auto& W) { return W.FRatio == -3.0; }},
      {"string ansi", [](auto& B) { B.Prop("Text").String("Gj\xF8r"); },
       [](auto&, auto& W) { return W.FText == "Gj\xC3\xB8r"; }},
      {"string wide", [](auto& B) { B.Prop("Text").WString(u"\u00C5pne"); },
       [](auto&, auto& W) { return W.FText == "\xC3\x85pne"; }},
      {"string utf8", [](auto& B) { B.Prop("Text").Utf8("\xC3\xA6"); },
       [](auto&, auto& W) { return W.FText == "\xC3\xA6"; }},
      {"int64", [](auto& B) { B.Prop("Big").Int64(1LL << 40); },
       [](auto&, auto& W) { return W.FBig == (1LL << 40); }},
      {"int64 small", [](auto& B) { B.Prop("Big").Int(-2); },
       [](auto&, auto& W) { return W.FBig == -2; }},
      {"forward reference", [](auto& B) { B.Prop("Link").Ident("Widget2"); },
       [](auto& R, auto& W) { return W.FLink == R.Widget2; }},
      {"unknown reference sets nil",
       [](auto& B) { B.Prop("Link").Ident("Widget2").Prop("Link").Ident("Nobody"); },
       [](auto&, auto& W) { return W.FLink == nullptr; }},
      {"nil object", [](auto& B) { B.Prop("Link").Tag(svNil); },
       [](auto&, auto& W) { return !W.FLink; }},
      {"event", [](auto& B) { B.Prop("OnPing").Ident("ping"); },
       [](auto& R, auto& W) {
         W.FOnPing(&W);
         return W.FOnPing.Data() == &R && R.Pinged == &W;
       }},
      {"event with argument", [](auto& B) { B.Prop("OnCount").Ident("Count"); },
       [](auto&, auto& W) {
         int N = 0;
         W.FOnCount(&W, N);
         return N == 42;
       }},
      {"nil event", [](auto& B) { B.Prop("OnPing").Ident("Ping").Prop("OnPing").Tag(svNil); },
       [](auto&, auto& W) { return !W.FOnPing; }},
      {"dotted persistent", [](auto& B) { B.Prop("Sub.Depth").Int(4); },
       [](auto&, auto& W) { return W.FSub->FDepth == 4; }},
      {"dotted read-only sub-component", [](auto& B) { B.Prop("Helper.Level").Int(3); },
       [](auto&, auto& W) { return W.FHelper->FLevel == 3; }},
      {"extra integer", [](auto& B) { B.Prop("secret").Int(9); },
       [](auto&, auto& W) { return W.FSecret == 9; }},
      {"design position", [](auto& B) { B.Prop("Left").Int(8).Prop("Top").Int(114); },
       [](auto&, auto& W) { return W.GetDesignInfo() == (114 << 16 | 8); }},
      {"extra binary",
       [](auto& B) {
         B.Prop("Blob").Binary({1, 2, 3, 0, 255});
       },
       [](auto&, auto& W) {
         return W.FBlob == std::vector<std::uint8_t>{1, 2, 3, 0, 255};
       }},
      {"picture of an unknown class stays empty",
       [](auto& B) {
         B.Prop("Picture.Data")
             .Tag(svBinary)
             .Le(9, 4)
             .Short("TNoGfx")
             .Raw({1, 2})
             .Prop("Count")
             .Int(1);
       },
       [](auto&, auto& W) { return W.FPicture->Empty() && W.FCount == 1; }},
  };
  for (const auto& C : Cases) {
    auto* Root = Create<TRdRoot>(nullptr);
    std::string Failure = FailureOf([&] { ReadInto(Root, WidgetStream(C.Props)); });
    EXPECT_EQ(Failure, "no exception") << C.Name;
    ASSERT_NE(Root->Widget1, nullptr) << C.Name;
    EXPECT_TRUE(C.Holds(*Root, *Root->Widget1)) << C.Name;
    Root->Free();
  }
}

TEST_F(TReaderProperties, CollectionsAreClearedAndFilledInOneUpdate) {
  auto* Root = Create<TRdRoot>(nullptr);
  ReadInto(Root, WidgetStream([](TStreamBuilder& B) {
             B.Prop("Items").Tag(svCollection);
             B.Tag(svList).Prop("Caption").String("one").End();
             B.Int(7).Tag(svList).Prop("Value").Int(2).Prop("Link").Ident("Widget2").End();
             B.End();
           }));
  TRdItems* Items = Root->Widget1->FItems;
  ASSERT_EQ(Items->Count(), 2);
  EXPECT_EQ(Items->Item(0)->FCaption, "one");
  EXPECT_EQ(Items->Item(1)->FValue, 2);
  EXPECT_EQ(Items->Item(1)->FLink, Root->Widget2);
  EXPECT_EQ(Items->Updates, 1);
  EXPECT_EQ(Items->UpdateCount(), 0);
  Root->Free();
}

// The second list replaces the first: the references of the freed items
// go with them and the new item's one is set.
TEST_F(TReaderProperties, ACollectionReadTwiceDropsTheReferencesOfItsOldItems) {
  auto* Root = Create<TRdRoot>(nullptr);
  ReadInto(Root, WidgetStream([](TStreamBuilder& B) {
             for (int I = 0; I < 2; ++I) {
               B.Prop("Items").Tag(svCollection);
               B.Tag(svList).Prop("Link").Ident("Widget2").End().End();
             }
           }));
  ASSERT_EQ(Root->Widget1->FItems->Count(), 1);
  EXPECT_EQ(Root->Widget1->FItems->Item(0)->FLink, Root->Widget2);
  Root->Free();
}

struct TErrorCase {
  const char* Name;
  std::function<void(TStreamBuilder&)> Props;
  std::string Message;
};

TEST_F(TReaderProperties, FailuresNameTheObjectAndTheEntry) {
  const std::string Value = "Invalid property value";
  const TErrorCase Cases[] = {
      {"unknown", [](auto& B) { B.Prop("Foo").Int(1); },
       "Widget1.Foo: Property Foo does not exist"},
      {"unknown in path", [](auto& B) { B.Prop("Nope.Depth").Int(1); },
       "Widget1.Nope.Depth: Property Nope does not exist"},
      {"unknown after path", [](auto& B) { B.Prop("Sub.Width").Int(1); },
       "Widget1.Sub.Width: Property Width does not exist"},
      {"path through integer", [](auto& B) { B.Prop("Count.X").Int(1); },
       "Widget1.Count.X: Invalid property path"},
      {"path through nil", [](auto& B) { B.Prop("Link.Tag").Int(1); },
       "Widget1.Link.Tag: Invalid property path"},
      {"no setter", [](auto& B) { B.Prop("Fixed").Int(1); },
       "Widget1.Fixed: Property is read-only"},
      {"no setter, not a sub-component", [](auto& B) { B.Prop("PlainHelper").Tag(svNil); },
       "Widget1.PlainHelper: Property is read-only"},
      {"integer from string", [](auto& B) { B.Prop("Count").String("1"); },
       "Widget1.Count: " + Value},
      {"integer without map", [](auto& B) { B.Prop("Count").Ident("clRed"); },
       "Widget1.Count: " + Value},
      {"unknown colour", [](auto& B) { B.Prop("Color").Ident("clBogus"); },
       "Widget1.Color: " + Value},
      {"unknown enum name", [](auto& B) { B.Prop("Kind").Ident("rkFour"); },
       "Widget1.Kind: " + Value},
      {"enum from number", [](auto& B) { B.Prop("Kind").Int(1); }, "Widget1.Kind: " + Value},
      {"long character", [](auto& B) { B.Prop("Letter").String("AB"); },
       "Widget1.Letter: " + Value},
      {"set from ident", [](auto& B) { B.Prop("Flags").Ident("rkOne"); },
       "Widget1.Flags: " + Value},
      {"unpublished method", [](auto& B) { B.Prop("OnPing").Ident("Hidden"); },
       "Widget1.OnPing: " + Value},
      {"unknown method", [](auto& B) { B.Prop("OnPing").Ident("Nothing"); },
       "Widget1.OnPing: " + Value},
      {"method of another signature", [](auto& B) { B.Prop("OnPing").Ident("Count"); },
       "Widget1.OnPing: Invalid class typecast"},
      {"event from string", [](auto& B) { B.Prop("OnPing").String("Ping"); },
       "Widget1.OnPing: " + Value},
      {"object from integer", [](auto& B) { B.Prop("Link").Int(1); }, "Widget1.Link: " + Value},
      {"collection into non-collection", [](auto& B) { B.Prop("Link").Tag(svCollection).End(); },
       "Widget1.Link: " + Value},
      {"binary from integer", [](auto& B) { B.Prop("Blob").Int(1); }, "Widget1.Blob: " + Value},
      {"extra integer from string", [](auto& B) { B.Prop("Secret").String("1"); },
       "Widget1.Secret: " + Value},
      {"item property",
       [](auto& B) { B.Prop("Items").Tag(svCollection).Tag(svList).Prop("Bogus").Int(1); },
       "Widget1.Items: Error reading TRdItem.Bogus: Property Bogus does not exist"},
      {"item without list", [](auto& B) { B.Prop("Items").Tag(svCollection).Int(1).Int(2); },
       "Widget1.Items: " + Value},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(ReadWidget(C.Props), "EReadError: Error reading " + C.Message) << C.Name;
}

TEST_F(TReaderProperties, AValueCutShortIsAStreamReadError) {
  TStreamBuilder B;
  B.Root("TRdRoot", "Root1").Prop("Tag").Tag(svInt32).Raw({1, 2});
  auto* Root = Create<TRdRoot>(nullptr);
  EXPECT_EQ(FailureOf([&] { ReadInto(Root, B); }),
            "EReadError: Error reading Root1.Tag: Stream read error");
  Root->Free();
}

TEST_F(TReaderProperties, AnUnnamedObjectIsNamedByItsClass) {
  TStreamBuilder B;
  B.Root("TRdRoot", "").Prop("Foo").Int(1);
  auto* Root = Create<TRdRoot>(nullptr);
  EXPECT_EQ(FailureOf([&] { ReadInto(Root, B); }),
            "EReadError: Error reading TRdRoot.Foo: Property Foo does not exist");
  Root->Free();
}

} // namespace
