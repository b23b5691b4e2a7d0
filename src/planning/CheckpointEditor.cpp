// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckpointEditor.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "CheckpointLookup.h"
#include "NavLogModel.h"
#include "airports/AirportCaptions.h"
#include "common/FormatMask.h"

namespace aerolume::planning {
namespace {

constexpr int kOffersShown = 12;
constexpr int kRowsInSight = 8;

QString tr(const char* text) {
    return CheckpointDelegate::tr(text);
}

// The list of offers under the edited cell: a child of the window, above the table, that
// never takes the focus from the editor.
class OffersList final : public QFrame {
public:
    explicit OffersList(QWidget* window) : QFrame(window) {
        setObjectName(QStringLiteral("frmOffers"));
        setFrameShape(QFrame::Box);
        setAutoFillBackground(true);
        setFocusPolicy(Qt::NoFocus);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(2);
        m_caption = new QLabel(this);
        m_caption->setObjectName(QStringLiteral("lblOffers"));
        m_caption->setWordWrap(true);
        m_list = new QTreeWidget(this);
        m_list->setObjectName(QStringLiteral("lstOffers"));
        m_list->setAccessibleName(tr("Places in the airport data"));
        m_list->setFocusPolicy(Qt::NoFocus);
        m_list->viewport()->setFocusPolicy(Qt::NoFocus);
        m_list->setRootIsDecorated(false);
        m_list->setUniformRowHeights(true);
        m_list->setHeaderLabels(
            {tr("Identifier"), tr("Name"), tr("Kind"), tr("Country"), tr("Distance")});
        m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        layout->addWidget(m_caption);
        layout->addWidget(m_list);
        QObject::connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
            if (clicked) {
                clicked(m_list->indexOfTopLevelItem(item));
            }
        });
        hide();
    }

    void fill(const QString& caption, const QList<PlaceOffer>& offers, bool chooseFirst) {
        m_caption->setText(caption);
        m_list->clear();
        for (const PlaceOffer& offer : offers) {
            const airports::Place& p = offer.place;
            m_list->addTopLevelItem(new QTreeWidgetItem(
                {QString::fromStdString(offer.fix ? checkpointName(p, offer.fix) : p.Ident),
                 QString::fromStdString(p.Name), airports::kindCaption(p),
                 QString::fromStdString(p.Country),
                 offer.distance ? tr("%1 NM").arg(QString::fromStdString(
                                      formatFixed(*offer.distance, *offer.distance < 10 ? 1 : 0)))
                                : QString()}));
        }
        m_list->setVisible(!offers.isEmpty());
        if (chooseFirst && !offers.isEmpty()) {
            m_list->setCurrentItem(m_list->topLevelItem(0));
        } else {
            m_list->setCurrentItem(nullptr);
            m_list->clearSelection();
        }
    }

    // Under the cell (above it where the window has no room below), within the window.
    void place(QAbstractItemView* view, const QModelIndex& index) {
        QWidget* window = parentWidget();
        const QRect cell = view->visualRect(index);
        const int rows = std::min(m_list->topLevelItemCount(), kRowsInSight);
        const int rowHeight = std::max(m_list->sizeHintForRow(0), fontMetrics().height() + 4);
        const int width = std::min(window->width() - 8, std::max(cell.width(), 620));
        m_caption->setFixedWidth(width - 10);
        const int listHeight = rows > 0 ? rowHeight * rows + m_list->header()->sizeHint().height() +
                                              2 * m_list->frameWidth() + 2
                                        : 0;
        if (rows > 0) {
            m_list->setFixedHeight(listHeight);
        }
        const int height = m_caption->heightForWidth(width - 10) + listHeight + 14;
        QPoint at = view->viewport()->mapTo(window, cell.bottomLeft());
        if (at.y() + height > window->height()) {
            at.setY(std::max(0, view->viewport()->mapTo(window, cell.topLeft()).y() - height));
        }
        at.setX(std::clamp(at.x(), 0, std::max(0, window->width() - width)));
        setGeometry(QRect(at, QSize(width, height)));
        show();
        raise();
    }

    int count() const { return m_list->isVisible() ? m_list->topLevelItemCount() : 0; }
    int current() const { return m_list->indexOfTopLevelItem(m_list->currentItem()); }
    void move(int delta) {
        const int to = current() < 0 ? (delta > 0 ? 0 : count() - 1)
                                     : std::clamp(current() + delta, 0, count() - 1);
        m_list->setCurrentItem(m_list->topLevelItem(to));
    }

