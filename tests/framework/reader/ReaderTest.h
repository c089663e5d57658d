// Shared helpers of the reader tests: a reader over built bytes, and the
// exception message of a call that must fail.
#pragma once

#include "StreamBuilder.h"

#include "framework/runtime/Exceptions.h"

#include <functional>
#include <memory>
#include <string>

namespace readertest {

struct TReaderOver {
  explicit TReaderOver(const TStreamBuilder& B)
      : Stream(B.NewStream()), Reader(std::make_unique<TReader>(*Stream)) {}
  // Ends the reader (handing back unused bytes) and says where the
  // stream stands.
  std::int64_t Finish() {
    Reader.reset();
    return Stream->GetPosition();
  }
  std::unique_ptr<TMemoryStream> Stream;
  std::unique_ptr<TReader> Reader;
};

// "<class>: <message>" of the framework exception F raises, or
// "no exception".
inline std::string FailureOf(const std::function<void()>& F) {
  try {
    F();
  } catch (const Exception& E) {
    return std::string(E.ClassName()) + ": " + E.Message();
  }
  return "no exception";
}

} // namespace readertest

#include "ReaderFixtures.h"

#include "framework/forms/FormLoader.h"

namespace readertest {

// A TRdRoot stream "Root1" with one TRdWidget "Widget1" whose property
// entries Props writes, and a TRdWidget "Widget2" after it.
inline TStreamBuilder WidgetStream(const std::function<void(TStreamBuilder&)>& Props) {
  TStreamBuilder B;
  B.Root("TRdRoot", "Root1").End();
  B.Component("TRdWidget", "Widget1");
  Props(B);
  B.End().End();
  B.Component("TRdWidget", "Widget2").End().End();
  B.End();
  return B;
}

inline void ReadInto(TComponent* Root, const TStreamBuilder& B) {
  TReaderOver R(B);
  ReadFormStream(*R.Reader, Root);
}

} // namespace readertest
