#pragma once
// "Open Existing Plan": lists the saved plans other than the one being worked
// on, lets the user pick one (the choice goes to TAppinfo's plan id) or delete
// one for good.

#include <QDialog>

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;
class TSGToolTip;
class TdmSQLite;

class TfChooser : public QDialog {
    Q_OBJECT
public:
    enum Column {
        colDelete, colPlanId, colName, colStartDate, colStrategy, colBalance,
        colCards, colLoans, colOneOffs, DateColumn1, ColumnCount
    };

    explicit TfChooser(TdmSQLite &db, QWidget *parent = nullptr);

    QTableWidget *sgChooser = nullptr;
    QPushButton *Button2 = nullptr; // OK
    QPushButton *Button1 = nullptr; // Cancel
    QMenu *PopupMenu1 = nullptr;
    QAction *mnuSelect = nullptr;
    QAction *mnuCancel = nullptr;

    void FormCreate();
    void LoadPlanList();
    // 0 for a row that does not exist.
    int PlanIdOfRow(int row) const;
    // False, and the plan id untouched, when no row is selected.
    bool SelectPlan();
    void DeleteSavedPlan(int planId);

    void Button2Click();
    void mnuSelectClick();
    void mnuCancelClick();
    void sgChooserCellClick(int row, int column);
    void sgChooserCellDblClick(int row, int column);

    // Names the delete glyph under the mouse.
    TSGToolTip *FChooserGridToolTip = nullptr;

private:
    int selectedRow() const;
    void selectAndShow(int row);
    void updateActions();

    TdmSQLite &m_db;
};
