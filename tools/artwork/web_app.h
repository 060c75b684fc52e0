#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace trimwise::artwork {

// A file of the installable page that is drawn or written here, by its name in the site.
struct WebAppFile {
    QString name;
    QByteArray bytes;
};

// The home-screen icons of the page, the window icon's airliner drawn at their sizes: plain
// ones at 192 and 512 pixels, a maskable one whose picture stays inside the circle that any
// mask leaves, and Apple's 180-pixel touch icon, the last two on the design's green; and the
// web app manifest that names them, with the window's colours.
[[nodiscard]] std::vector<WebAppFile> WebAppFiles();

} // namespace trimwise::artwork
