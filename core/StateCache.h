// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TargetState.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace openwright {

// The states of the watched targets as last read from the platform, with the platform's
// answers stamps taken before that read (LaunchServicing::answersStamp and quickAnswersStamp).
// Kept between runs so that the first window can show every default at once; it is only as true
// as the stamps say, and the platform's own answers replace it as soon as they are read.
struct StateSnapshot
{
    QByteArray stamp;
    QByteArray quickStamp; // empty where none was taken
    QList<TargetState> states;
    QHash<Target, QString> types; // the platform type behind each target

    friend bool operator==(const StateSnapshot&, const StateSnapshot&) = default;
};

// One file of a StateSnapshot. Reading never fails: a missing, damaged or older file gives
// nothing. Saving is atomic and ignores failures (the next read of the platform is the remedy).
// Plain functions over a path; safe on any thread.
namespace StateCache {

std::optional<StateSnapshot> load(const QString& path);
void save(const QString& path, const StateSnapshot& snapshot);

} // namespace StateCache

} // namespace openwright
