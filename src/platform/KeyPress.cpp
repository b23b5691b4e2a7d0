// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyPress.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <algorithm>

#include "Beep.h"

namespace aerolume::platform {
namespace {

constexpr int kNoCode = -1;

// The character code a key press stands for, or kNoCode for keys the field handles
// itself (movement, Delete, Tab) and for shortcuts.
int characterCode(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return mods == Qt::NoModifier ? 13 : kNoCode;
        case Qt::Key_Backspace:
            return mods == Qt::NoModifier ? 8 : kNoCode;
        case Qt::Key_Escape:
            return 27;
        default:
            break;
    }
    if (mods & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
        return kNoCode;
    }
    const QString text = event.text();
    if (text.size() != 1) {
        return kNoCode;
    }
    const char16_t c = text.at(0).unicode();
    if (c < 32 || c == 127) {
        return kNoCode;
    }
    return c;
}

class KeyPressFilter final : public QObject {
public:
    KeyPressFilter(QLineEdit* field, KeyPressHandler handler)
        : QObject(field), m_field(field), m_handler(std::move(handler)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_field || event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int original = characterCode(*keyEvent);
        if (original == kNoCode) {
            return false;
        }
        int key = original;
        m_handler(key);
        if (key == 0 || key == 13) {
            return true;  // dropped, or Enter, which inserts nothing
        }
        if (key != original) {
            m_field->insert(QString(QChar(key)));
            return true;
        }
        return key == 27;  // Escape has no meaning in a field
    }

private:
    QLineEdit* m_field;
    KeyPressHandler m_handler;
};

// Judges only what an edit adds to the field: text the program put there (a stored
// entry, say) may hold other characters and can still be edited and shortened.
class CharacterValidator final : public QValidator {
public:
    CharacterValidator(QLineEdit* field, std::function<bool(int)> accepted)
        : QValidator(field), m_accepted(std::move(accepted)), m_last(field->text()) {
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_last = text; });
    }

    State validate(QString& input, int& /*pos*/) const override {
        const qsizetype shorter = std::min(input.size(), m_last.size());
        qsizetype prefix = 0;
        while (prefix < shorter && input[prefix] == m_last[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               input[input.size() - 1 - suffix] == m_last[m_last.size() - 1 - suffix]) {
            ++suffix;
        }
        for (qsizetype i = prefix; i < input.size() - suffix; ++i) {
            if (!m_accepted(input[i].unicode())) {
                beep();
                return Invalid;
            }
        }
        return Acceptable;
    }

private:
    std::function<bool(int)> m_accepted;
    QString m_last;
};

}  // namespace

void onKeyPress(QLineEdit* field, KeyPressHandler handler) {
    field->installEventFilter(new KeyPressFilter(field, std::move(handler)));
}

void acceptOnlyCharacters(QLineEdit* field, std::function<bool(int code)> accepted) {
    field->setValidator(new CharacterValidator(field, std::move(accepted)));
}

}  // namespace aerolume::platform
