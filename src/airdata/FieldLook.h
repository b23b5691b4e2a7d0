#pragma once

#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>
#include <QString>

namespace aerolume {

// Gives an input field of the air data windows its white background and a width that
// shows its longest entry ("-1500.", "29.921") without scrolling.
inline void prepareField(QLineEdit* field) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    field->setPalette(palette);
    const QFontMetrics metrics(field->font());
    const int text = metrics.horizontalAdvance(QString(field->maxLength() + 1, QLatin1Char('0')));
    field->setMinimumWidth(text + 2 * metrics.averageCharWidth());
}

}  // namespace aerolume
