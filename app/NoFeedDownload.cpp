// SPDX-License-Identifier: GPL-3.0-or-later
// A build without an update feed downloads nothing and loads no network library.
#include "FeedDownload.h"

namespace openwright {

bool FeedDownload::isSupported()
{
    return false;
}

FeedDownload* FeedDownload::start(const Request&, QObject*)
{
    return nullptr;
}

} // namespace openwright
