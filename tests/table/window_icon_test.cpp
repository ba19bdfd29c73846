#include "support/scripted_platform.h"
#include "table/help_window.h"
#include "table/table_pictures.h"
#include "table/table_window.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The fixed sizes the desktop is given, read from the installed icon theme's folders ("48x48").
QList<QSize> installedIconSizes() {
    QList<QSize> sizes;
    const QDir theme(QStringLiteral(CORVANE_SOURCE_DIR "/data/icons/hicolor"));
    const QRegularExpression square(QStringLiteral("^(\\d+)x\\1$"));
    for (const QString &folder : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QRegularExpressionMatch match = square.match(folder);
        if (match.hasMatch())
            sizes << QSize(match.captured(1).toInt(), match.captured(1).toInt());
    }
    return sizes;
}

} // namespace

TEST(WindowIcon, HoldsEveryWindowSizeOfTheInstalledIconDrawnForThatSize) {
    const QList<QSize> installed = installedIconSizes();
    ASSERT_GE(installed.size(), 8) << "the icon theme folders were not found";
    const QIcon &icon = corvaneIcon();

    for (const int side : windowIconSizes) {
        const QSize size(side, side);
        EXPECT_TRUE(installed.contains(size)) << side << ": the launcher's icon has this size too";
        EXPECT_TRUE(icon.availableSizes().contains(size)) << size.width();
        // An icon drawn for its size fills its own square: the pixmap is neither scaled up from a smaller
        // one nor a missing file's empty picture.
        const QImage image = icon.pixmap(size).toImage();
        EXPECT_EQ(image.size(), size) << size.width();
        EXPECT_TRUE(image.hasAlphaChannel()) << size.width();
        EXPECT_EQ(qAlpha(image.pixel(size.width() / 2, size.height() / 3)), 255)
            << size.width() << ": the card is opaque at its middle";
    }
}

TEST(WindowIcon, IsTheTableAndHelpWindowsIcon) {
    ScriptedTable table;
    BJHelp help;
    const QSize largest(64, 64);

    for (const QWidget *window : std::initializer_list<const QWidget *>{table.window.get(), &help}) {
        const QList<QSize> sizes = window->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(largest)) << window->objectName().toStdString();
        EXPECT_TRUE(std::all_of(sizes.begin(), sizes.end(), [&](QSize size) { return size.width() <= 64; }))
            << window->objectName().toStdString() << ": larger sizes come from the icon theme";
    }
}
