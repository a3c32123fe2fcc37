#include "editing/GridHelpers.h"

#include "app/TdmImages.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>

namespace {

class TGridWheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel) {
            auto *grid = qobject_cast<QTableWidget *>(watched->parent());
            const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
            if (grid && grid->viewport() == watched && GridMouseWheel(grid, delta))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

TGridWheelFilter *wheelFilter()
{
    static TGridWheelFilter *filter = new TGridWheelFilter(QCoreApplication::instance());
    return filter;
}

} // namespace

bool GridMouseWheel(QTableWidget *AGrid, int AWheelDelta)
{
    if (!AGrid)
        return false;
    const int row = AGrid->currentRow();
    const int n = AGrid->rowCount();
    int target = -1;
    if (AWheelDelta < 0 && row >= 0 && row <= n - 2)
        target = row + 1;
    else if (AWheelDelta > 0 && row > 0 && row <= n - 1)
        target = row - 1;
    if (target < 0)
        return false;
    AGrid->selectRow(target);
    const int column = qMax(0, AGrid->currentColumn());
    AGrid->scrollTo(AGrid->model()->index(target, column));
    return true;
}

void InstallGridMouseWheel(QTableWidget *AGrid)
{
    if (AGrid)
        AGrid->viewport()->installEventFilter(wheelFilter());
}

int TColumnWidthRule::Apply(int AWidth) const
{
    if (AWidth < MinWidth)
        return MinWidth;
    if (AWidth > MaxWidth)
        return MaxWidth;
    return AWidth;
}

TColumnWidthRules::TColumnWidthRules(QTableWidget *AGrid, const QList<TColumnWidthRule> &ARules)
    : QObject(AGrid), m_grid(AGrid), m_rules(ARules)
{
    QHeaderView *header = AGrid->horizontalHeader();
    int smallest = header->minimumSectionSize();
    for (const TColumnWidthRule &r : m_rules) {
        smallest = qMin(smallest, r.MinWidth);
        if (r.IsFixed() && r.Column >= 0 && r.Column < header->count())
            header->setSectionResizeMode(r.Column, QHeaderView::Fixed);
    }
    // The style's smallest section (26 here) would widen the 20-pixel glyph columns.
    header->setMinimumSectionSize(smallest);
    connect(header, &QHeaderView::sectionResized, this, [this](int logicalIndex, int, int) { ColumnResize(logicalIndex); });
}

void TColumnWidthRules::ColumnResize(int AColumn)
{
    if (!m_grid)
        return;
    for (const TColumnWidthRule &r : m_rules) {
        if (r.Column != AColumn)
            continue;
        // Hidden columns report width 0; they keep their width for later.
        if (m_grid->isColumnHidden(AColumn))
            return;
        const int width = m_grid->columnWidth(AColumn);
        const int allowed = r.Apply(width);
        if (allowed != width)
            m_grid->setColumnWidth(AColumn, allowed);
        return;
    }
}

TColumnWidthRules *InstallColumnWidthRules(QTableWidget *AGrid, const QList<TColumnWidthRule> &ARules)
{
    if (!AGrid)
        return nullptr;
    auto *rules = new TColumnWidthRules(AGrid, ARules);
    for (const TColumnWidthRule &r : ARules)
        rules->ColumnResize(r.Column);
    return rules;
}

void SetColumnWidths(QTableWidget *AGrid, const QList<TColumnWidth> &AWidths)
{
    if (!AGrid)
        return;
    for (const TColumnWidth &w : AWidths)
        AGrid->setColumnWidth(w.Column, w.Width);
}

QList<TColumnWidthRule> DebtsColumnRules()
{
    using R = TColumnWidthRule;
    return {R::Fixed(0, 20),          // colDelete
            R::Fixed(2, 56),          // colPriority
            R::Bounded(3, 94, 120),   // colDebtType
            R::Bounded(4, 150, 200),  // colCreditorName
            R::Fixed(5, 52),          // colAPR
            R::Bounded(6, 90, 120),   // colBalance
            R::Bounded(7, 90, 120),   // colPayment
            R::Fixed(8, 20),          // colMoveUp
            R::Fixed(9, 20),          // colMoveDown
            R::Fixed(10, 20)};        // colEdit
}

