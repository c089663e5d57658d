// The exception classes of the framework, named and arranged as in Delphi
// so that handlers can catch a whole family (EFilerError catches
// EReadError). ClassName() gives the exact class name for error boxes and
// logs. Messages come from a plain text, a Format pattern with arguments,
// or a resource string with or without arguments (CreateRes/CreateResFmt).
#pragma once

#include "framework/runtime/Format.h"
#include "framework/runtime/ResStrings.h"

#include <exception>
#include <string>

class Exception : public std::exception {
public:
  explicit Exception(std::string Msg) : FMessage(std::move(Msg)) {}
  Exception(std::string_view Fmt, std::initializer_list<TFormatArg> Args);
  explicit Exception(const TResStringRec& Res);
  Exception(const TResStringRec& Res, std::initializer_list<TFormatArg> Args);

  const std::string& Message() const { return FMessage; }
  void SetMessage(std::string Msg) { FMessage = std::move(Msg); }
  const char* what() const noexcept override { return FMessage.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

private:
  std::string FMessage;
};

class EAbort : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EAbort"; }
};

class EConvertError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EConvertError"; }
};

class EStreamError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EStreamError"; }
};

class EFCreateError : public EStreamError {
public:
  using EStreamError::EStreamError;
  const char* ClassName() const override { return "EFCreateError"; }
};

class EFOpenError : public EStreamError {
public:
  using EStreamError::EStreamError;
  const char* ClassName() const override { return "EFOpenError"; }
};

class EFilerError : public EStreamError {
public:
  using EStreamError::EStreamError;
  const char* ClassName() const override { return "EFilerError"; }
};

class EReadError : public EFilerError {
public:
  using EFilerError::EFilerError;
  const char* ClassName() const override { return "EReadError"; }
};

class EWriteError : public EFilerError {
public:
  using EFilerError::EFilerError;
  const char* ClassName() const override { return "EWriteError"; }
};

class EClassNotFound : public EFilerError {
public:
  using EFilerError::EFilerError;
  const char* ClassName() const override { return "EClassNotFound"; }
};

class EMethodNotFound : public EFilerError {
public:
  using EFilerError::EFilerError;
  const char* ClassName() const override { return "EMethodNotFound"; }
};

class EInvalidImage : public EFilerError {
public:
  using EFilerError::EFilerError;
  const char* ClassName() const override { return "EInvalidImage"; }
};

class EResNotFound : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EResNotFound"; }
};

class EComponentError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EComponentError"; }
};

class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EInvalidOperation"; }
};

class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EInvalidGraphic"; }
};

class EJPEG : public EInvalidGraphic {
public:
  using EInvalidGraphic::EInvalidGraphic;
  const char* ClassName() const override { return "EJPEG"; }
};

class EInvalidGraphicOperation : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EInvalidGraphicOperation"; }
};

class EPropertyError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EPropertyError"; }
};

class EInvalidPropertyIndex : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EInvalidPropertyIndex"; }
};

class ERequireOwner : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "ERequireOwner"; }
};

class EListError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EListError"; }
};

class EStringListError : public EListError {
public:
  using EListError::EListError;
  const char* ClassName() const override { return "EStringListError"; }
};

class EOutOfResources : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EOutOfResources"; }
};

class EInvalidCast : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EInvalidCast"; }
};

class EMenuError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EMenuError"; }
};

class EOSError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const override { return "EOSError"; }
};
