#pragma once

#include <QList>

namespace pw {

// The people the logged-in user opened on the member screen lately, most
// recent first, kept between runs per user. Nothing is kept while nobody is
// logged in.
namespace recentPeople {

    // How many are kept.
    constexpr int kKept = 10;

    // The person goes to the top of the user's list (once; the oldest drops
    // off), and the workspace announces it.
    void opened(qint64 memberId);
    // The user's list, most recent first.
    QList<qint64> list();

} // namespace recentPeople

} // namespace pw
