// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Icons.h"
#include "shell/OpenwrightApp.h"

#include <cmath>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

// Every symbol the screens use shows on a bare system: the fallback theme knows it, light and dark.
TEST(Icons, EverySymbolResolvesInTheFallbackThemes)
{
    for (bool dark : {false, true}) {
        QIcon::setThemeName(Icons::fallbackThemeFor(dark));
        for (const QString& symbol : Icons::symbols())
            EXPECT_FALSE(Icons::symbol(symbol).isNull()) << symbol.toStdString() << (dark ? " (dark)" : "");
    }
    Icons::install();
    EXPECT_FALSE(OpenwrightApp::appIcon().isNull());
}

// An entry's Icon= naming a FIFO or a device is not waited for; a drawing file is shown.
TEST(Icons, AnApplicationIconIsReadOnlyFromARegularFile)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"icon.png"_s), svg = dir.filePath(u"icon.svg"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(Icons::application(fifo).isNull());
    EXPECT_TRUE(Icons::application(u"/dev/zero"_s).isNull());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"><rect width="16" height="16"/></svg>)");
    file.close();
    const QIcon icon = Icons::application(svg);
    ASSERT_FALSE(icon.isNull());
    // Drawn at the largest size shown, on the sharpest screen.
    const int largest = int(std::ceil(64 * qApp->devicePixelRatio()));
    EXPECT_EQ(icon.availableSizes(), QList<QSize> {QSize(largest, largest)});
    // A picture is shown at the size it was drawn, but kept no larger than it is ever shown.
    for (const QSize size : {QSize(16, 16), QSize(512, 512), QSize(512, 64)}) {
        const QString png = dir.filePath(u"icon%1x%2.png"_s.arg(size.width()).arg(size.height()));
        QImage(size, QImage::Format_ARGB32).save(png);
        const QSize kept = size.width() > largest ? size.scaled(largest, largest, Qt::KeepAspectRatio) : size;
        EXPECT_EQ(Icons::application(png).availableSizes(), QList<QSize> {kept}) << size.width();
    }
}

// Pinned and not pinned differ by shape, not by colour alone: filled and outlined.
TEST(Icons, APinnedPinIsFilledAndAnUnpinnedOneOutlined)
{
    const auto inked = [](const QString& symbol) {
        const QImage image = Icons::tinted(symbol, Qt::black, 32, 1.0).toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
        }
        return count;
    };
    EXPECT_GT(inked(u"pin"_s), 0);
    EXPECT_GT(inked(u"pin.fill"_s), inked(u"pin"_s) * 5 / 4);
}

// A symbol drawn from the kept drawings of an earlier run is the one drawn from the theme.
TEST(Icons, KeptDrawingsDrawTheSameSymbols)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"drawings"_s);
    Icons::keepDrawingsIn(path);
    const QImage drawn = Icons::tinted(u"pin.fill"_s, Qt::red, 18, 2.0).toImage();
    // The same symbol and size in another colour is a drawing of its own.
    const QImage blue = Icons::tinted(u"pin.fill"_s, Qt::blue, 18, 2.0).toImage();
    EXPECT_NE(blue.convertToFormat(drawn.format()), drawn);
    Icons::saveDrawings();
    ASSERT_TRUE(QFile::exists(path));
    Icons::keepDrawingsIn(path);
    const QImage kept = Icons::tinted(u"pin.fill"_s, Qt::red, 18, 2.0).toImage();
    EXPECT_EQ(kept.convertToFormat(drawn.format()), drawn);
    EXPECT_EQ(kept.devicePixelRatio(), 2.0);
    EXPECT_EQ(Icons::tinted(u"pin.fill"_s, Qt::blue, 18, 2.0).toImage().convertToFormat(blue.format()), blue);

    // A kept drawing damaged within (its ratio no number) is drawn again from the theme.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    // 36 by 36 pixels at a ratio of 2, then the pixels: the red pin's and the blue one's.
    const QByteArray size = QByteArray::fromHex("0000002400000024");
    const QByteArray ratio = size + QByteArray::fromHex("4000000000000000");
    ASSERT_EQ(bytes.count(ratio), 2);
    bytes.replace(ratio, size + QByteArray::fromHex("7ff8000000000000"));
    file.seek(0);
    file.write(bytes);
    file.close();
    Icons::keepDrawingsIn(path);
    EXPECT_EQ(Icons::tinted(u"pin.fill"_s, Qt::red, 18, 2.0).devicePixelRatio(), 2.0);
    Icons::keepDrawingsIn({});
}

} // namespace
