// SPDX-License-Identifier: GPL-3.0-or-later
#include "Command.h"

#include "BackupHistory.h"
#include "JSONStore.h"
#include "Presets.h"

#include <QDir>

#include <algorithm>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

template<typename T> std::optional<T> load(const QString& fileName)
{
    return JSONStore<T>(fileName, JSONStoreFile::defaultDirectory()).load();
}

} // namespace

QString Invocation::path(qsizetype index) const
{
    return QDir(workingDirectory).absoluteFilePath(arguments.at(index));
}

Data::Data(const DefaultsService& service, const ModelData* model)
    : m_service(service)
    , m_model(model)
{
}

QList<Target> Data::customTargets() const
{
    return m_model ? m_model->customTargets() : load<QList<Target>>(u"custom-types.json"_s).value_or(QList<Target>());
}

GuardState Data::guardState() const
{
    return m_model ? m_model->guardState() : load<GuardState>(u"guard.json"_s).value_or(GuardState());
}

QList<Profile> Data::userProfiles() const
{
    return m_model ? m_model->userProfiles() : load<QList<Profile>>(u"profiles.json"_s).value_or(QList<Profile>());
}

QList<FileCategory> Data::categories() const
{
    QList<FileCategory> list = Catalog::all();
    for (const Target& t : customTargets())
        list.append(FileCategory::custom(t));
    return list;
}

FileCategory Data::category(const Target& target) const
{
    for (const FileCategory& c : categories()) {
        if (c.target == target)
            return c;
    }
    return FileCategory::custom(target);
}

QList<Profile> Data::profiles() const
{
    QList<Profile> list = Presets::all();
    for (const Profile& p : userProfiles()) {
        if (p.kind == Profile::Kind::custom)
            list.append(p);
    }
    return list;
}

QList<Profile> Data::backups() const
{
    return BackupHistory::newestFirst(userProfiles());
}

QList<PlanStep> Data::plan(const Profile& profile) const
{
    if (m_model)
        return m_model->plan(profile);
    return ProfilePlanner::plan(
        profile,
        [this](const Target& t) {
            if (!m_current.contains(t))
                m_current.insert(t, m_service.currentDefault(t));
            return m_current.value(t);
        },
        [this](const QString& name) {
            if (!m_located.contains(name))
                m_located.insert(name, m_service.locate(name));
            return m_located.value(name);
        },
        [this](const Target& t) { return m_service.platformType(t); },
        [this](const Target& t, const AppInfo& app) { return m_service.isUsersChoice(t, app.url); });
}

} // namespace openwright::cli
