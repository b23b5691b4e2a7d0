// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculatorWindow.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ClientArea.h"
#include "WindowRegistry.h"
#include "common/Durations.h"
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

void styleMessageLabel(QLabel* label) {
    // A style sheet draws the frame; it also sets the colours, which the palette of a
    // result label would otherwise give. The font stays the window's, so that large
    // fonts enlarge messages with everything else.
    label->setFont(QFont());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    // As tall as its lines, not as the room it is given (the result area it stands in).
    QSizePolicy policy = label->sizePolicy();
    policy.setVerticalPolicy(QSizePolicy::Maximum);
    label->setSizePolicy(policy);
    label->setStyleSheet(QStringLiteral(
        "QLabel { color: #800000; background-color: #fdf0ee; border: 1px solid #a03020;"
        " border-left-width: 4px; border-radius: 2px; padding: 3px 6px; }"));
}

QString spokenCaption(const QString& caption) {
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" shows one ampersand; a single "&" only marks the next letter.
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        spoken += caption.at(i);
    }
    return spoken;
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
    // When the program is about to wait for the next event, whatever a handler wrote,
    // however it was called, has been written: a result longer than any before gets
    // room (the client area grows in proportion), and the results are announced.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (isVisible()) {
                refitClientArea(this);
            }
            announceResults();
        });
    }
}

void CalculatorWindow::setForm(QWidget* form) {
    setCentralWidget(form);
    if (auto* close = form->findChild<QPushButton*>(QStringLiteral("Command1"))) {
        connect(close, &QPushButton::clicked, this, &CalculatorWindow::Command1_Click);
    }
    for (QLabel* caption : form->findChildren<QLabel*>()) {
        QWidget* named = caption->buddy();
        if (named == nullptr || !named->accessibleName().isEmpty()) {
            continue;
        }
        named->setAccessibleName(spokenCaption(caption->text()));
        if (auto* value = qobject_cast<QLabel*>(named)) {
            announceChanges(value);
        }
    }
}

void CalculatorWindow::setResults(const QList<QLabel*>& captions, const QList<QLabel*>& values,
                                  QLabel* errorLabel, double errorPointSize, bool errorBold) {
    m_results = captions + values;
    m_errorLabel = errorLabel;
    for (qsizetype i = 0; i < values.size(); ++i) {
        QLabel* value = values.at(i);
        styleResultLabel(value);
        if (value->accessibleName().isEmpty() && i < captions.size()) {
            // The caption also labels the value, so a screen reader knows they belong
            // together and need not say the caption twice.
            QLabel* caption = captions.at(i);
            value->setAccessibleName(spokenCaption(caption->text()));
            if (caption->buddy() == nullptr) {
                caption->setBuddy(value);
            }
        }
        announceChanges(value);
    }
    styleErrorLabel(m_errorLabel, errorPointSize, errorBold);
    m_errorLabel->hide();
}

void CalculatorWindow::setResultsAndMessage(const QList<QLabel*>& captions,
                                            const QList<QLabel*>& values, QLabel* messageLabel) {
    setResults(captions, values, messageLabel);
    styleMessageLabel(messageLabel);
    // The message stands where the results stood, as tall as its lines: the results
    // keep their room while hidden, so nothing else on the window moves.
    for (QLabel* label : captions + values) {
        QSizePolicy policy = label->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        label->setSizePolicy(policy);
    }
}

void CalculatorWindow::announceChanges(QLabel* label) {
    if (!m_announced.contains(label)) {
        m_announced.append(label);
        label->setAccessibleDescription(label->text());
    }
}

void CalculatorWindow::announceResults() {
    for (QLabel* label : std::as_const(m_announced)) {
        // The toolkit announces a description that changes.
        if (label->accessibleDescription() != label->text()) {
            label->setAccessibleDescription(label->text());
        }
    }
}

void CalculatorWindow::Command1_Click() {
    // The close gives back the launcher or the window that opened this one; a document
    // window may keep itself open (its unsaved changes), and then nothing else shows.
    close();
}

void CalculatorWindow::mnuClose_Click() {
    Command1_Click();
}

