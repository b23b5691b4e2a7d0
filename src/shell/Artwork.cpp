// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

#include <QImage>

#include "IconPixels.h"

// Registers the resource file compiled into this static library. Calling it from here
// also keeps the linker from dropping the resources, which nothing else references.
static void initArtwork() {
    Q_INIT_RESOURCE(artwork);
}

namespace aerolume::art {
namespace {

QPixmap picture(const char* name) {
    static const bool registered = [] {
        initArtwork();
        return true;
    }();
    (void)registered;
    return QPixmap(QStringLiteral(":/aerolume/art/") + QString::fromLatin1(name));
}

// A picture whose pixels the build wrote out (IconPixels.h), without decoding a file.
QPixmap fromPixels(const unsigned char* pixels, int width, int height) {
    return QPixmap::fromImage(
        QImage(pixels, width, height, qsizetype{width} * 4, QImage::Format_ARGB32_Premultiplied));
}

}  // namespace

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(fromPixels(kIcon32, kIcon32Width, kIcon32Height));
    icon.addPixmap(fromPixels(kIcon64, kIcon64Width, kIcon64Height));
    return icon;
}

QPixmap productPicture() {
    return picture("product.png");
}

QPixmap beaconDark() {
    return picture("beacon-off.png");
}

QPixmap beaconLit() {
    return picture("beacon-on.png");
}

}  // namespace aerolume::art
