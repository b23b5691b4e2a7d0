// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace aerolume::platform {

// The paragraphs of a Help box joined as the program stores them: line feed, carriage
// return, line feed, carriage return between two paragraphs.
QString helpText(const QStringList& paragraphs);

// Shows the modal Help box: title "Aerolume Help", the text, one OK button, no icon.
// Returns when the user has pressed OK. The exact stored text is kept in the box's
// "helpText" property.
void showHelpBox(QWidget* parent, const QStringList& paragraphs);

}  // namespace aerolume::platform
