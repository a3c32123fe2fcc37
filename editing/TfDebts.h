#pragma once
// The debts list: entry bar, grid and summary bar over the working Debts table.

#include <QObject>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;
class QWidget;
class TdmSQLite;
class TMainHost;

class TfDebts : public QObject {
    Q_OBJECT
public:
    enum Column {
        colDelete, colRowID, colPriority, colDebtType, colCreditorName, colAPR,
        colBalance, colPayment, colMoveUp, colMoveDown, colEdit, ColumnCount
    };

    // FormCreate. The host may be null until the main window sets it.
    TfDebts(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfDebts() override;

    // The panel's content; the main window moves it into its Debts tab.
    QWidget *lytDebts = nullptr;
    QTableWidget *sgDebts = nullptr;
    QToolButton *btnAddUpdate = nullptr;
    QToolButton *btnCancel = nullptr;

    void RefreshDebtGridWithData();
    void UpdateSummaryInformation(bool GetData);
    void MakeThemeAdjustments();
    int RowID() const { return FRowID; }

private:
    TdmSQLite &m_db;
    TMainHost *m_host;
    int FRowID = 0;
};
