// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

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

}  // namespace

QIcon programIcon() {
    QIcon icon;
    icon.addPixmap(picture("icon-32.png"));
    icon.addPixmap(picture("icon-64.png"));
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
