// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>

namespace openwright {

// The outcome of one change request. Failures are values, never exceptions.
class ChangeResult final
{
public:
    enum class Case
    {
        Failed,
        Changed,
        AlreadyDefault,
        Declined,
        AppMissing
    };

    static ChangeResult failed(QString text) { return ChangeResult(Case::Failed, std::move(text)); }
    static ChangeResult changed() { return ChangeResult(Case::Changed); }
    static ChangeResult alreadyDefault() { return ChangeResult(Case::AlreadyDefault); }
    static ChangeResult declined() { return ChangeResult(Case::Declined); }
    static ChangeResult appMissing() { return ChangeResult(Case::AppMissing); }

    // The same outcome with something the user should know about how it came about.
    ChangeResult withNote(QString note) const
    {
        ChangeResult r = *this;
        r.m_note = std::move(note);
        return r;
    }

    Case kind() const { return m_case; }
    bool isSuccess() const { return m_case == Case::Changed || m_case == Case::AlreadyDefault; }
    // The outcome's text, followed by the note when there is one.
    QString message() const;
    const QString& note() const { return m_note; }

    friend bool operator==(const ChangeResult&, const ChangeResult&) = default;

private:
    explicit ChangeResult(Case c, QString text = {})
        : m_case(c)
        , m_text(std::move(text))
    {
    }
    Case m_case;
    QString m_text; // only for Failed
    QString m_note;
};

inline size_t qHash(const ChangeResult& r, size_t seed = 0) noexcept
{
    return qHashMulti(seed, static_cast<int>(r.kind()),
                      r.kind() == ChangeResult::Case::Failed ? r.message() : QString());
}

} // namespace openwright
