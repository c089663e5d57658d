// The exception hierarchy: handlers catch families through base classes,
// ClassName names the most derived class, and messages come from text,
// Format patterns or resource strings.
#include "FrameworkConsts.h"
#include "framework/runtime/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

template <class Base> std::string CaughtAs(const std::function<void()>& Throw) {
  try {
    Throw();
  } catch (const Base& E) {
    return E.ClassName();
  } catch (...) {
    return "<not caught>";
  }
  return "<nothing thrown>";
}

TEST(Exceptions, FamiliesAreCaughtThroughTheirBases) {
  EXPECT_EQ(CaughtAs<EFilerError>([] { throw EReadError("x"); }), "EReadError");
  EXPECT_EQ(CaughtAs<EStreamError>([] { throw EClassNotFound("x"); }), "EClassNotFound");
  EXPECT_EQ(CaughtAs<EStreamError>([] { throw EFOpenError("x"); }), "EFOpenError");
  EXPECT_EQ(CaughtAs<EFilerError>([] { throw EFCreateError("x"); }), "<not caught>");
  EXPECT_EQ(CaughtAs<EFilerError>([] { throw EInvalidImage("x"); }), "EInvalidImage");
  EXPECT_EQ(CaughtAs<EInvalidGraphic>([] { throw EJPEG("x"); }), "EJPEG");
  EXPECT_EQ(CaughtAs<EListError>([] { throw EStringListError("x"); }), "EStringListError");
  EXPECT_EQ(CaughtAs<EStreamError>([] { throw EResNotFound("x"); }), "<not caught>");
  EXPECT_EQ(CaughtAs<Exception>([] { throw EComponentError("x"); }), "EComponentError");
  EXPECT_EQ(CaughtAs<Exception>([] { throw EOSError("x"); }), "EOSError");
}

TEST(Exceptions, EveryClassNameIsExact) {
  const std::pair<std::function<void()>, const char*> Cases[] = {
      {[] { throw Exception("x"); }, "Exception"},
      {[] { throw EAbort("x"); }, "EAbort"},
      {[] { throw EConvertError("x"); }, "EConvertError"},
      {[] { throw EStreamError("x"); }, "EStreamError"},
      {[] { throw EFilerError("x"); }, "EFilerError"},
      {[] { throw EWriteError("x"); }, "EWriteError"},
      {[] { throw EMethodNotFound("x"); }, "EMethodNotFound"},
      {[] { throw EInvalidOperation("x"); }, "EInvalidOperation"},
      {[] { throw EInvalidGraphicOperation("x"); }, "EInvalidGraphicOperation"},
      {[] { throw EInvalidPropertyIndex("x"); }, "EInvalidPropertyIndex"},
      {[] { throw ERequireOwner("x"); }, "ERequireOwner"},
      {[] { throw EOutOfResources("x"); }, "EOutOfResources"},
      {[] { throw EInvalidCast("x"); }, "EInvalidCast"},
      {[] { throw EMenuError("x"); }, "EMenuError"},
  };
  for (const auto& [Throw, Name] : Cases) EXPECT_EQ(CaughtAs<Exception>(Throw), Name);
}

TEST(Exceptions, StandardHandlersSeeTheMessage) {
  try {
    throw EReadError("Stream read error");
  } catch (const std::exception& E) {
    EXPECT_STREQ(E.what(), "Stream read error");
  }
}

TEST(Exceptions, MessagesFromTextFormatAndResources) {
  EXPECT_EQ(Exception("100% plain").Message(), "100% plain");
  EXPECT_EQ(Exception("%s at %d", {"here", 3}).Message(), "here at 3");
  EXPECT_EQ(EReadError(SReadError).Message(), "Stream read error");
  EXPECT_EQ(EClassNotFound(SClassNotFound, {"TFoo"}).Message(), "Class TFoo not found");
  EXPECT_EQ(EInvalidPropertyIndex(_SInvalidPropertyIndexAt, {3, "Items"}).Message(),
            "Invalid property index 3 at Items.");
  EXPECT_EQ(EComponentError(SInvalidName, {"1st"}).Message(),
            "''1st'' is not a valid component name");
  EXPECT_EQ(EJPEG(SJPEGError, {42}).Message(), "JPEG error #42");
  // Too few arguments leave the pattern readable rather than throwing.
  EXPECT_EQ(EReadError(SPropertyException, {"Form1", ".", "Caption"}).Message(),
            "Error reading Form1.Caption: %s");
}

TEST(Exceptions, SetMessageReplacesWhat) {
  Exception E("old");
  E.SetMessage("new");
  EXPECT_EQ(E.Message(), "new");
  EXPECT_STREQ(E.what(), "new");
}

TEST(Exceptions, MissingResourceGivesEmptyMessage) {
  EXPECT_EQ(EResNotFound(TResStringRec{12345}).Message(), "");
  EXPECT_EQ(EResNotFound(TResStringRec{0}, {1}).Message(), "");
}

} // namespace
