#pragma once

#include <QByteArray>

// How the program introduces itself to the sites it reads: the product token,
// then where to learn about it and whom to write to.
namespace UserAgent {

inline constexpr char product[] = "pelmor/0.1";
inline constexpr char full[] = "pelmor/0.1 (+https://github.com/oxbell/pelmor; contact: pelmor@oxbell.dev)";

}