    // What a click on an offer does, for the editor that shows the list now.
    std::function<void(int)> clicked;
    const QObject* owner = nullptr;

private:
    QLabel* m_caption;
    QTreeWidget* m_list;
};

// The context a row's checkpoint is looked up in: the checkpoint before it, the plan's
// date and variation.
LookupContext contextFor(const NavLogModel& model, int row) {
    const Plan& plan = model.plan();
    LookupContext context;
    const int before = std::min(row, model.checkpointCount()) - 1;
    if (before >= 0) {
        const Checkpoint& point = plan.checkpoints[static_cast<std::size_t>(before)];
        context.previous = Position{point.latitude, point.longitude};
    }
    if (plan.date) {
        context.planYear = planDecimalYear(*plan.date);
    }
    context.planVariation = plan.defaults.variation;
    return context;
}

CheckpointFinder finderFor(const NavLogModel& model, int row) {
    return CheckpointFinder(airports::AirportData::instance().database(), contextFor(model, row));
}

// Why no place is offered without the data.
QString noDataCaption() {
    QString why = airports::AirportData::instance().notice();
    if (why.isEmpty()) {
        why = tr("There is no airport data.");
    }
    return tr("No places offered: %1 Type the position in the Latitude and Longitude cells.")
        .arg(why);
}

class CheckpointEdit final : public QLineEdit {
public:
    CheckpointEdit(QWidget* parent, const CheckpointDelegate* delegate, NavLogModel* model,
                   const QModelIndex& index)
        : QLineEdit(parent), m_model(model), m_index(index) {
        setMaxLength(static_cast<int>(kMaxNameLength));
        m_view = qobject_cast<QAbstractItemView*>(parent->parentWidget());
        if (m_view != nullptr) {
            QWidget* window = m_view->window();
            m_list = window->findChild<OffersList*>(QStringLiteral("frmOffers"),
                                                    Qt::FindDirectChildrenOnly);
            if (m_list == nullptr) {
                m_list = new OffersList(window);
            }
            m_list->owner = this;
            m_list->clicked = [this, delegate](int row) {
                if (row >= 0 && row < m_offers.size()) {
                    chosen = m_offers.at(row);
                    Q_EMIT const_cast<CheckpointDelegate*>(delegate)->commitData(this);
                    Q_EMIT const_cast<CheckpointDelegate*>(delegate)->closeEditor(this);
                }
            };
        }
        QObject::connect(this, &QLineEdit::textEdited, this, [this] { offer(); });
    }
    ~CheckpointEdit() override {
        // The list is the window's; another cell's editor may have it by now.
        if (m_list != nullptr && m_list->owner == this) {
            m_list->hide();
            m_list->clicked = nullptr;
            m_list->owner = nullptr;
        }
    }
    CheckpointEdit(const CheckpointEdit&) = delete;
    CheckpointEdit& operator=(const CheckpointEdit&) = delete;

    CheckpointFinder finder() const { return finderFor(*m_model, m_index.row()); }

    // What the text typed so far matches.
    void offer() {
        chosen.reset();
        if (m_list == nullptr) {
            return;
        }
        const CheckpointFinder f = finder();
        if (airports::AirportData::instance().database() == nullptr) {
            showOffers(noDataCaption(), {}, false);
            return;
        }
        if (text().trimmed().isEmpty()) {
            hideList();
            return;
        }
        const QList<PlaceOffer> found = f.offers(text(), kOffersShown);
        showOffers(found.isEmpty()
                       ? tr("No place in the airport data matches: the text becomes the "
                            "checkpoint's name.")
                       : tr("In the airport data: the Down arrow and Enter, or a click, "
                            "take one."),
                   found, false);
    }

    // Enter or Tab: the place chosen in the list, or the text resolved. False while the
    // text names several places, which the list now offers.
    bool takeEntry() {
        if (m_list != nullptr && m_list->count() > 0 && m_list->current() >= 0) {
            chosen = m_offers.value(m_list->current());
            return true;
        }
        const CheckpointLookup lookup = finder().resolve(text());
        if (lookup.outcome != LookupOutcome::Choose || m_list == nullptr) {
            return true;
        }
        const QString typed =
            QString::fromStdString(oneLineName(text().trimmed().toUpper().toStdString()));
        const bool ordered = contextFor(*m_model, m_index.row()).previous.has_value();
        showOffers(ordered
                       ? tr("%1 names %2 places, nearest to the previous checkpoint first: "
                            "choose one.")
                             .arg(typed)
                             .arg(lookup.offers.size())
                       : tr("%1 names %2 places: choose one.").arg(typed).arg(lookup.offers.size()),
                   lookup.offers, true);
        return false;
    }

