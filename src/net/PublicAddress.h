#pragma once

#include <QUrl>

// Whether the program may fetch url on the strength of what a web page or a
// redirect says: http(s) to a named host or a global IP address, never
// localhost or a loopback, private, link-local or unspecified address of the
// user's own machine or network.
bool isPublicAddress(const QUrl &url);
