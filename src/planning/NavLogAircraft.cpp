// SPDX-License-Identifier: GPL-3.0-or-later
// The plan's aircraft as a command on the navigation log's undo stack: Use Aircraft gives
// the plan the aircraft's name, registration, climb and descent, its cruise speed, fuel
// flow and fuel unit in one step, which one Undo takes back.
#include <QUndoCommand>

#include "NavLogModel.h"

namespace aerolume::planning {
namespace {

class AircraftCommand final : public QUndoCommand {
public:
    AircraftCommand(NavLogModel* model, Plan before, Plan after)
        : QUndoCommand(NavLogModel::tr("Use aircraft")),
          m_model(model),
          m_before(std::move(before)),
          m_after(std::move(after)) {}
    void redo() override { m_model->putAircraft(m_after); }
    void undo() override { m_model->putAircraft(m_before); }

private:
    NavLogModel* m_model;
    Plan m_before;
    Plan m_after;
};

// What the aircraft gives a plan, and nothing else of it.
Plan aircraftOf(const Plan& plan) {
    Plan values;
    values.aircraft = plan.aircraft;
    values.registration = plan.registration;
    values.climb = plan.climb;
    values.descent = plan.descent;
    values.defaults = plan.defaults;
    return values;
}

}  // namespace

void NavLogModel::editAircraft(const Plan& after) {
    if (aircraftOf(after) == aircraftOf(m_plan)) {
        return;
    }
    m_stack->push(new AircraftCommand(this, aircraftOf(m_plan), aircraftOf(after)));
}

void NavLogModel::putAircraft(const Plan& plan) {
    m_plan.aircraft = plan.aircraft;
    m_plan.registration = plan.registration;
    m_plan.climb = plan.climb;
    m_plan.descent = plan.descent;
    m_plan.defaults = plan.defaults;
    recompute();
}

}  // namespace aerolume::planning
