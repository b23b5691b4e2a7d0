// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a window keeps a document on file.
// A document window (the navigation log's plan) holds its document in a model whose
// edits are commands on a QUndoStack, and hands the file commands to one
// DocumentCommands: the window's File menu entries New, Open, Save and Save As, and its
// close event, call newDocument(), open(), save(), saveAs() and maybeSave(). The
// commands keep the file's path and decide what the caption shows: the window's caption
// with the file's name (or "Untitled") and the [*] mark, shown while the stack is not at
// its clean state, so every edit and every undo back to the saved state updates it.
// Before anything unsaved is thrown away, maybeSave() asks Save, Discard or Cancel. The
// window gives the reading and the writing as functions: the reader puts a document
// that reads into the window, the writer writes the window's document; each returns
// the reason when it fails. This is the one place that decides what a failure does: it
// is reported in a message box titled with the window's name, and nothing changes
// (after a failed save the document stays modified under its old path; after a failed
// open the window keeps what it had). The file dialogs (askFile(), also used for the
// window's exports) start in the folder last used, kept as a stored entry.

#include <QObject>
#include <QString>
#include <functional>

class QUndoStack;
class QWidget;

namespace aerolume {

// What the file commands of one kind of document say and where they keep the folder
// last used; every text already translated by the window.
struct DocumentKind {
    QString title;      // the message boxes' title: "Navigation Log"
    QString caption;    // the window's caption, %1 the file's name: "Navigation Log - %1[*]"
    QString untitled;   // the name of a document that has no file yet
    QString question;   // the unsaved-changes question
    QString openTitle;  // the file dialogs' titles and filter for the document's files
    QString saveTitle;
    QString filter;
    QString suffix;  // added to a name typed without one
    // The stored entry that keeps the folder last used.
    QString settingsApplication;
    QString settingsSection;
    QString settingsKey;
};

class DocumentCommands final : public QObject {
    Q_OBJECT

public:
    // Reads or writes the file at the path; returns the reason it failed, or "".
    using FileFunction = std::function<QString(const QString& path)>;
    // Puts an empty document into the window.
    using ResetFunction = std::function<void()>;

    // The commands of `window`, whose document's edits are on `stack`.
    DocumentCommands(QWidget* window, QUndoStack* stack, DocumentKind kind, FileFunction read,
                     FileFunction write, ResetFunction reset);

    // The absolute path of the document's file, "" before it is first saved or opened.
    const QString& path() const { return m_path; }

    // File, New: an empty document without a file, once unsaved changes are dealt with.
    bool newDocument();
    // File, Open: asks about unsaved changes, then for a file, and opens it.
    bool open();
    // File, Save: under the document's path, or as Save As when it has none.
    bool save();
    // File, Save As: asks for a file and saves under it.
    bool saveAs();
    // The commands without their dialogs. Each returns whether it succeeded.
    bool openFile(const QString& path);
    bool saveFile(const QString& path);

    // Asks what to do with unsaved changes (Save, Discard or Cancel); true when the
    // document may be thrown away, false when the pilot cancels or the save fails.
    bool maybeSave();

    // A file name chosen in a file dialog, or "" when cancelled; starts in the folder
    // last used and remembers the chosen file's. A save dialog suggests the document's
    // file name (without its suffix) and adds `suffix` to a name typed without one.
    // A `note` is shown below the dialog's fields (what an export leaves out).
    QString askFile(bool save, const QString& title, const QString& filter, const QString& suffix,
                    const QString& note = {});

    // Reports a failed file command in a message box.
    void warn(const QString& message) const;

    // Writes the caption and the unsaved-changes mark.
    void showCaption() const;

private:
    QWidget* m_window;
    QUndoStack* m_stack;
    DocumentKind m_kind;
    FileFunction m_read;
    FileFunction m_write;
    ResetFunction m_reset;
    QString m_path;
};

}  // namespace aerolume
