// SPDX-License-Identifier: GPL-3.0-or-later
#include "Icons.h"

#include "core/DrawingCache.h"
#include "core/JSONStore.h"
#include "widgets/Style.h"

#include <QApplication>
#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace openwright::ui::Icons {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kSaveDelayMs = 3000;

struct Row
{
    const char* symbol;
    const char* names; // space-separated theme names, most fitting first
};

const Row kTable[] = {
    // Sidebar groups and tools
    {"gearshape.2", "configure preferences-system"},
    {"doc.text", "document-edit x-office-document"},
    {"sparkles", "tools-wizard draw-star"},
    {"chevron.left.forwardslash.chevron.right", "code-context"},
    {"paintpalette", "color-picker draw-brush applications-graphics"},
    {"book", "documentation application-epub+zip"},
    {"play.rectangle", "media-playback-start applications-multimedia"},
    {"archivebox", "archive-extract package-x-generic"},
    {"cube", "draw-cuboid applications-engineering"},
    {"map", "map-globe map-flat find-location"},
    {"link", "link insert-link"},
    {"gamecontroller", "input-gaming applications-games"},
    {"lock.shield", "object-locked security-high"},
    {"star", "rating emblem-favorite draw-star"},
    {"gauge.with.dots.needle.67percent", "speedometer view-statistics"},
    {"square.stack", "document-multiple edit-copy"},
    {"clock.arrow.circlepath", "document-revert view-history"},
    {"shield.lefthalf.filled", "security-medium security-high"},
    {"shield.slash", "security-low"},
    {"square.grid.2x2", "view-app-grid view-grid applications-other"},
    {"list.bullet.rectangle", "view-list-details view-list-text"},
    // Actions
    {"arrow.clockwise", "view-refresh"},
    {"arrow.triangle.2.circlepath", "media-playlist-repeat view-refresh"}, // not a folder emblem
    {"plus", "list-add"},
    {"plus.square.on.square", "document-new list-add"},
    {"square.and.arrow.up.on.square", "document-export document-share"},
    {"magnifyingglass", "edit-find search"},
    {"pin", "pin window-pin"},
    {"pin.fill", "window-pin pin"},
    {"pin.slash", "window-unpin"},
    {"trash", "user-trash edit-delete"},
    {"gearshape", "configure preferences-system"},
    {"power", "system-shutdown application-exit"},
    {"arrow.down.doc", "document-import"},
    {"arrow.right", "arrow-right go-next"},
    {"arrow.left.arrow.right", "exchange-positions"},
    // States
    {"checkmark", "checkmark dialog-ok"},
    {"checkmark.circle", "dialog-ok-apply checkmark"},
    {"checkmark.circle.fill", "dialog-ok-apply checkmark"},
    {"checkmark.seal", "approved emblem-checked dialog-ok-apply"},
    {"exclamationmark.circle.fill", "data-warning dialog-warning"},
    {"xmark.circle.fill", "dialog-cancel"},
    {"xmark.app", "dialog-cancel application-exit"},
    {"hourglass", "chronometer view-history"},
    {"questionmark.circle", "question dialog-question"},
    {"questionmark.app.dashed", "select-rectangular application-x-executable"},
    {"app.dashed", "select-rectangular application-x-executable unknown"},
    {"info.circle", "help-about dialog-information"},
    // Backups and profiles
    {"hand.tap", "document-save user-identity"},
    {"calendar", "view-calendar"},
    {"square.stack.3d.down.right", "preferences-desktop-default-applications document-multiple"},
    {"briefcase", "view-bank folder-documents"},
    {"hand.raised", "preflight-verifier security-high"},
    {"play.circle", "media-playback-start"},
    {"terminal", "dialog-scripts utilities-terminal"},
};

} // namespace

QStringList themeNames(const QString& symbol)
{
    for (const Row& row : kTable) {
        if (symbol == QLatin1StringView(row.symbol))
            return QString::fromLatin1(row.names).split(u' ');
    }
    return {};
}

const QStringList& symbols()
{
    static const QStringList all = [] {
        QStringList list;
        for (const Row& row : kTable)
            list.append(QString::fromLatin1(row.symbol));
        return list;
    }();
    return all;
}

