#pragma once

#include "DatabaseError.h"

#include <utility>

// For callers that do not report store failures: the command line prints an
// empty report, and the panel shows whatever the next reload finds.

// The result of a read, or an empty one when the read fails.
template<typename Read>
auto orEmpty(Read &&read) -> decltype(std::forward<Read>(read)())
{
    try {
        return std::forward<Read>(read)();
    } catch (const DatabaseError &) {
        return {};
    }
}

// Runs a store call whose failure is left unreported.
template<typename Call>
void ignoringErrors(Call &&call)
{
    try {
        std::forward<Call>(call)();
    } catch (const DatabaseError &) {
    }
}
