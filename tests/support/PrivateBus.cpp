// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"

#include <QFile>

namespace openwright::test {

using namespace Qt::Literals::StringLiterals;

PrivateBus::PrivateBus()
{
    const QString config = m_dir.filePath(u"bus.conf"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig>\n  <type>session</type>\n");
    file.write(("  <listen>unix:dir=" + m_dir.path() + "</listen>\n").toUtf8());
    file.write("  <auth>EXTERNAL</auth>\n  <policy context=\"default\">\n"
               "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n    <allow eavesdrop=\"true\"/>\n"
               "    <allow own=\"*\"/>\n  </policy>\n</busconfig>\n");
    file.close();

    m_daemon.start(u"dbus-daemon"_s, {u"--config-file="_s + config, u"--print-address=1"_s, u"--nofork"_s});
    if (!m_daemon.waitForStarted(5000))
        return;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) { }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished(3000);
    }
}

QDBusConnection PrivateBus::connect(const QString& name) const
{
    // Qt hands back an existing connection of the same name, even one to an earlier bus.
    return QDBusConnection::connectToBus(m_address, name + u'@' + m_address);
}

} // namespace openwright::test
