#pragma once

#include "DatabaseError.h"

#include <utility>

// Runs a store call whose failure the model leaves unreported: the panel
// shows whatever the next reload finds.
template<typename Call>
void ignoringErrors(Call &&call)
{
    try {
        std::forward<Call>(call)();
    } catch (const DatabaseError &) {
    }
}