QList<TColumnWidthRule> OneoffsColumnRules()
{
    using R = TColumnWidthRule;
    return {R::Fixed(0, 20),   // colDelete
            R::Fixed(2, 90),   // colStartDate
            R::Fixed(3, 74),   // colAmount
            R::Fixed(4, 20)};  // colEdit
}

QList<TColumnWidth> DebtsExpandedWidths()
{
    return {{0, 20}, {8, 20}, {9, 20}, {10, 20}, {2, 56}, {3, 120}, {4, 200}, {5, 52}, {6, 120}, {7, 120}};
}

QList<TColumnWidth> DebtsShrunkWidths()
{
    return {{0, 20}, {8, 20}, {9, 20}, {10, 20}, {2, 56}, {3, 94}, {4, 150}, {5, 52}, {6, 90}, {7, 90}};
}

TDebtGridHeaderPopup::TDebtGridHeaderPopup(QTableWidget *AGrid, QObject *AOwner)
    : QObject(AOwner), m_grid(AGrid)
{
    setObjectName(QStringLiteral("FGridHeaderPopup"));
    FGridHeaderPopupMenu = new QMenu;
    FGridHeaderPopupMenu->setObjectName(QStringLiteral("FGridHeaderPopupMenu"));
    const bool icons = TdmImages::Exists();
    QAction *expand = FGridHeaderPopupMenu->addAction(QStringLiteral("Expand All Columns"));
    expand->setObjectName(QStringLiteral("mnuExpandAllColumns"));
    QAction *shrink = FGridHeaderPopupMenu->addAction(QStringLiteral("Shrink All Columns"));
    shrink->setObjectName(QStringLiteral("mnuShrinkAllColumns"));
    if (icons) {
        expand->setIcon(TdmImages::Instance().icon32(28));
        shrink->setIcon(TdmImages::Instance().icon32(27));
    }
    connect(expand, &QAction::triggered, this, &TDebtGridHeaderPopup::ExpandAllColumnsClick);
    connect(shrink, &QAction::triggered, this, &TDebtGridHeaderPopup::ShrinkAllColumnsClick);
}

TDebtGridHeaderPopup::~TDebtGridHeaderPopup()
{
    delete FGridHeaderPopupMenu;
}

// Qt keeps one header widget for the column captions across reloads and
// restyles; hooking it alone puts the menu on the whole header row and on
// nothing else.
void TDebtGridHeaderPopup::InitializeDebtGridHeaderPopup()
{
    FHeaderControlsHooked = 0;
    if (!m_grid)
        return;
    QObject::disconnect(m_hook);
    QHeaderView *header = m_grid->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_hook = connect(header, &QWidget::customContextMenuRequested, this, &TDebtGridHeaderPopup::HeaderContextMenu);
    FHeaderControlsHooked = 1;
}

void TDebtGridHeaderPopup::RehookDebtGridHeaderPopup()
{
    QTimer::singleShot(0, this, [this] {
        if (m_grid)
            InitializeDebtGridHeaderPopup();
    });
}

void TDebtGridHeaderPopup::HeaderContextMenu(const QPoint &pos)
{
    if (!m_grid || !FGridHeaderPopupMenu)
        return;
    // A scroll area reports the position in its viewport's coordinates.
    const QPoint global = m_grid->horizontalHeader()->viewport()->mapToGlobal(pos);
    m_lastPopupPos = global;
    FGridHeaderPopupMenu->popup(global);
}

void TDebtGridHeaderPopup::ExpandAllColumnsClick()
{
    SetColumnWidths(m_grid, DebtsExpandedWidths());
}

void TDebtGridHeaderPopup::ShrinkAllColumnsClick()
{
    SetColumnWidths(m_grid, DebtsShrunkWidths());
}
