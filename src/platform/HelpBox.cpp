#include "HelpBox.h"

#include <QMessageBox>

namespace aerolume::platform {

QString helpText(const QStringList& paragraphs) {
    return paragraphs.join(QStringLiteral("\n\r\n\r"));
}

void showHelpBox(QWidget* parent, const QStringList& paragraphs) {
    const QString text = helpText(paragraphs);
    // Qt breaks lines at the line feeds and draws nothing for a carriage return.
    QMessageBox box(QMessageBox::NoIcon, QObject::tr("Aerolume Help"), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("HelpBox"));
    box.setTextFormat(Qt::PlainText);
    box.setProperty("helpText", text);
    box.exec();
}

}  // namespace aerolume::platform
