#pragma once
// The exception classes of the framework. Every event dispatch catches
// Exception and shows Message() to the user; the program goes on.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

#define VELMORA_EXCEPTION(Name, Base)                                   \
  class Name : public Base {                                            \
   public:                                                              \
    explicit Name(const std::string& message) : Base(message) {}        \
  };

VELMORA_EXCEPTION(EAbort, Exception)
VELMORA_EXCEPTION(EConvertError, Exception)
VELMORA_EXCEPTION(EInvalidGraphic, Exception)
VELMORA_EXCEPTION(EInvalidOperation, Exception)
VELMORA_EXCEPTION(EOutOfResources, Exception)
VELMORA_EXCEPTION(EResNotFound, Exception)
VELMORA_EXCEPTION(EListError, Exception)
VELMORA_EXCEPTION(EStringListError, Exception)
VELMORA_EXCEPTION(EOSError, Exception)
VELMORA_EXCEPTION(EIniFileException, Exception)
VELMORA_EXCEPTION(EStreamError, Exception)
VELMORA_EXCEPTION(EReadError, EStreamError)
VELMORA_EXCEPTION(EWriteError, EStreamError)
VELMORA_EXCEPTION(EFOpenError, EStreamError)
VELMORA_EXCEPTION(EFCreateError, EStreamError)
VELMORA_EXCEPTION(EThread, Exception)
VELMORA_EXCEPTION(EMathError, Exception)
VELMORA_EXCEPTION(EInvalidOp, EMathError)

#undef VELMORA_EXCEPTION
