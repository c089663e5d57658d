#include "framework/classes/FileStream.h"
#include "framework/classes/MemoryStream.h"
#include "framework/classes/ResourceStream.h"
#include "framework/runtime/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string ReadAll(TStream& S) {
  std::string Out(std::size_t(S.GetSize() - S.GetPosition()), '\0');
  S.ReadBuffer(Out.data(), std::int64_t(Out.size()));
  return Out;
}

TEST(Streams, MemoryStreamGrowsSeeksAndRefusesShortReads) {
  TMemoryStream S;
  S.WriteBuffer("Tavrel", 6);
  EXPECT_EQ(S.GetSize(), 6);
  S.SetPosition(10); // past the end: a write there fills the gap
  S.WriteBuffer("!", 1);
  EXPECT_EQ(S.GetSize(), 11);
  EXPECT_EQ(S.Memory()[7], 0);
  S.SetPosition(0);
  char Buf[4];
  EXPECT_EQ(S.Read(Buf, 4), 4);
  EXPECT_EQ(std::string(Buf, 4), "Tavr");
  EXPECT_EQ(S.Seek(-2, soEnd), 9);
  EXPECT_THROW(S.ReadBuffer(Buf, 3), EReadError);
  EXPECT_THROW(S.Seek(-1, soBeginning), EStreamError);
  S.SetSize(3);
  EXPECT_EQ(S.GetPosition(), 3);
  S.SetPosition(0);
  EXPECT_EQ(ReadAll(S), "Tav");
  EXPECT_THROW(S.SetSize(-1), EStreamError);
}

TEST(Streams, ReadErrorsCarryTheStreamMessage) {
  TMemoryStream S;
  try {
    char C;
    S.ReadBuffer(&C, 1);
    ADD_FAILURE();
  } catch (const EReadError& E) {
    EXPECT_EQ(E.Message(), "Stream read error");
  }
}

TEST(Streams, CopyFromTakesAWholeStreamOrAPart) {
  TMemoryStream A, B;
  A.WriteBuffer("0123456789", 10);
  EXPECT_EQ(B.CopyFrom(A, 0), 10);
  B.SetPosition(0);
  EXPECT_EQ(ReadAll(B), "0123456789");
  A.SetPosition(2);
  TMemoryStream C;
  C.CopyFrom(A, 3);
  C.SetPosition(0);
  EXPECT_EQ(ReadAll(C), "234");
  EXPECT_THROW(C.CopyFrom(A, 100), EReadError);
}

TEST(Streams, FilesRoundTripAndMissingOnesSayWhy) {
  std::string Path = testing::TempDir() + "tavrel_stream_" + std::to_string(getpid());
  {
    TFileStream F(Path, fmCreate);
    F.WriteBuffer("abc", 3);
  }
  TMemoryStream M;
  M.LoadFromFile(Path);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(M.Memory()), 3), "abc");
  std::remove(Path.c_str());
  try {
    TFileStream Missing(Path, fmOpenRead);
    ADD_FAILURE();
  } catch (const EFOpenError& E) {
    EXPECT_NE(E.Message().find("Cannot open file \"" + Path + "\"."), std::string::npos)
        << E.Message();
  }
}

TEST(Streams, ResourceStreamsReadTheProgramsDataAndRefuseWrites) {
  TResourceStream R(HInstance, "sample", RT_RCDATA);
  EXPECT_EQ(R.GetSize(), 19);
  char Sig[4];
  R.ReadBuffer(Sig, 4);
  EXPECT_EQ(std::string(Sig, 4), "TPF0");
  try {
    R.WriteBuffer("x", 1);
    ADD_FAILURE();
  } catch (const EStreamError& E) {
    EXPECT_EQ(E.Message(), "Can't write to a read-only resource stream");
  }
  EXPECT_THROW(R.SetSize(0), EStreamError);
  try {
    TResourceStream Missing(HInstance, "NO_SUCH_RESOURCE", RT_RCDATA);
    ADD_FAILURE();
  } catch (const EResNotFound& E) {
    EXPECT_EQ(E.Message(), "Resource NO_SUCH_RESOURCE not found");
  }
}

} // namespace