void CalculatorWindow::mnuHelp_Click() {
    platform::showHelpBox(this, m_help);
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    m_registry.showAfterClose(this);
    event->accept();
}

void CalculatorWindow::installFilter(QLineEdit* field, KeyRange accepted,
                                     platform::KeyPressHandler handler) {
    platform::onKeyPress(field, std::move(handler));
    platform::acceptOnlyCharacters(field,
                                   [accepted](int code) { return keyPasses(code, accepted); });
    showWhole(field, field->maxLength());
}

void showWhole(QLineEdit* field, int characters) {
    // The widest digit, a character to spare, and the frame and margins around the text.
    constexpr int kInnerMargins = 2 * 2;
    const QFontMetrics metrics = field->fontMetrics();
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const QMargins margins = field->textMargins();
    const int needed = metrics.horizontalAdvance(QString(characters + 1, u'0')) + 2 * frame +
                       kInnerMargins + margins.left() + margins.right();
    field->setMinimumWidth(std::max(field->minimumWidth(), needed));
}

QString elidedName(const QWidget* widget, const QString& name, int characters) {
    const QFontMetrics metrics = widget->fontMetrics();
    return metrics.elidedText(name, Qt::ElideRight, metrics.averageCharWidth() * characters);
}

void setElidedText(QLabel* label, const QString& text, int characters) {
    const QString shown = elidedName(label, text, characters);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void CalculatorWindow::addField(QLineEdit* field, KeyRange accepted, QWidget* next) {
    installFilter(field, accepted, [this, accepted, next](int& key) {
        if (key == kKeyEnter) {
            next->setFocus(Qt::TabFocusReason);
            if (m_enterSound == EnterSound::Silent) {
                key = 0;
                return;
            }
        }
        if (!keyPasses(key, accepted)) {
            key = 0;
            platform::beep();
        }
    });
}

void CalculatorWindow::addLastField(QLineEdit* field, KeyRange accepted,
                                    std::function<bool()> compute) {
    installFilter(field, accepted, [this, accepted, compute = std::move(compute)](int& key) {
        if (key == kKeyEnter) {
            if (!compute()) {
                return;
            }
            if (m_enterSound == EnterSound::Silent) {
                key = 0;
                return;
            }
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
        if (what == OnField::SelectAndFocus) {
            field->selectAll();
        }
    }
    return false;
}

std::optional<double> CalculatorWindow::strictValue(const QLineEdit* field) {
    return strictNumber(field->text().toStdString());
}

bool CalculatorWindow::oneLeftEmpty(const QList<QLineEdit*>& fields) {
    QLineEdit* firstEmpty = nullptr;
    int empty = 0;
    for (QLineEdit* field : fields) {
        if (isEmpty(field)) {
            firstEmpty = firstEmpty != nullptr ? firstEmpty : field;
            ++empty;
        }
    }
    if (empty == 0) {
        return fail(tr("Leave empty the field to compute!"), fields.constFirst(),
                    OnField::SelectAndFocus);
    }
    if (empty > 1) {
        return fail(tr("Fill in two fields and leave one empty!"), firstEmpty,
                    OnField::SelectAndFocus);
    }
    return true;
}

std::optional<double> CalculatorWindow::readWithin(QLineEdit* field, double low, double high,
                                                   const QString& message) {
    const std::optional<double> value = strictValue(field);
    if (!value || *value < low || *value > high) {
        fail(message, field, OnField::SelectAndFocus);
        return std::nullopt;
    }
    return value;
}

std::optional<double> CalculatorWindow::readHoursBelow(QLineEdit* field, double limitHours,
                                                       const QString& message) {
    const std::optional<double> hours = parseDuration(field->text().toStdString());
    if (!hours || *hours >= limitHours) {
        fail(message, field, OnField::SelectAndFocus);
        return std::nullopt;
    }
    return hours;
}

double CalculatorWindow::lenientValue(const QLineEdit* field) {
    return lenientNumber(field->text().toStdString());
}

QString CalculatorWindow::caption(double value, Mask mask, const QString& suffix) {
    return QString::fromStdString(formatMask(value, mask)) + suffix;
}

}  // namespace aerolume
