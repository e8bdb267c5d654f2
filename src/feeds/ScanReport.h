#pragma once

// What one scan did.
struct ScanReport {
    int newItems = 0; // items stored
    int scanned = 0; // feeds attempted
    int failed = 0; // feeds whose attempt failed

    friend bool operator==(const ScanReport &, const ScanReport &) = default;
};
