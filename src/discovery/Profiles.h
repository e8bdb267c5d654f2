#pragma once

#include "LinkKind.h"

#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// Recognising a company's profiles on social services.
namespace Discovery {

// A profile's canonical address, and how sure it is to be the company's own:
// rank 0 for a company page, 1 for a person's page, a repository, a video or
// a short link.
struct Profile {
    QString url;
    int rank = 0;

    friend bool operator==(const Profile &, const Profile &) = default;
};

// Whether an address is a share, sign-in or similar action rather than a
// page.
bool isSharing(QStringView url);

// Whether url on host lies under pattern (a service host and a path
// beginning, such as "github.com/"): the host is the service's or one of its
// sub-domains, never a host that merely ends with the service's name.
bool owns(QStringView pattern, const QUrl &url, QStringView host);

// The profile url is an address of, on the kind's service, or nothing for
// the service's own pages and addresses naming no profile.
std::optional<Profile> profile(LinkKind kind, const QUrl &url, QStringView host);

}
