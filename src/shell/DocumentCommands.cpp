// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentCommands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>
#include <QWidget>

#include "platform/SettingsStore.h"

namespace aerolume {

DocumentCommands::DocumentCommands(QWidget* window, QUndoStack* stack, DocumentKind kind,
                                   FileFunction read, FileFunction write, ResetFunction reset)
    : QObject(window),
      m_window(window),
      m_stack(stack),
      m_kind(std::move(kind)),
      m_read(std::move(read)),
      m_write(std::move(write)),
      m_reset(std::move(reset)) {
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool) { showCaption(); });
}

bool DocumentCommands::newDocument() {
    if (!maybeSave()) {
        return false;
    }
    m_reset();
    m_stack->clear();
    m_path.clear();
    showCaption();
    return true;
}

bool DocumentCommands::open() {
    if (!maybeSave()) {
        return false;
    }
    const QString path = askFile(false, m_kind.openTitle, m_kind.filter, m_kind.suffix);
    return !path.isEmpty() && openFile(path);
}

bool DocumentCommands::save() {
    return m_path.isEmpty() ? saveAs() : saveFile(m_path);
}

bool DocumentCommands::saveAs() {
    const QString path = askFile(true, m_kind.saveTitle, m_kind.filter, m_kind.suffix);
    return !path.isEmpty() && saveFile(path);
}

bool DocumentCommands::openFile(const QString& path) {
    const QString message = m_read(path);
    if (!message.isEmpty()) {
        warn(message);
        return false;
    }
    m_stack->clear();
    m_path = QFileInfo(path).absoluteFilePath();
    showCaption();
    return true;
}

bool DocumentCommands::saveFile(const QString& path) {
    const QString message = m_write(path);
    if (!message.isEmpty()) {
        warn(message);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_stack->setClean();
    showCaption();
    return true;
}

bool DocumentCommands::maybeSave() {
    if (m_stack->isClean()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, m_kind.title, m_kind.question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    box.setObjectName(QStringLiteral("msgUnsaved"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

QString DocumentCommands::askFile(bool save, const QString& title, const QString& filter,
                                  const QString& suffix, const QString& note) {
    QString folder = platform::readSetting(m_kind.settingsApplication, m_kind.settingsSection,
                                           m_kind.settingsKey);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    // Without a Documents folder the dialog would offer "Documents" as the file's name.
    if (!QFileInfo(folder).isDir()) {
        folder = QDir::homePath();
    }
    QFileDialog dialog(m_window, title, folder, filter);
    dialog.setObjectName(QStringLiteral("dlgFile"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(suffix);
    if (save && !m_path.isEmpty()) {
        dialog.selectFile(QFileInfo(m_path).completeBaseName());
    }
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
        grid != nullptr && !note.isEmpty()) {
        auto* label = new QLabel(note, &dialog);
        label->setObjectName(QStringLiteral("lblFileNote"));
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString path = dialog.selectedFiles().constFirst();
    platform::writeSettings(m_kind.settingsApplication, m_kind.settingsSection,
                            {{m_kind.settingsKey, QFileInfo(path).absolutePath()}});
    return path;
}

void DocumentCommands::warn(const QString& message) const {
    QMessageBox::warning(m_window, m_kind.title, message);
}

void DocumentCommands::showCaption() const {
    const QString name = m_path.isEmpty() ? m_kind.untitled : QFileInfo(m_path).fileName();
    m_window->setWindowTitle(m_kind.caption.arg(name));
    m_window->setWindowModified(!m_stack->isClean());
}

}  // namespace aerolume