namespace {

// The theme's drawing of a symbol. Symbolic variants ("edit-delete-symbolic") come first: they
// are single-colour by design, where a theme's full-colour icon would tint into a blob.
QIcon shape(const QString& name)
{
    static QHash<QString, QIcon> cache;
    const QString key = name + u'@' + QIcon::themeName();
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    const QStringList names = themeNames(name);
    QStringList candidates;
    for (const QString& theme : names)
        candidates.append(theme + u"-symbolic"_s);
    candidates.append(names);
    QIcon icon;
    for (const QString& candidate : std::as_const(candidates)) {
        icon = QIcon::fromTheme(candidate);
        if (!icon.isNull())
            break;
    }
    cache.insert(key, icon);
    return icon;
}

// Draws a symbol in the text colour of the palette at the time it is painted, so icons read on
// light and dark palettes alike and follow a palette change.
class SymbolEngine final : public QIconEngine
{
public:
    explicit SymbolEngine(QString name)
        : m_name(std::move(name))
    {
    }
    QIconEngine* clone() const override { return new SymbolEngine(m_name); }
    QString key() const override { return u"openwright-symbol"_s; }
    QString iconName() override { return m_name; }
    bool isNull() override { return shape(m_name).isNull(); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QPalette palette = QApplication::palette();
        QColor color = palette.color(QPalette::ButtonText);
        if (mode == QIcon::Disabled)
            color = palette.color(QPalette::Disabled, QPalette::ButtonText);
        else if (mode == QIcon::Selected)
            color = palette.color(QPalette::HighlightedText);
        return tinted(m_name, color, qMin(size.width(), size.height()), scale);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

private:
    QString m_name;
};

} // namespace

QIcon symbol(const QString& name)
{
    if (shape(name).isNull())
        return {};
    return QIcon(new SymbolEngine(name));
}

namespace {

std::unique_ptr<DrawingCache> g_drawings;
QHash<QString, QPixmap> g_drawn;

QByteArray encode(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(image.width()) << qint32(image.height()) << image.devicePixelRatio()
        << QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return bytes;
}

QPixmap decode(const QByteArray& bytes)
{
    QDataStream in(bytes);
    qint32 width = 0, height = 0;
    qreal ratio = 1;
    QByteArray bits;
    in >> width >> height >> ratio >> bits;
    // A damaged ratio (not a number, say) would pass a test that it is above zero.
    if (in.status() != QDataStream::Ok || width <= 0 || height <= 0 || width > 1024 || height > 1024
        || !(ratio > 0 && ratio <= 16) || bits.size() != qsizetype(width) * height * 4)
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), bits.constData() + qsizetype(y) * width * 4, size_t(width) * 4);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

// A pushpin, drawn here rather than taken from the theme: pinned (filled) and not pinned
// (outlined) must differ by shape, not by colour alone, and themes draw one pin or none.
QPixmap pushpin(bool filled, const QColor& color, int size, qreal devicePixelRatio)
{
    QPixmap out(QSize(size, size) * devicePixelRatio);
    out.setDevicePixelRatio(devicePixelRatio);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    // Leaning, as a pin stuck into a board: head up right, needle down left.
    p.translate(8, 8);
    p.rotate(45);
    p.translate(-8, -8);
    QPainterPath body;
    body.addRoundedRect(QRectF(5.5, 1, 5, 2.2), 0.8, 0.8); // the head
    body.moveTo(6.5, 3.2);
    body.lineTo(9.5, 3.2);
    body.lineTo(10.3, 8);
    body.lineTo(5.7, 8);
    body.closeSubpath();
    body.addRoundedRect(QRectF(3.5, 8, 9, 2), 0.8, 0.8); // the collar
    const QPen pen(color, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(filled ? QBrush(color) : Qt::NoBrush);
    p.drawPath(body.simplified());
    p.drawLine(QPointF(8, 10), QPointF(8, 15)); // the needle
    return out;
}

QPixmap render(const QString& name, const QColor& color, int size, qreal devicePixelRatio)
{
    if (name == u"pin"_s || name == u"pin.fill"_s)
        return pushpin(name == u"pin.fill"_s, color, size, devicePixelRatio);
    QPixmap source = shape(name).pixmap(QSize(size, size), devicePixelRatio);
    if (source.isNull())
        return source;
    QPixmap out(source.size());
    out.setDevicePixelRatio(source.devicePixelRatio());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, source);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), color);
    return out;
}

} // namespace

