// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a key press becomes a caption.
// A calculator window is a CalculatorWindow holding a Designer form (its controls by
// their names). The window declares each text field with addField() or addLastField():
// the field's KeyPress handler (platform/KeyPress.h) first handles Enter, which moves
// the focus to the next field or, in the last field, runs the window's computation,
// and then applies the field's key filter (common/KeyCodes.h): Backspace and a range
// of character codes pass, any other key is dropped with platform::beep(). In the
// original calculators Enter itself then meets the filter and beeps; the newer windows
// declare setEnterSound(EnterSound::Silent), so that there a beep always means a
// refused key. A key that
// passes reaches the field; the field's change handler, where the window has one,
// keeps its numeric value. The computation (the "Compute!" button, or Enter in the
// last field) calls beginRun(), checks the fields in the window's fixed order with
// strictValue() or lenientValue() (common/FieldReading.h) and stops at the first
// failure with fail(), which writes the message into the error label, hides the
// results and clears and focuses the field. When every check passes it calls the
// window's pure core (airdata/, navigation/, loading/, conversions/) and writes each
// result with caption(), which applies a format mask (common/FormatMask.h). Closing
// (the "Close" button Command1, the Close menu entry or the close box) runs
// Form_Unload() and shows the launcher, or the window that opened this one
// (WindowRegistry::showFrom); the Help menu shows the window's Help box.
//
// What a screen reader hears. Each field, option button and result label is named by
// its caption: the label whose buddy it is in the form, or, for the results given to
// setResults(), the caption beside it. A result label speaks its caption as its name
// and its current text as its description; whenever the text has changed, the window
// updates the description once the event that changed it has been handled, which
// announces the new result. The error label speaks its message as its name; showing
// it, like hiding the results, is announced by the toolkit itself.

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <optional>

#include "common/FormatMask.h"
#include "common/KeyCodes.h"
#include "platform/KeyPress.h"

class QAction;
class QMenu;

namespace aerolume {

class WindowRegistry;

class CalculatorWindow : public QMainWindow {
    Q_OBJECT

public:
    // `closeEntryName` and `separatorName` are the object names of the Help menu's
    // Close entry and of the separator above it.
    CalculatorWindow(WindowRegistry& registry, const QString& caption,
                     const QString& closeEntryName = QStringLiteral("mnuClose"),
                     const QString& separatorName = QStringLiteral("mnuxxx"));

    WindowRegistry& registry() const { return m_registry; }

    // The pattern's handlers, under the names the program gives them.
    void Command1_Click();
    void mnuClose_Click();
    void mnuHelp_Click();

protected:
    // Declarations, made once by each window in its constructor.

    // Installs the form (a widget set up by the window's Ui class) as the window's
    // client area, wires its "Close" button Command1, if it has one, and names every
    // control after the caption label whose buddy it is.
    void setForm(QWidget* form);
    void setHelp(QStringList paragraphs) { m_help = std::move(paragraphs); }
    // Adds a paragraph at the end of the Help box.
    void addHelp(const QString& paragraph) { m_help.append(paragraph); }
    // The result area: the captions and value labels hidden while an error is shown,
    // and the error label, which starts hidden. Styles the values as result labels and
    // names each value without a name of its own after the caption at its position.
    void setResults(const QList<QLabel*>& captions, const QList<QLabel*>& values,
                    QLabel* errorLabel, double errorPointSize = 12, bool errorBold = true);
    // The same for a newer window, whose error label has the message look
    // (styleMessageLabel) rather than the results' one; the results keep their room
    // while the message stands in their place.
    void setResultsAndMessage(const QList<QLabel*>& captions, const QList<QLabel*>& values,
                              QLabel* messageLabel);

    // What Enter does once it has moved the focus or run the computation. Beep: it meets
    // the field's key filter, which refuses it with a beep (the original calculators,
    // and the default). Silent: it is dropped without a sound, so that only a refused
    // key beeps (the newer windows). A run that fails is silent either way.
    enum class EnterSound { Beep, Silent };
    void setEnterSound(EnterSound sound) { m_enterSound = sound; }

