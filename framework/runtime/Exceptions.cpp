// Constructors that build the message; the classes are in Exceptions.h.
#include "framework/runtime/Exceptions.h"

Exception::Exception(std::string_view Fmt, std::initializer_list<TFormatArg> Args)
    : FMessage(Format(Fmt, Args)) {}

Exception::Exception(const TResStringRec& Res) : FMessage(LoadResString(Res)) {}

Exception::Exception(const TResStringRec& Res, std::initializer_list<TFormatArg> Args)
    : FMessage(Format(LoadResString(Res), Args)) {}
