#include "ClientArea.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

#include "platform/Twips.h"

namespace aerolume {

double fitClientArea(QMainWindow* window, double widthTwips, double heightTwips) {
    QWidget* client = window->centralWidget();
    const double width = platform::twipsToPixels(widthTwips, window);
    const double height = platform::twipsToPixels(heightTwips, window);
    const QSize needed = client->minimumSizeHint();
    const double scale = std::max({1.0, needed.width() / width, needed.height() / height});
    const int menuHeight =
        window->menuBar() != nullptr ? window->menuBar()->sizeHint().height() : 0;
    window->resize(static_cast<int>(std::ceil(width * scale)),
                   static_cast<int>(std::ceil(height * scale)) + menuHeight);
    return scale;
}

}  // namespace aerolume
