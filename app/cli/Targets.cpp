// SPDX-License-Identifier: GPL-3.0-or-later
// How the words of a command line name types: extensions, link types, MIME types (aliases
// included) and files, each read once, here, in the caller's process.
#include "Output.h"

#include "Gio.h"

#include <QDir>
#include <QFileInfo>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

// A word is a path when it says so: it starts with "/", "./", "../" or "~", or it names a file
// or folder and cannot be an extension ("report.pdf"; "pdf" stays the extension).
bool looksLikePath(const QString& text)
{
    return text.startsWith(u'/') || text.startsWith(u"./"_s) || text.startsWith(u"../"_s) || text == u"."_s
        || text == u".."_s || text == u"~"_s || text.startsWith(u"~/"_s);
}

QString absolutePath(const QString& text, const QString& workingDirectory)
{
    if (text == u"~"_s || text.startsWith(u"~/"_s))
        return QDir::homePath() + text.mid(1);
    return QDir(workingDirectory).absoluteFilePath(text);
}

// A MIME type as the system names it; a link type's handler is the link type itself.
Target typeTarget(const QString& mimeType)
{
    static constexpr QStringView kSchemePrefix = u"x-scheme-handler/";
    if (mimeType.startsWith(kSchemePrefix) && Target::isValidScheme(mimeType.mid(kSchemePrefix.size())))
        return Target::scheme(mimeType.mid(kSchemePrefix.size()));
    return Target::mimeType(mimeType);
}

std::optional<Target> fileTarget(const QString& text, const QString& workingDirectory, Reply& reply)
{
    const auto file = typedFile(text, workingDirectory, reply);
    if (!file)
        return std::nullopt;
    return typeTarget(gio::knownContentType(file->type).value_or(file->type));
}

} // namespace

std::optional<TypedFile> typedFile(const QString& text, const QString& workingDirectory, Reply& reply)
{
    const QString path = absolutePath(text, workingDirectory);
    if (!QFileInfo::exists(path)) {
        reply.fail(2, text + Texts::tr(": There is no such file or folder."));
        return std::nullopt;
    }
    QString problem;
    const auto type = gio::contentTypeOfFile(path, &problem);
    if (!type) {
        reply.fail(2, text + u": "_s + problem + u'.');
        return std::nullopt;
    }
    return TypedFile {path, *type};
}

std::optional<Target> resolveTarget(const QString& word, const QString& workingDirectory, Reply& reply)
{
    const QString text = word.trimmed();
    if (looksLikePath(text))
        return fileTarget(text, workingDirectory, reply);
    if (const auto target = Target::parse(text)) {
        if (!target->isMimeType())
            return target; // whether the system knows the extension is asked later
        if (const auto known = gio::knownContentType(target->payload()))
            return typeTarget(*known);
        if (QFileInfo::exists(absolutePath(text, workingDirectory)))
            return fileTarget(text, workingDirectory, reply);
        reply.fail(2, text + Texts::tr(": The system knows no such MIME type."));
        return std::nullopt;
    }
    if (!text.isEmpty() && QFileInfo::exists(absolutePath(text, workingDirectory)))
        return fileTarget(text, workingDirectory, reply);
    reply.fail(
        2,
        text
            + Texts::tr(": That is not a type. Expected an extension (.pdf or pdf), a link type (mailto:), a MIME "
                        "type (application/pdf) or a file (./report.pdf)."));
    return std::nullopt;
}

Reply parseTargets(Invocation& inv)
{
    Reply reply;
    const QStringList kinds = argumentKinds(*inv.command, inv.arguments.size());
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        if (kinds[i] != u"TARGET"_s)
            continue;
        const auto target = resolveTarget(inv.arguments[i], inv.workingDirectory, reply);
        if (!target)
            return reply;
        // The running application, and every later step, see the type itself.
        inv.arguments[i] = target->id();
    }
    return reply;
}

} // namespace openwright::cli
