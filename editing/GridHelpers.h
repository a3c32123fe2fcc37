#pragma once
// Helpers shared by the three grids (debts, one-off payments, saved plans):
// a mouse wheel that walks the selected row, column width rules enforced on
// every resize, and the debts grid's header menu. Each works on a bare
// QTableWidget, so a panel adopts it with one call.
//
// Adoption:
//   debts panel, after building sgDebts:
//     InstallGridMouseWheel(sgDebts);
//     InstallColumnWidthRules(sgDebts, DebtsColumnRules());
//     FGridHeaderPopupMenu = new TDebtGridHeaderPopup(sgDebts, this);
//   and then
//     InitializeDebtGridHeaderPopup() -> FGridHeaderPopupMenu->InitializeDebtGridHeaderPopup();
//     RehookDebtGridHeaderPopup()     -> FGridHeaderPopupMenu->RehookDebtGridHeaderPopup();
//       (at the end of RefreshDebtGridWithData and MakeThemeAdjustments)
//   one-off panel, after building sgPayments:
//     InstallGridMouseWheel(sgPayments);
//     InstallColumnWidthRules(sgPayments, OneoffsColumnRules());
//   plan chooser, after building sgChooser:
//     InstallGridMouseWheel(sgChooser);
// Widths set later, by the settings file or the header menu, pass through the
// same rules.

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QPointer>

class QMenu;
class QTableWidget;

// ---- Mouse wheel ---------------------------------------------------------

// Moves the selection one row with the wheel: down (AWheelDelta < 0) while a
// row before the last is selected, up while a row after the first is.
// Returns whether it moved; otherwise the grid should scroll as usual.
bool GridMouseWheel(QTableWidget *AGrid, int AWheelDelta);

// Watches the grid's cell area and applies GridMouseWheel to its wheel turns.
void InstallGridMouseWheel(QTableWidget *AGrid);

// ---- Column widths -------------------------------------------------------

struct TColumnWidthRule {
    int Column = -1;
    int MinWidth = 0;
    int MaxWidth = 0;
    static TColumnWidthRule Fixed(int AColumn, int AWidth) { return {AColumn, AWidth, AWidth}; }
    static TColumnWidthRule Bounded(int AColumn, int AMin, int AMax) { return {AColumn, AMin, AMax}; }
    bool IsFixed() const { return MinWidth == MaxWidth; }
    // The width the rule allows for AWidth (the minimum rule comes first).
    int Apply(int AWidth) const;
};

struct TColumnWidth {
    int Column = -1;
    int Width = 0;
};

// Keeps the grid's columns within their rules whenever a width changes (by
// the user, by code, by the settings file). Fixed columns also lose their
// resize handle. Owned by the grid.
class TColumnWidthRules : public QObject {
    Q_OBJECT
public:
    TColumnWidthRules(QTableWidget *AGrid, const QList<TColumnWidthRule> &ARules);
    const QList<TColumnWidthRule> &Rules() const { return m_rules; }
    // Applies the rule of one column, as after it was resized.
    void ColumnResize(int AColumn);

private:
    QPointer<QTableWidget> m_grid;
    QList<TColumnWidthRule> m_rules;
};

// Installs the rules and applies them to the widths the grid has now.
TColumnWidthRules *InstallColumnWidthRules(QTableWidget *AGrid, const QList<TColumnWidthRule> &ARules);

// Sets the widths in order; the installed rules still apply.
void SetColumnWidths(QTableWidget *AGrid, const QList<TColumnWidth> &AWidths);

// Rules and preset widths of the two panels' grids, by column index:
// debts 0 colDelete, 1 colRowID, 2 colPriority, 3 colDebtType,
// 4 colCreditorName, 5 colAPR, 6 colBalance, 7 colPayment, 8 colMoveUp,
// 9 colMoveDown, 10 colEdit; one-offs 0 colDelete, 1 colRowID,
// 2 colStartDate, 3 colAmount, 4 colEdit. The hidden row-id columns have no rule.
QList<TColumnWidthRule> DebtsColumnRules();
QList<TColumnWidthRule> OneoffsColumnRules();
QList<TColumnWidth> DebtsExpandedWidths();
// The widths the debts list starts with.
QList<TColumnWidth> DebtsShrunkWidths();

// ---- Debts grid header menu ----------------------------------------------

// "Expand All Columns" / "Shrink All Columns" on a right click in the grid's
// column header row, and nowhere else on the grid. Owned by the panel.
class TDebtGridHeaderPopup : public QObject {
    Q_OBJECT
public:
    TDebtGridHeaderPopup(QTableWidget *AGrid, QObject *AOwner);
    ~TDebtGridHeaderPopup() override;

    QMenu *FGridHeaderPopupMenu = nullptr;

    // Attaches the menu to the header; counts the header controls hooked.
    void InitializeDebtGridHeaderPopup();
    // The same, one event turn later, if the grid still exists.
    void RehookDebtGridHeaderPopup();
    int HeaderControlsHooked() const { return FHeaderControlsHooked; }

    void ExpandAllColumnsClick();
    void ShrinkAllColumnsClick();

    // Where the last menu was opened, in screen coordinates.
    QPoint LastPopupPos() const { return m_lastPopupPos; }

private:
    void HeaderContextMenu(const QPoint &pos);

    QPointer<QTableWidget> m_grid;
    QMetaObject::Connection m_hook;
    int FHeaderControlsHooked = 0;
    QPoint m_lastPopupPos;
};