QPixmap tinted(const QString& name, const QColor& color, int size, qreal devicePixelRatio)
{
    const QString key = name + u'|' + QIcon::themeName() + u'|' + QString::number(color.rgba(), 16) + u'|'
        + QString::number(size) + u'|' + QString::number(devicePixelRatio);
    if (const auto it = g_drawn.constFind(key); it != g_drawn.cend())
        return *it;
    QPixmap out;
    if (const QByteArray* kept = g_drawings ? g_drawings->find(key) : nullptr)
        out = decode(*kept);
    if (out.isNull()) {
        out = render(name, color, size, devicePixelRatio);
        if (g_drawings && !out.isNull()) {
            const bool first = !g_drawings->hasUnsaved();
            g_drawings->insert(key, encode(out));
            // Once the screen has settled, not in the middle of drawing it.
            if (first)
                QTimer::singleShot(kSaveDelayMs, qApp, &saveDrawings);
        }
    }
    g_drawn.insert(key, out);
    return out;
}

void keepDrawingsIn(const QString& path)
{
    g_drawn.clear();
    if (path.isEmpty()) {
        g_drawings.reset();
        return;
    }
    // Valid while the themes that draw the symbols, and the program drawing them, are the same.
    const QStringList paths = QIcon::themeSearchPaths();
    QStringList sources;
    for (const QString& theme : {QIcon::themeName(), QIcon::fallbackThemeName(), u"hicolor"_s}) {
        for (const QString& dir : paths) {
            for (const QString& file : {u"index.theme"_s, u"icon-theme.cache"_s})
                sources.append(dir + u'/' + theme + u'/' + file);
        }
    }
    const QByteArray key = (QIcon::themeName() + u'|' + QIcon::fallbackThemeName() + u'|' + paths.join(u':') + u'|'
                            + QCoreApplication::applicationVersion() + u'|' + QString::fromLatin1(qVersion()))
                               .toUtf8();
    g_drawings = std::make_unique<DrawingCache>(path, key, sources);
}

void saveDrawings()
{
    if (g_drawings)
        g_drawings->save();
}

namespace {

// The largest an application's icon is shown: 48 in the header of its page, the list of
// applications as large as the user's font makes it.
int largestAppIcon()
{
    return std::max(64, Style::spacing(4));
}

// An entry's Icon= may name any file: only a regular one is read (a FIFO would never answer),
// and only so much of it. It is kept at the largest size shown on the sharpest screen, not at its
// own: a drawing made at 256 pixels held 256 KB for each such entry.
QIcon iconFromFile(const QString& path, int largest)
{
    constexpr qsizetype kMaxIconBytes = 8 * 1024 * 1024;
    const FileRead read = readWholeFile(path, kMaxIconBytes);
    if (!read.bytes)
        return {};
    QBuffer buffer;
    buffer.setData(*read.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (reader.format().startsWith("svg") || size.width() > largest || size.height() > largest))
        reader.setScaledSize(size.scaled(largest, largest, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

} // namespace

QIcon application(const QString& iconName)
{
    if (iconName.isEmpty())
        return {};
    static QHash<QString, QIcon> cache;
    const int largest = int(std::ceil(largestAppIcon() * qApp->devicePixelRatio()));
    // A file's drawing is kept for the sharpest screen there is: another may be plugged in.
    const QString key = iconName.startsWith(u'/') ? iconName + u'@' + QString::number(largest) : iconName;
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    QIcon icon;
    if (iconName.startsWith(u'/'))
        icon = iconFromFile(iconName, largest);
    else
        icon = QIcon::fromTheme(iconName);
    cache.insert(key, icon);
    return icon;
}

QPixmap placeholder(int size, const QPalette& palette, qreal devicePixelRatio)
{
    return tinted(QStringLiteral("questionmark.app.dashed"), Style::color(Style::Tone::secondary, palette), size,
                  devicePixelRatio);
}

QString fallbackThemeFor(bool dark)
{
    return dark ? QStringLiteral("breeze-dark") : QStringLiteral("breeze");
}

void install()
{
    // The fallback theme is installed system-wide; a session whose XDG_DATA_DIRS leaves out the
    // system folders (a sandbox) must still find it.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& dir : {u"/usr/local/share/icons"_s, u"/usr/share/icons"_s}) {
        if (!paths.contains(dir))
            paths.append(dir);
    }
    QIcon::setThemeSearchPaths(paths);
    const bool dark = Style::isDark(QApplication::palette());
    QIcon::setFallbackThemeName(fallbackThemeFor(dark));
    // Without a desktop theme (a bare session) Qt looks only in hicolor: use the fallback.
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == u"hicolor")
        QIcon::setThemeName(fallbackThemeFor(dark));
}

} // namespace openwright::ui::Icons
