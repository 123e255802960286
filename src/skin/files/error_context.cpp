#include "skin/files/error_context.h"

#include "framework/core/exceptions.h"
#include "skin/files/zlib_streams.h"

namespace brisat {
namespace {

// Most derived classes first, so each error keeps its own class.
template <class E, class... Rest> [[noreturn]] void Rethrow(const std::string& prefix) {
    try {
        throw;
    } catch (const E& e) {
        throw E(prefix + e.what());
    } catch (...) {
        if constexpr (sizeof...(Rest) > 0)
            Rethrow<Rest...>(prefix);
        else
            throw;
    }
}

} // namespace

void RethrowWithContext(const std::string& context) {
    Rethrow<EDecompressionError, ECompressionError, EZLibError, EParserError, EClassNotFound,
            EReadError, EWriteError, EFOpenError, EFCreateError, EStreamError, EIntOverflow,
            EOutOfResources, EConvertError, EInvalidOperation, EComponentError, EListError,
            Exception>(context + ": ");
}

} // namespace brisat
