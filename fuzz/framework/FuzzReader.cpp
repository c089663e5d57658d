// Reads arbitrary bytes as a form definition into a fresh root of the
// reader tests' classes: published properties of every kind the reader
// handles, extra and binary extra properties, a collection, sub-objects,
// a picture, fields of the component class and methods. Every outcome
// must be a framework exception or a finished read; nothing may crash or
// leak.
#include "framework/classes/MemoryStream.h"
#include "framework/classes/Reader.h"
#include "framework/forms/FormLoader.h"
#include "framework/runtime/Exceptions.h"
#include "tests/framework/reader/ReaderFixtures.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TMemoryStream Stream;
  Stream.WriteBuffer(Data, std::int64_t(Size));
  Stream.SetPosition(0);
  auto* Root = Create<readertest::TRdRoot>(nullptr);
  try {
    TReader Reader(Stream);
    ReadFormStream(Reader, Root);
  } catch (const Exception&) {
  }
  // Freeing the root also drops any reference it left pending.
  Root->Free();
  // The fixtures log every Loaded call for the tests; the fuzzer keeps none.
  readertest::ReaderLog().clear();
  return 0;
}