    // Each field is made wide enough for its longest entry (its maximum length).
    // A field whose Enter moves the focus to `next`.
    void addField(QLineEdit* field, KeyRange accepted, QWidget* next);
    // The last field: Enter runs `compute`, which returns false when a check failed;
    // the key is then left alone, without the filter and without a beep.
    // (Enter that moves on or computes sounds as setEnterSound() chose.)
    void addLastField(QLineEdit* field, KeyRange accepted, std::function<bool()> compute);
    // A field with a handler of its own, for windows whose keys follow other rules.
    // Pasting into it admits only characters inside `accepted`.
    void addCustomField(QLineEdit* field, KeyRange accepted, platform::KeyPressHandler handler);

    // Running a computation.

    // Hides the error label and shows the results.
    void beginRun();
    enum class OnField { ClearAndFocus, FocusOnly, SelectAndFocus, Untouched };
    // Shows `message` in the error label, hides the results, then clears, selects
    // and/or focuses `field` (SelectAndFocus keeps the entry in sight, selected, so the
    // next key replaces it). Always returns false, so a check can `return fail(...)`.
    bool fail(const QString& message, QLineEdit* field = nullptr,
              OnField what = OnField::ClearAndFocus);

    static bool isEmpty(const QLineEdit* field) { return field->text().isEmpty(); }
    static std::optional<double> strictValue(const QLineEdit* field);
    // Of three fields, exactly one must be empty: the one the window computes. Otherwise
    // fails with "Leave empty the field to compute!" (on the first field) or "Fill in
    // two fields and leave one empty!" (on the first empty one) and returns false.
    bool oneLeftEmpty(const QList<QLineEdit*>& fields);
    // The field's number when it holds one from `low` to `high`; otherwise (empty, not a
    // number or out of range) fails with `message`, which names the range, the field's
    // entry selected.
    std::optional<double> readWithin(QLineEdit* field, double low, double high,
                                     const QString& message);
    // A time field's entry (h:mm:ss, h:mm or minutes, common/Durations.h) in hours below
    // `limitHours`; otherwise fails with `message`, the field's entry selected.
    std::optional<double> readHoursBelow(QLineEdit* field, double limitHours,
                                         const QString& message);
    static double lenientValue(const QLineEdit* field);
    // A result caption: the value under the mask, then the suffix.
    static QString caption(double value, Mask mask, const QString& suffix = QString());

    // Runs when the window is unloaded, whatever closes it, before the launcher (or the
    // window that opened this one) is shown again. Windows that keep entries save them here.
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;

    QLabel* errorLabel() const { return m_errorLabel; }

private:
    void installFilter(QLineEdit* field, KeyRange accepted, platform::KeyPressHandler handler);
    // Makes `label` a result that is announced when its text changes.
    void announceChanges(QLabel* label);
    // Gives every result whose text has changed since it was last announced its new
    // description.
    void announceResults();

    WindowRegistry& m_registry;
    QStringList m_help;
    QList<QLabel*> m_results;
    QLabel* m_errorLabel = nullptr;
    QList<QLabel*> m_announced;
    EnterSound m_enterSound = EnterSound::Beep;
};

// Styles shared by every calculator: result labels bold 12 pt dark red, centred.
void styleResultLabel(QLabel* label);
void styleErrorLabel(QLabel* label, double pointSize, bool bold);
// The newer windows' messages, unlike any result: in the window's own font, not bold,
// dark red on a pale ground inside a frame with a thick left edge, wrapped and centred.
// The frame tells a message from a result without its colour.
void styleMessageLabel(QLabel* label);

// Widens a field, where needed, so that it shows `characters` digits whole in its font.
// Every field of a calculator shows its longest entry.
void showWhole(QLineEdit* field, int characters);

// A name of any length (an aircraft's, a station's) as a window shows it: whole when it
// fits in `characters` average characters of the widget's font, else cut with an
// ellipsis. A window never widens for a long name; the whole name goes in a tooltip.
QString elidedName(const QWidget* widget, const QString& name, int characters = 40);
// Shows `text` on the label that way, the whole text in its tooltip when cut.
void setElidedText(QLabel* label, const QString& text, int characters = 40);

// A caption as a screen reader should say it: without the mnemonic marks of "&".
QString spokenCaption(const QString& caption);

}  // namespace aerolume
