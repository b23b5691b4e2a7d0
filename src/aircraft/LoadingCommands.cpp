// SPDX-License-Identifier: GPL-3.0-or-later
// The loading window's aircraft commands (New, Edit, Duplicate, Delete, Import, Export)
// and the PDF of the loading.
#include <QFileInfo>
#include <QMessageBox>

#include "AircraftEditor.h"
#include "LoadingPdf.h"
#include "LoadingWindow.h"
#include "ui_LoadingWindow.h"

namespace aerolume::aircraft {

bool LoadingWindow::editAircraft(Aircraft& aircraft, const QString& title) {
    AircraftEditor editor(aircraft, this);
    editor.setWindowTitle(title);
    if (m_runDialog(editor) != QDialog::Accepted) {
        return false;
    }
    aircraft = editor.aircraft();
    return true;
}

void LoadingWindow::storeAircraft(const Aircraft& aircraft, const QString& path) {
    QString error;
    if (const auto saved = m_store.save(aircraft, path, &error)) {
        reloadAircraft(*saved);
    } else {
        fail(tr("The aircraft could not be saved, %1.").arg(error));
    }
}

void LoadingWindow::cmdNew_Click() {
    Aircraft aircraft;
    aircraft.name = tr("New aircraft").toStdString();
    if (editAircraft(aircraft, tr("New Aircraft"))) {
        storeAircraft(aircraft, {});
    }
}

void LoadingWindow::cmdEdit_Click() {
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    Aircraft aircraft = *a;
    const QString path = m_entries.at(m_ui->cboAircraft->currentIndex()).path;
    if (editAircraft(aircraft, tr("Edit Aircraft"))) {
        storeAircraft(aircraft, path);
    }
}

void LoadingWindow::cmdDuplicate_Click() {
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    Aircraft copy = *a;
    copy.name = tr("%1 (copy)").arg(QString::fromStdString(a->name)).toStdString();
    storeAircraft(copy, {});
}

void LoadingWindow::cmdDelete_Click() {
    const int i = m_ui->cboAircraft->currentIndex();
    if (i < 0 || i >= m_entries.size()) {
        cboAircraft_Change();
        return;
    }
    QMessageBox ask(QMessageBox::Question, tr("Delete Aircraft"),
                    tr("Delete %1 and its file?").arg(m_ui->cboAircraft->currentText()),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("askDelete"));
    ask.setDefaultButton(QMessageBox::No);
    if (m_runDialog(ask) != QMessageBox::Yes) {
        return;
    }
    QString error;
    if (m_store.remove(m_entries.at(i).path, &error)) {
        reloadAircraft();
    } else {
        fail(tr("The file could not be deleted, %1.").arg(error));
    }
}

void LoadingWindow::cmdImport_Click() {
    const QString source = m_chooseFile(FileRole::Import, {});
    if (source.isEmpty()) {
        return;
    }
    QString error;
    if (const auto path = m_store.importFile(source, &error)) {
        reloadAircraft(*path);
    } else {
        fail(tr("The file could not be imported, %1.").arg(error));
    }
}

void LoadingWindow::cmdExport_Click() {
    const Aircraft* a = selected();
    if (a == nullptr) {
        cboAircraft_Change();
        return;
    }
    const QString target =
        m_chooseFile(FileRole::Export,
                     QFileInfo(m_entries.at(m_ui->cboAircraft->currentIndex()).path).fileName());
    if (target.isEmpty()) {
        return;
    }
    QString error;
    if (!m_store.exportFile(*a, target, &error)) {
        fail(tr("The file could not be written, %1.").arg(error));
    }
}

void LoadingWindow::cmdPdf_Click() {
    if (!compute()) {
        return;
    }
    const QString target = m_chooseFile(FileRole::Pdf, tr("loading.pdf"));
    if (target.isEmpty()) {
        return;
    }
    const Aircraft& aircraft = *selected();
    // The loads and burns as compute() has just read and checked them.
    LoadingInput input;
    for (const QLineEdit* field : m_fields->stations()) {
        input.stationWeights.push_back(isEmpty(field) ? 0 : strictValue(field).value_or(0));
    }
    input.burnFuel = readFuel(m_fields->burn(), {}).value_or(std::vector<double>());
    LoadingReport report;
    report.aircraft = aircraft;
    report.lines = loadingSheet(aircraft, input, *m_result);
    const QList<QLabel*> captions = {m_ui->lblRowRamp, m_ui->lblRowTakeoff, m_ui->lblRowLanding};
    const QList<QLabel*> verdicts = {m_ui->LblRampVerdict, m_ui->LblTakeoffVerdict,
                                     m_ui->LblLandingVerdict};
    // The margins, too long for the table's columns, go with the verdicts.
    const QList<QLabel*> margins = {nullptr, m_ui->LblTakeoffMargin, m_ui->LblLandingMargin};
    const LoadPoint* points[] = {&m_result->ramp, &m_result->takeoff, &m_result->landing};
    for (qsizetype r = 0; r < captions.size(); ++r) {
        QString verdict = captions.at(r)->text() + u' ' + verdicts.at(r)->text();
        if (margins.at(r) != nullptr && points[r]->margin) {
            verdict = tr("%1; margin %2").arg(verdict, margins.at(r)->text());
        }
        report.verdicts << verdict;
    }
    report.graph = m_ui->graphEnvelope->data();
    QString error;
    if (!writeLoadingPdf(target, report, &error)) {
        fail(tr("The PDF could not be written, %1.").arg(error));
    }
}

}  // namespace aerolume::aircraft
