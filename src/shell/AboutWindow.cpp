// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "Artwork.h"
#include "WindowRegistry.h"
#include "common/KeyCodes.h"
#include "platform/KeyPress.h"
#include "ui_AboutWindow.h"

namespace aerolume {
namespace {

void setPointSize(QWidget* widget, double points, bool bold) {
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    widget->setFont(font);
}

void paintWhite(QWidget* widget, QPalette::ColorRole role) {
    QPalette palette = widget->palette();
    palette.setColor(role, Qt::white);
    widget->setPalette(palette);
}

}  // namespace

QString AboutWindow::noticeLine() {
    return tr("For planning practice only: always cross-check with approved sources.");
}

AboutWindow::AboutWindow(WindowRegistry& registry)
    : m_ui(std::make_unique<Ui::AboutForm>()), m_registry(registry) {
    m_ui->setupUi(this);
    paintWhite(this, QPalette::Window);
    setAutoFillBackground(true);

    setPointSize(m_ui->Label2, 13.5, true);
    // Arial where it is installed; otherwise the font database's nearest sans face.
    QFont title(QStringLiteral("Arial"));
    title.setStyleHint(QFont::SansSerif);
    title.setPointSizeF(30);
    m_ui->Label3->setFont(title);
    setPointSize(m_ui->Label1, 8.25, false);
    m_ui->Label1->setText(noticeLine());

    const QPixmap picture = art::productPicture();
    m_ui->Image1->setPixmap(picture);
    m_ui->Image1->setFixedSize(picture.size());

    paintWhite(m_ui->Text1, QPalette::Base);
    platform::onKeyPress(m_ui->Text1, [this](int& key) { Text1_KeyPress(key); });
    connect(m_ui->Command1, &QPushButton::clicked, this, &AboutWindow::Command1_Click);

    setFixedSize(sizeHint());
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::setDataCredit(const QString& credit) {
    if (credit.isEmpty()) {
        return;
    }
    if (m_dataCredit == nullptr) {
        m_dataCredit = new QLabel(this);
        m_dataCredit->setObjectName(QStringLiteral("LblDataCredit"));
        m_dataCredit->setWordWrap(true);
        m_dataCredit->setAlignment(Qt::AlignCenter);
        m_dataCredit->setFocusPolicy(Qt::NoFocus);
        m_dataCredit->setContentsMargins(10, 0, 10, 0);
        setPointSize(m_dataCredit, 7, false);
        // Under the notice line, as wide as the picture.
        m_dataCredit->setFixedWidth(m_ui->Image1->width());
        auto* column = qobject_cast<QVBoxLayout*>(layout());
        column->insertWidget(column->indexOf(m_ui->Label1) + 1, m_dataCredit, 0, Qt::AlignHCenter);
    }
    m_dataCredit->setText(credit);
    m_dataCredit->setAccessibleName(tr("Airport data"));
    setFixedSize(sizeHint());
}

void AboutWindow::Text1_KeyPress(int& keyAscii) {
    // Exactly "hi": no other capitalisation, no space around it. The key itself goes on
    // to the field unchanged (Enter inserts nothing there).
    if (keyAscii == kKeyEnter && m_ui->Text1->text() == QLatin1String("hi")) {
        // Loads the credits window, or only brings the open one forward.
        m_registry.show(QStringLiteral("Surprise"));
    }
}

void AboutWindow::Command1_Click() {
    close();
    m_registry.show(QStringLiteral("Main"));
}

void AboutWindow::Form_Unload() {
    m_registry.show(QStringLiteral("Main"));
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

}  // namespace aerolume
