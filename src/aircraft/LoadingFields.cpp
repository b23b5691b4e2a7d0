// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "common/FormatMask.h"

namespace aerolume::aircraft {
namespace {

constexpr int kFieldLength = 7;

QString fixed(double value, int decimals) {
    return QString::fromStdString(formatFixed(value, decimals));
}

}  // namespace

void LoadingFields::build(const Aircraft* a) {
    qDeleteAll(m_built);
    m_built.clear();
    m_stations.clear();
    m_takeoff.clear();
    m_burn.clear();
    m_units.clear();
    if (a == nullptr) {
        return;
    }
    const QString weight = QString::fromLatin1(weightUnit(a->units));
    const auto makeField = [this](const QString& name, const QString& spoken) {
        auto* field = new QLineEdit;
        field->setObjectName(name);
        field->setMaxLength(kFieldLength);
        field->setAccessibleName(spoken);
        m_built.append(field);
        return field;
    };
    const auto makeLabel = [this](const QString& name, const QString& text) {
        auto* label = new QLabel(text);
        label->setObjectName(name);
        m_built.append(label);
        return label;
    };
    for (std::size_t i = 0; i < a->stations.size(); ++i) {
        const Station& s = a->stations[i];
        const QString name = QString::fromStdString(s.name);
        const QString caption =
            s.maxWeight ? tr("%1 (%2, maximum %3):").arg(name, weight, fixed(*s.maxWeight, 1))
                        : tr("%1 (%2):").arg(name, weight);
        QLabel* label = makeLabel(QStringLiteral("lblStation%1").arg(i + 1), caption);
        QLineEdit* field =
            makeField(QStringLiteral("txtStation%1").arg(i + 1), tr("%1 weight").arg(name));
        label->setBuddy(field);
        m_loads->addWidget(label, static_cast<int>(i), 0);
        m_loads->addWidget(field, static_cast<int>(i), 1);
        m_stations.append(field);
    }
    if (!a->tanks.empty()) {
        m_fuel->addWidget(makeLabel(QStringLiteral("lblFuelTakeoff"), tr("Take-off")), 0, 1);
        m_fuel->addWidget(makeLabel(QStringLiteral("lblFuelBurned"), tr("Burned")), 0, 2);
    }
    for (std::size_t i = 0; i < a->tanks.size(); ++i) {
        const Tank& t = a->tanks[i];
        const QString name = QString::fromStdString(t.name);
        const int row = static_cast<int>(i) + 1;
        QLabel* label = makeLabel(
            QStringLiteral("lblTank%1").arg(row),
            tr("%1 (%2 %3):")
                .arg(name, fixed(t.capacity, 1), QString::fromLatin1(volumeUnit(a->units))));
        QLineEdit* fuel =
            makeField(QStringLiteral("txtFuel%1").arg(row), tr("%1 take-off fuel").arg(name));
        QLineEdit* burn =
            makeField(QStringLiteral("txtBurn%1").arg(row), tr("%1 fuel burned").arg(name));
        QLabel* unit = makeLabel(QStringLiteral("lblFuelUnit%1").arg(row), {});
        label->setBuddy(fuel);
        m_fuel->addWidget(label, row, 0);
        m_fuel->addWidget(fuel, row, 1);
        m_fuel->addWidget(burn, row, 2);
        m_fuel->addWidget(unit, row, 3);
        m_takeoff.append(fuel);
        m_burn.append(burn);
        m_units.append(unit);
    }
}

void LoadingFields::show() const {
    for (QWidget* built : m_built) {
        built->show();
    }
}

QList<QLineEdit*> LoadingFields::inOrder() const {
    QList<QLineEdit*> fields = m_stations;
    for (qsizetype i = 0; i < m_takeoff.size(); ++i) {
        fields << m_takeoff.at(i) << m_burn.at(i);
    }
    return fields;
}

void LoadingFields::setFuelUnit(const QString& unit) {
    for (QLabel* label : std::as_const(m_units)) {
        label->setText(unit);
    }
}

}  // namespace aerolume::aircraft
