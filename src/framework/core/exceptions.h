// The framework's exception classes. Messages are fixed English texts; an exception that leaves a
// handler is shown by the application and the program goes on.
#pragma once

#include <stdexcept>
#include <string>

namespace brisat {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

#define BRISAT_EXCEPTION(Name, Base)                                                               \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    };

BRISAT_EXCEPTION(EConvertError, Exception)
BRISAT_EXCEPTION(EIntOverflow, Exception)
BRISAT_EXCEPTION(EOutOfResources, Exception)
BRISAT_EXCEPTION(EInvalidOperation, Exception)
BRISAT_EXCEPTION(EStreamError, Exception)
BRISAT_EXCEPTION(EReadError, EStreamError)
BRISAT_EXCEPTION(EWriteError, EStreamError)
BRISAT_EXCEPTION(EFOpenError, EStreamError)
BRISAT_EXCEPTION(EFCreateError, EStreamError)
// Object text: a syntax error, and a class name the registry does not know.
BRISAT_EXCEPTION(EParserError, EReadError)
BRISAT_EXCEPTION(EClassNotFound, EReadError)
BRISAT_EXCEPTION(EComponentError, Exception)
BRISAT_EXCEPTION(EListError, Exception)

#undef BRISAT_EXCEPTION

// The framework's fixed texts.
inline constexpr const char* SIntOverflow = "Arithmetic overflow";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";

} // namespace brisat
