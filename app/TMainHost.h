#pragma once
// What the panels ask of the main window that hosts them. The main window
// implements it; a panel tested on its own gets a small stand-in.

#include <QString>

class TMainHost {
public:
    virtual ~TMainHost() = default;
    // One line in the developer log; with includeModified a second line
    // "Modified = True|False".
    virtual void Log(const QString &AValue, bool IncludeModified) = 0;
    virtual void UpdateTabs() = 0;
    virtual void SetDebtsTabActive() = 0;
    // The Debt Reduction tab is enabled exactly while the plan has debts.
    virtual bool DebtReductionTabEnabled() const = 0;
    // Cross-panel calls, routed through the main window that owns the panels.
    virtual void RefreshDebtGridWithData() = 0;  // debts list
    virtual void UpdateDataLabels() = 0;         // debt-reduction page
    virtual void SetStrategyToCustom() = 0;      // plan settings panel
};
