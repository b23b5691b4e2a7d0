// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a checkpoint is typed by its identifier.
// The navigation log's checkpoint column is edited through CheckpointDelegate. Its
// editor is a line edit with a list of offers under the cell (lstOffers, with its
// caption lblOffers): while the pilot types, the places of the airport data that match
// (CheckpointLookup.h: the Airport window's search and ranking, nearest to the previous
// checkpoint first), or for a fix ("SAM 270/15") every navaid of its identifier. The
// Down and Up arrows walk the list and Enter or a click takes the place chosen: its
// name, position, elevation and origin become the checkpoint's, as one command. Enter
// with nothing chosen resolves the text as typed: an identifier of one place takes it
// directly; one of several places shows them all, nearest first, with kind and country,
// and waits for the choice; anything else is the checkpoint's name, its position as
// typed in the next cells. Escape closes the list, then the editor. Without airport
// data the caption says why nothing is offered, and names and positions are typed as
// before.

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

namespace aerolume::planning {

class NavLogModel;

class CheckpointDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    CheckpointDelegate(NavLogModel* model, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    // The editor's keys before the editor and the view: the list's arrows, Enter and
    // Tab on an identifier of several places, Escape on the list.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    NavLogModel* m_model;
};

}  // namespace aerolume::planning
