// SPDX-License-Identifier: GPL-3.0-or-later
// The loading window and the aircraft folder: the list of profiles read again when
// another program (another instance, a text editor, a copy) adds, changes or removes one,
// the shown profile checked before the window computes with it, and the loads typed kept
// across a reload.
#include <QFileInfo>

#include "LoadingWindow.h"
#include "platform/SafeFile.h"
#include "ui_LoadingWindow.h"

namespace aerolume::aircraft {

void LoadingWindow::reloadAircraft(const QString& path) {
    m_entries = m_store.entries();
    const QSignalBlocker blocker(m_ui->cboAircraft);
    m_ui->cboAircraft->clear();
    int select = 0;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const AircraftEntry& e = m_entries.at(i);
        QString text;
        if (e.aircraft) {
            text = QString::fromStdString(e.aircraft->name);
            if (!e.aircraft->registration.empty()) {
                text +=
                    QStringLiteral(" (%1)").arg(QString::fromStdString(e.aircraft->registration));
            }
        } else {
            text = tr("%1 (damaged)").arg(QFileInfo(e.path).fileName());
        }
        m_ui->cboAircraft->addItem(elidedName(m_ui->cboAircraft, text, kAircraftNameCharacters));
        m_ui->cboAircraft->setItemData(static_cast<int>(i),
                                       e.damage.isEmpty() ? text : text + u'\n' + e.damage,
                                       Qt::ToolTipRole);
        if (e.path == path) {
            select = static_cast<int>(i);
        }
    }
    m_ui->cboAircraft->setCurrentIndex(m_entries.isEmpty() ? -1 : select);
    cboAircraft_Change();
}

bool LoadingWindow::selectedIsCurrent() {
    const int i = m_ui->cboAircraft->currentIndex();
    if (i < 0 || i >= m_entries.size()) {
        return true;
    }
    const QString path = m_entries.at(i).path;
    const bool removed = !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
    if (platform::fileStamp(path) == m_entries.at(i).stamp) {
        return true;
    }
    const QStringList typed = typedLoads();
    reloadAircraft(removed ? QString() : path);
    const QString file = QFileInfo(path).fileName();
    if (removed) {
        fail(tr("%1 was removed from the aircraft folder by another program.").arg(file));
        return false;
    }
    const int now = m_ui->cboAircraft->currentIndex();
    if (selected() == nullptr) {
        fail(tr("%1 was changed on disk and cannot be read now, %2.")
                 .arg(file, m_entries.at(now).damage));
        return false;
    }
    restoreLoads(typed);
    fail(tr("%1 was changed on disk and has been read again: check the loads and compute "
            "again.")
             .arg(file));
    return false;
}

void LoadingWindow::aircraftFiles_Change() {
    if (!selectedIsCurrent()) {
        return;
    }
    // Files added or removed beside the one shown: the list follows, the loads stay.
    QStringList listed;
    for (const AircraftEntry& e : m_entries) {
        listed << e.path;
    }
    QStringList onDisk;
    for (const AircraftEntry& e : m_store.entries()) {
        onDisk << e.path;
    }
    listed.sort();
    onDisk.sort();
    if (listed == onDisk) {
        return;
    }
    const int i = m_ui->cboAircraft->currentIndex();
    const QString path = i >= 0 && i < m_entries.size() ? m_entries.at(i).path : QString();
    const QStringList typed = typedLoads();
    reloadAircraft(path);
    const int now = m_ui->cboAircraft->currentIndex();
    if (now >= 0 && m_entries.at(now).path == path) {
        restoreLoads(typed);
    }
}

QStringList LoadingWindow::typedLoads() const {
    QStringList typed;
    for (const QLineEdit* field : m_fields->inOrder()) {
        typed << field->text();
    }
    return typed;
}

void LoadingWindow::restoreLoads(const QStringList& typed) {
    const QList<QLineEdit*> fields = m_fields->inOrder();
    if (fields.size() != typed.size()) {
        return;  // another set of rows: the loads are typed anew
    }
    for (qsizetype f = 0; f < fields.size(); ++f) {
        fields.at(f)->setText(typed.at(f));
    }
}

void LoadingWindow::watchFiles() {
    if (!m_watcher.files().isEmpty()) {
        m_watcher.removePaths(m_watcher.files());
    }
    if (!m_watcher.directories().isEmpty()) {
        m_watcher.removePaths(m_watcher.directories());
    }
    if (QFileInfo(m_store.folder()).isDir()) {
        m_watcher.addPath(m_store.folder());
    }
    const int i = m_ui->cboAircraft->currentIndex();
    if (i >= 0 && i < m_entries.size() && m_entries.at(i).aircraft) {
        m_watcher.addPath(m_entries.at(i).path);
    }
}

}  // namespace aerolume::aircraft
