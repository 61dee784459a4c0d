// SPDX-License-Identifier: GPL-3.0-or-later
#include "XdgTree.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QThread>

#include <stdexcept>

namespace openwright::test {

using namespace Qt::Literals::StringLiterals;

QString XdgTree::applicationsDir(Level level)
{
    const Sandbox& s = Sandbox::instance();
    return (level == Level::user ? s.dataHome() : s.systemData()) + u"/applications"_s;
}

QString XdgTree::addApp(const QString& id, const QString& name, const QStringList& mimeTypes, Level level,
                        const QString& extraLines)
{
    const QString dir = applicationsDir(level);
    QDir().mkpath(dir);
    const QString path = dir + u'/' + id + u".desktop"_s;
    QString text = u"[Desktop Entry]\nType=Application\nExec=true %U\n"_s;
    if (!name.isNull())
        text += u"Name="_s + name + u'\n';
    text += u"MimeType="_s + mimeTypes.join(u';') + u";\n"_s + extraLines;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error("cannot write a desktop entry");
    return path;
}

void XdgTree::addMimeTypes(const QList<std::pair<QString, QString>>& types)
{
    const QString dir = Sandbox::instance().dataHome() + u"/mime"_s;
    QDir().mkpath(dir + u"/packages"_s);
    QString xml = u"<?xml version=\"1.0\"?>\n"
                  u"<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"_s;
    for (const auto& [type, glob] : types)
        xml += u"<mime-type type=\"%1\"><glob pattern=\"%2\"/></mime-type>\n"_s.arg(type, glob);
    xml += u"</mime-info>\n"_s;
    QSaveFile file(dir + u"/packages/openwright-test.xml"_s);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error("cannot write a MIME package");
    if (QProcess::execute(u"update-mime-database"_s, {dir}) != 0)
        throw std::runtime_error("update-mime-database failed (package shared-mime-info)");
}

void XdgTree::buildCaches()
{
    for (Level level : {Level::user, Level::system}) {
        const QString dir = applicationsDir(level);
        QDir().mkpath(dir);
        if (QProcess::execute(u"update-desktop-database"_s, {u"-q"_s, dir}) != 0)
            throw std::runtime_error("update-desktop-database failed (package desktop-file-utils)");
    }
}

QString XdgTree::writeList(const QString& fileName, const QString& contents)
{
    const QString path = QDir::isAbsolutePath(fileName) ? fileName : Sandbox::instance().configHome() + u'/' + fileName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents.toUtf8()) < 0 || !file.commit())
        throw std::runtime_error("cannot write a mimeapps list");
    return path;
}

QString XdgTree::readList(const QString& fileName)
{
    QFile file(Sandbox::instance().configHome() + u'/' + fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool XdgTree::eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeout.count())
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

} // namespace openwright::test
