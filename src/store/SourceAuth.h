#pragma once

#include <QString>

#include <array>

// The access a feed would need, offered when a feed is added by hand. Not
// stored: its text is only a label.
enum class SourceAuth { none, contactEmail, apiKey, bearer, oauth };

inline constexpr std::array allSourceAuths{SourceAuth::none, SourceAuth::contactEmail, SourceAuth::apiKey,
                                           SourceAuth::bearer, SourceAuth::oauth};

QString toText(SourceAuth auth);
