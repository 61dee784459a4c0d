// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Target.h"

#include <QJsonValue>
#include <QString>

namespace openwright {

// Why a backup was taken, and how that reason is shown.
class BackupReason final
{
public:
    enum class Case
    {
        manual,
        daily,
        beforeProfile,
        beforeRestore,
        beforeRevert
    };

    static BackupReason manual() { return BackupReason(Case::manual); }
    static BackupReason daily() { return BackupReason(Case::daily); }
    static BackupReason beforeProfile(QString name) { return BackupReason(Case::beforeProfile, std::move(name)); }
    static BackupReason beforeRestore(QString name) { return BackupReason(Case::beforeRestore, std::move(name)); }
    static BackupReason beforeRevert(Target target) { return BackupReason(Case::beforeRevert, {}, std::move(target)); }

    Case kind() const { return m_case; }
    // The profile or backup name of beforeProfile and beforeRestore.
    const QString& name() const { return m_name; }
    // The target of beforeRevert.
    const Target& target() const { return m_target; }

    bool isAutomatic() const { return m_case != Case::manual; }
    QString title() const;
    QString symbol() const;

    void write(JsonWriter& out) const;
    static BackupReason fromJson(const QJsonValue& value);

    friend bool operator==(const BackupReason&, const BackupReason&) = default;

private:
    explicit BackupReason(Case c, QString name = {}, Target target = {})
        : m_case(c)
        , m_name(std::move(name))
        , m_target(std::move(target))
    {
    }
    Case m_case;
    QString m_name;
    Target m_target;
};

} // namespace openwright
