// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpBox.h"

#include <QMessageBox>

namespace aerolume::platform {

QString helpText(const QStringList& paragraphs) {
    return paragraphs.join(QStringLiteral("\n\r\n\r"));
}

void showHelpBox(QWidget* parent, const QStringList& paragraphs) {
    const QString text = helpText(paragraphs);
    // Qt's text layout breaks a line at a carriage return as well as at a line feed, which
    // would show three empty lines between paragraphs; the box shows the text without
    // the carriage returns, so one empty line separates them, and keeps the stored text.
    QString shown = text;
    shown.remove(QLatin1Char('\r'));
    QMessageBox box(QMessageBox::NoIcon, QObject::tr("Aerolume Help"), shown, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("HelpBox"));
    box.setTextFormat(Qt::PlainText);
    box.setProperty("helpText", text);
    box.exec();
}

}  // namespace aerolume::platform
