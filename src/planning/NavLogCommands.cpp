// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation log's edits as commands on its undo stack: each edit of a checkpoint, an
// insertion, a deletion, a move and a change of the plan's values is one command, which
// puts the change into the model (the put functions in NavLogModel.cpp) when it is done
// or redone, and takes it back when it is undone.
#include <QUndoCommand>
#include <algorithm>

#include "NavLogModel.h"
#include "PlanPlaces.h"

namespace aerolume::planning {
namespace {
// One command per edit; each names itself for the Undo and Redo entries.
class CheckpointCommand final : public QUndoCommand {
public:
    CheckpointCommand(NavLogModel* model, int row, int column, Checkpoint before, Checkpoint after)
        : QUndoCommand(NavLogModel::tr("Edit checkpoint %1").arg(row + 1)),
          m_model(model),
          m_row(row),
          m_column(column),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    void apply(const Checkpoint& point) {
        m_model->putCheckpoint(m_row, point);
        Q_EMIT m_model->touched(m_row, m_column);
    }
    NavLogModel* m_model;
    int m_row;
    int m_column;
    Checkpoint m_before;
    Checkpoint m_after;
};

class InsertCommand final : public QUndoCommand {
public:
    InsertCommand(NavLogModel* model, int row, Checkpoint point, bool insert)
        : InsertCommand(model, row, std::move(point), insert,
                        insert ? NavLogModel::tr("Insert checkpoint %1").arg(row + 1)
                               : NavLogModel::tr("Delete checkpoint %1").arg(row + 1)) {}
    InsertCommand(NavLogModel* model, int row, Checkpoint point, bool insert, const QString& text,
                  int column = 0)
        : QUndoCommand(text),
          m_model(model),
          m_row(row),
          m_column(column),
          m_point(std::move(point)),
          m_insert(insert) {}
    void redo() override { apply(m_insert); }
    void undo() override { apply(!m_insert); }

private:
    void apply(bool insert) {
        if (insert) {
            m_model->putInsert(m_row, m_point);
            Q_EMIT m_model->touched(m_row, m_column);
        } else {
            m_model->putRemove(m_row);
            Q_EMIT m_model->touched(std::min(m_row, m_model->rowCount() - 1), 0);
        }
    }
    NavLogModel* m_model;
    int m_row;
    int m_column;
    Checkpoint m_point;
    bool m_insert;
};

class MoveCommand final : public QUndoCommand {
public:
    MoveCommand(NavLogModel* model, int from, int to)
        : QUndoCommand(NavLogModel::tr("Move checkpoint %1").arg(from + 1)),
          m_model(model),
          m_from(from),
          m_to(to) {}
    void redo() override {
        m_model->putMove(m_from, m_to);
        Q_EMIT m_model->touched(m_to, -1);
    }
    void undo() override {
        m_model->putMove(m_to, m_from);
        Q_EMIT m_model->touched(m_from, -1);
    }

private:
    NavLogModel* m_model;
    int m_from;
    int m_to;
};

class DefaultsCommand final : public QUndoCommand {
public:
    DefaultsCommand(NavLogModel* model, Plan before, Plan after)
        : QUndoCommand(NavLogModel::tr("Edit plan values")),
          m_model(model),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void redo() override { apply(m_after); }
    void undo() override { apply(m_before); }

private:
    void apply(const Plan& plan) { m_model->putValues(plan); }
    NavLogModel* m_model;
    Plan m_before;
    Plan m_after;
};

}  // namespace

void NavLogModel::editPlace(int row, const Checkpoint& place) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    Checkpoint after =
        isNewRow(row) ? nextCheckpoint() : m_plan.checkpoints[static_cast<std::size_t>(row)];
    after.name = oneLineName(place.name);
    after.latitude = place.latitude;
    after.longitude = place.longitude;
    after.elevation = place.elevation;
    after.origin = place.origin;
    pushEdit(row, Name, after);
}

void NavLogModel::pushEdit(int row, int column, const Checkpoint& after) {
    if (isNewRow(row)) {
        if (checkpointCount() >= static_cast<int>(kMaxCheckpoints)) {
            return;
        }
        const int at = checkpointCount();
        m_stack->push(
            new InsertCommand(this, at, after, true, tr("Add checkpoint %1").arg(at + 1), column));
        return;
    }
    const Checkpoint& before = m_plan.checkpoints[static_cast<std::size_t>(row)];
    if (after != before) {
        m_stack->push(new CheckpointCommand(this, row, column, before, after));
    }
}

void NavLogModel::insertCheckpoint(int row) {
    row = std::clamp(row, 0, checkpointCount());
    if (checkpointCount() >= static_cast<int>(kMaxCheckpoints)) {
        return;
    }
    Checkpoint point;
    // At the position of the checkpoint before it, until the pilot types its own.
    if (row > 0) {
        point.latitude = m_plan.checkpoints[static_cast<std::size_t>(row - 1)].latitude;
        point.longitude = m_plan.checkpoints[static_cast<std::size_t>(row - 1)].longitude;
    }
    m_stack->push(new InsertCommand(this, row, point, true));
}

void NavLogModel::deleteCheckpoint(int row) {
    if (row < 0 || row >= checkpointCount()) {
        return;
    }
    m_stack->push(
        new InsertCommand(this, row, m_plan.checkpoints[static_cast<std::size_t>(row)], false));
}

void NavLogModel::moveCheckpoint(int row, int to) {
    const int count = checkpointCount();
    if (row < 0 || row >= count || to < 0 || to >= count || row == to) {
        return;
    }
    m_stack->push(new MoveCommand(this, row, to));
}

void NavLogModel::editDefaults(const PlanDefaults& defaults) {
    if (defaults == m_plan.defaults) {
        return;
    }
    Plan after = m_plan;
    after.defaults = defaults;
    m_stack->push(new DefaultsCommand(this, m_plan, after));
}

void NavLogModel::editName(const QString& name) {
    const std::string line = oneLineName(name.toStdString());
    if (line == m_plan.name) {
        return;
    }
    Plan after = m_plan;
    after.name = line;
    m_stack->push(new DefaultsCommand(this, m_plan, after));
}

void NavLogModel::editDate(const std::optional<PlanDate>& date) {
    if (date == m_plan.date) {
        return;
    }
    Plan after = m_plan;
    after.date = date;
    m_stack->push(new DefaultsCommand(this, m_plan, after));
}

void NavLogModel::editValues(const Plan& values) {
    Plan after = values;
    after.checkpoints = m_plan.checkpoints;
    if (after == m_plan) {
        return;
    }
    m_stack->push(new DefaultsCommand(this, m_plan, after));
}

}  // namespace aerolume::planning
