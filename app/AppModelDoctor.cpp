// SPDX-License-Identifier: GPL-3.0-or-later
// The model's side of the doctor: examining the user's defaults files and cleaning them up.
#include "AppModel.h"

#include <QtConcurrent/qtconcurrenttask.h>

#include <algorithm>

namespace openwright {

int AppModel::defaultsFileProblems() const
{
    return int(std::count_if(m_findings.cbegin(), m_findings.cend(),
                             [](const DoctorFinding& f) { return f.isProblem(); }));
}

QFuture<void> AppModel::examineFiles()
{
    const auto paths = m_doctorPaths;
    const DoctorPlatform platform = m_doctorPlatform;
    auto reading = QtConcurrent::task([paths, platform] {
                       QList<DoctorFinding> findings = Doctor::examine(paths(), platform);
                       returnFreedMemory();
                       return findings;
                   })
                       .onThreadPool(m_readers)
                       .spawn();
    return landed(reading, [this](const QList<DoctorFinding>& findings) {
        if (findings == m_findings)
            return;
        m_findings = findings;
        Q_EMIT doctorChanged();
    });
}

QFuture<CleanUpOutcome> AppModel::cleanUp(const QList<DoctorFinding>& selected)
{
    if (std::none_of(selected.cbegin(), selected.cend(), [](const DoctorFinding& f) { return f.fixable; }))
        return QtFuture::makeReadyFuture(CleanUpOutcome());
    // The backup before it holds the defaults as they are: read them first where nothing has
    // read them yet (a command line run).
    if (m_states.isEmpty())
        return continueOn(this, refresh(), [this, selected] { return cleanUpRead(selected); }).unwrap();
    return cleanUpRead(selected);
}

QFuture<CleanUpOutcome> AppModel::cleanUpRead(const QList<DoctorFinding>& selected)
{
    autoBackup(BackupReason::beforeProfile(tr("Clean Up")));
    const auto paths = m_doctorPaths;
    const DoctorPlatform platform = m_doctorPlatform;
    const auto service = m_service;
    // A fix may move any watched default (an alias's line merged, an entry renamed, a parent
    // type's line): each is ours while the clean-up runs, and each it moved takes its new default
    // as the guard's baseline, as after a change of ours, so the guard never undoes the fix.
    const QList<Target> watched = watchedTargets();
    beginOwnChange(watched);
    struct Outcome
    {
        CleanUpOutcome outcome;
        QHash<Target, TargetState> moved;
        QList<MovedAlong> along;
    };
    // On the change thread: no change of a default writes the same files meanwhile.
    auto fixing = QtConcurrent::task([paths, platform, selected, service, watched] {
                      QHash<Target, std::optional<AppInfo>> before;
                      for (const Target& t : watched)
                          before.insert(t, service->currentDefault(t));
                      // A rewritten list or a removed entry can move any type a file may have:
                      // each is compared, so that what moved is told whatever the fix predicted.
                      QList<std::pair<Target, std::optional<QUrl>>> types;
                      for (const QString& type : service->subtypes({QStringLiteral("application/octet-stream")}))
                          types.append({Target::mimeType(type), service->defaultURL(Target::mimeType(type))});
                      Outcome out {Doctor::fix(selected, paths(), platform), {}, {}};
                      if (out.outcome.changedFiles.isEmpty())
                          return out;
                      const auto read = [&](const std::optional<QUrl>& url) {
                          return url ? std::optional(service->appInfo(*url)) : std::nullopt;
                      };
                      for (const Target& t : watched) {
                          if (const auto now = service->currentDefault(t); now != before.value(t)) {
                              out.moved.insert(t, service->state(t));
                              out.along.append({t, before.value(t), now, std::nullopt});
                          }
                      }
                      for (const auto& [t, was] : types) {
                          if (const auto now = service->defaultURL(t); now != was)
                              out.along.append({t, read(was), read(now), std::nullopt});
                      }
                      return out;
                  })
                      .onThreadPool(m_changes)
                      .spawn();
    return landed(fixing,
                  [this, watched](const Outcome& out) {
                      endOwnChange(watched, out.moved);
                      m_movedAlong += out.along;
                      if (!out.moved.isEmpty()) {
                          Q_EMIT statesChanged();
                          Q_EMIT guardStateChanged();
                          saveGuard();
                      }
                      // Read again what the files say now: the defaults, then the problems left.
                      return continueOn(this, refresh(),
                                        [this, outcome = out.outcome] {
                                            return continueOn(this, examineFiles(), [outcome] { return outcome; });
                                        })
                          .unwrap();
                  })
        .unwrap();
}

} // namespace openwright
