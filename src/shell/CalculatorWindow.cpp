#include "CalculatorWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>

#include "WindowRegistry.h"
#include "common/FieldReading.h"
#include "platform/Beep.h"
#include "platform/HelpBox.h"

namespace aerolume {
namespace {

const QColor kDarkRed(128, 0, 0);

void paintDarkRed(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kDarkRed);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
}

}  // namespace

void styleResultLabel(QLabel* label) {
    paintDarkRed(label);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(12);
    label->setFont(font);
}

void styleErrorLabel(QLabel* label, double pointSize, bool bold) {
    paintDarkRed(label);
    QFont font = label->font();
    font.setBold(bold);
    font.setPointSizeF(pointSize);
    label->setFont(font);
}

CalculatorWindow::CalculatorWindow(WindowRegistry& registry, const QString& caption,
                                   const QString& closeEntryName, const QString& separatorName)
    : m_registry(registry) {
    setWindowTitle(caption);
    QMenu* menu = menuBar()->addMenu(tr("Help"));
    menu->setObjectName(QStringLiteral("menuHelp"));
    QAction* help = menu->addAction(tr("Help..."));
    help->setObjectName(QStringLiteral("mnuHelp"));
    menu->addSeparator()->setObjectName(separatorName);
    QAction* close = menu->addAction(tr("Close"));
    close->setObjectName(closeEntryName);
    connect(help, &QAction::triggered, this, &CalculatorWindow::mnuHelp_Click);
    connect(close, &QAction::triggered, this, &CalculatorWindow::mnuClose_Click);
}

void CalculatorWindow::setForm(QWidget* form) {
    setCentralWidget(form);
    if (auto* close = form->findChild<QPushButton*>(QStringLiteral("Command1"))) {
        connect(close, &QPushButton::clicked, this, &CalculatorWindow::Command1_Click);
    }
}

void CalculatorWindow::setResults(const QList<QLabel*>& captions, const QList<QLabel*>& values,
                                  QLabel* errorLabel, double errorPointSize, bool errorBold) {
    m_results = captions + values;
    m_errorLabel = errorLabel;
    for (QLabel* label : values) {
        styleResultLabel(label);
    }
    styleErrorLabel(m_errorLabel, errorPointSize, errorBold);
    m_errorLabel->hide();
}

void CalculatorWindow::Command1_Click() {
    close();
    m_registry.show(QStringLiteral("Main"));
}

void CalculatorWindow::mnuClose_Click() {
    Command1_Click();
}

void CalculatorWindow::mnuHelp_Click() {
    platform::showHelpBox(this, m_help);
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    m_registry.show(QStringLiteral("Main"));
    event->accept();
}

void CalculatorWindow::installFilter(QLineEdit* field, KeyRange accepted,
                                     platform::KeyPressHandler handler) {
    platform::onKeyPress(field, std::move(handler));
    platform::acceptOnlyCharacters(field,
                                   [accepted](int code) { return keyPasses(code, accepted); });
}

void CalculatorWindow::addField(QLineEdit* field, KeyRange accepted, QWidget* next) {
    installFilter(field, accepted, [accepted, next](int& key) {
        if (key == kKeyEnter) {
            next->setFocus(Qt::TabFocusReason);
        }
        if (!keyPasses(key, accepted)) {
            key = 0;
            platform::beep();
        }
    });
}

void CalculatorWindow::addLastField(QLineEdit* field, KeyRange accepted,
                                    std::function<bool()> compute) {
    installFilter(field, accepted, [accepted, compute = std::move(compute)](int& key) {
        if (key == kKeyEnter && !compute()) {
            return;
        }
        if (!keyPasses(key, accepted)) {
            key = 0;
            platform::beep();
        }
    });
}

void CalculatorWindow::addCustomField(QLineEdit* field, KeyRange accepted,
                                      platform::KeyPressHandler handler) {
    installFilter(field, accepted, std::move(handler));
}

void CalculatorWindow::beginRun() {
    m_errorLabel->hide();
    for (QLabel* widget : m_results) {
        widget->show();
    }
}

bool CalculatorWindow::fail(const QString& message, QLineEdit* field, OnField what) {
    m_errorLabel->setText(message);
    for (QLabel* widget : m_results) {
        widget->hide();
    }
    m_errorLabel->show();
    if (field != nullptr && what != OnField::Untouched) {
        if (what == OnField::ClearAndFocus) {
            field->clear();
        }
        field->setFocus(Qt::OtherFocusReason);
    }
    return false;
}

std::optional<double> CalculatorWindow::strictValue(const QLineEdit* field) {
    return strictNumber(field->text().toStdString());
}

double CalculatorWindow::lenientValue(const QLineEdit* field) {
    return lenientNumber(field->text().toStdString());
}

QString CalculatorWindow::caption(double value, Mask mask, const QString& suffix) {
    return QString::fromStdString(formatMask(value, mask)) + suffix;
}

}  // namespace aerolume