    void moveDownAfterEntry() {
        if (m_view == nullptr) {
            return;
        }
        QMetaObject::invokeMethod(
            m_view,
            [view = m_view, model = QPointer<NavLogModel>(m_model), row = m_index.row()] {
                if (view != nullptr && model != nullptr && row < model->checkpointCount()) {
                    view->setCurrentIndex(model->index(row + 1, NavLogModel::Name));
                }
            },
            Qt::QueuedConnection);
    }

    bool hasOffers() const { return m_list != nullptr && m_list->count() > 0; }
    void move(int delta) { m_list->move(delta); }
    bool listShown() const { return m_list != nullptr && m_list->isVisible(); }
    void hideList() {
        if (m_list != nullptr) {
            m_list->hide();
        }
    }

    std::optional<PlaceOffer> chosen;

private:
    void showOffers(const QString& caption, const QList<PlaceOffer>& offers, bool chooseFirst) {
        m_offers = offers;
        m_list->fill(caption, offers, chooseFirst);
        if (m_view != nullptr && m_index.isValid()) {
            m_list->place(m_view, m_index);
        }
    }

    NavLogModel* m_model;
    QPersistentModelIndex m_index;
    QPointer<QAbstractItemView> m_view;
    QPointer<OffersList> m_list;
    QList<PlaceOffer> m_offers;
};

}  // namespace

CheckpointDelegate::CheckpointDelegate(NavLogModel* model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model) {}

QWidget* CheckpointDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                          const QModelIndex& index) const {
    auto* editor = new CheckpointEdit(parent, this, m_model, index);
    editor->setFrame(false);
    return editor;
}

void CheckpointDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
}

void CheckpointDelegate::setModelData(QWidget* editor, QAbstractItemModel* /*model*/,
                                      const QModelIndex& index) const {
    auto* edit = static_cast<CheckpointEdit*>(editor);
    const int row = index.row();
    const CheckpointFinder finder = edit->finder();
    const auto refuse = [&](const QString& message) { Q_EMIT m_model->refused(index, message); };
    if (edit->chosen) {
        if (const auto point = finder.checkpointOf(*edit->chosen)) {
            m_model->editPlace(row, *point);
        } else {
            refuse(tr("The airport data cannot be read now: enter the checkpoint's position!"));
        }
        return;
    }
    const QString typed = edit->text().trimmed();
    const CheckpointLookup lookup = finder.resolve(typed);
    // The identifier as the data writes it, for the messages.
    const QString ident = QString::fromStdString(oneLineName(typed.toUpper().toStdString()));
    switch (lookup.outcome) {
        case LookupOutcome::Found:
            m_model->editPlace(row, *lookup.checkpoint);
            return;
        case LookupOutcome::Choose:
            refuse(tr("%1 names %2 places in the airport data: enter it again and choose one!")
                       .arg(ident)
                       .arg(lookup.offers.size()));
            return;
        case LookupOutcome::UnknownNavaid:
            refuse(tr("The airport data has no navaid %1, so the fix cannot be placed: enter its "
                      "latitude and longitude instead!")
                       .arg(QString::fromStdString(lookup.fix->navaid)));
            return;
        case LookupOutcome::NoData:
            if (lookup.fix) {
                refuse(
                    tr("Without the airport data the fix cannot be placed: enter its latitude "
                       "and longitude instead!"));
                return;
            }
            break;
        case LookupOutcome::NotInData:
            break;
    }
    m_model->setData(index, typed, Qt::EditRole);
}

bool CheckpointDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* edit = dynamic_cast<CheckpointEdit*>(object);
    if (edit != nullptr && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Down:
            case Qt::Key_Up:
            case Qt::Key_PageDown:
            case Qt::Key_PageUp:
                if (edit->hasOffers()) {
                    const int step = key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp
                                         ? kRowsInSight
                                         : 1;
                    edit->move(key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown
                                   ? step
                                   : -step);
                    return true;
                }
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (!edit->takeEntry()) {
                    return true;
                }
                {
                    // The view takes the entry once the key is done; then on to the next
                    // row's checkpoint, ready for the next identifier.
                    const bool taken = QStyledItemDelegate::eventFilter(object, event);
                    edit->moveDownAfterEntry();
                    return taken;
                }
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                if (!edit->takeEntry()) {
                    return true;
                }
                break;
            case Qt::Key_Escape:
                if (edit->listShown()) {
                    edit->hideList();
                    return true;
                }
                break;
            default:
                break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace aerolume::planning
