#pragma once

#include "Paywall.h"
#include "SourceCategory.h"

#include <array>

// The outlets a new catalog starts with, and the paywall marks of known
// subscription outlets (seeded or not, so that learned ones get marked too).
namespace CatalogSeeds {

struct Outlet {
    const char *domain; // the outlet's domain as used in article addresses
    const char *name;
    SourceCategory category;
};

struct PaywallMark {
    const char *domain;
    Paywall paywall;
};

// In seeding order: on a fresh file their identifiers are 1 to 71.
extern const std::array<Outlet, 71> outlets;
extern const std::array<PaywallMark, 52> paywalls;

}
