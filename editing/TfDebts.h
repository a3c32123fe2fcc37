#pragma once
// The debts list: entry bar, grid and summary bar over the working Debts table,
// and the manual ordering of the debts (move up / move down).

#include <QDoubleSpinBox>
#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;
class QWidget;
class TDebtGridHeaderPopup;
class TdmSQLite;
class TMainHost;

// A number box that remembers the exact value it was given. The box shows two
// decimals, so a stored 1234.565 would otherwise come back as 1234.57 when a
// debt is saved without the user touching that field.
class TExactSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit TExactSpinBox(QWidget *parent = nullptr);
    void setExactValue(double v);
    // The given value while the box still shows it, else what the user typed.
    double exactValue() const;

protected:
    // A scroll over an unfocused box must scroll the page, not change a debt.
    void wheelEvent(QWheelEvent *e) override;

private:
    double m_exact = 0;
    double m_shown = 0;
};

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

    void setHost(TMainHost *host) { m_host = host; }

    // The panel's content; the main window moves it into its Debts tab.
    QWidget *lytDebts = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *edDebtType = nullptr;
    QLineEdit *edCreditorName = nullptr;
    TExactSpinBox *edAPR = nullptr;
    TExactSpinBox *edBalance = nullptr;
    TExactSpinBox *edPayment = nullptr;
    QToolButton *btnAddUpdate = nullptr;
    QToolButton *btnCancel = nullptr;
    QTableWidget *sgDebts = nullptr;
    QLabel *lblBalanceValue = nullptr;
    QLabel *lblPaymentValue = nullptr;
    QLabel *lblCardsValue = nullptr;
    QLabel *lblLoansValue = nullptr;

    void RefreshDebtGridWithData();
    void UpdateSummaryInformation(bool GetData);
    void MakeThemeAdjustments();
    // The header's Expand/Shrink menu; re-attached after each refresh.
    void InitializeDebtGridHeaderPopup();
    void RehookDebtGridHeaderPopup();
    TDebtGridHeaderPopup *FGridHeaderPopupMenu = nullptr;

    // Entry bar. AMode 1 = add, 2 = update.
    void ResetEntryFields(int AMode);
    void LoadEntryFromGrid(int Row);
    int RowID() const { return FRowID; }
    QString DebtType() const;
    void SetDebtType(const QString &value);
    QString CreditorName() const;
    void SetCreditorName(const QString &value);
    double APR() const;
    double Balance() const;
    double Payment() const;

    // Grid readers; they read the stored values kept in the cells' item data.
    int GridRowID(int Row) const;
    double GridPriority(int Row) const;
    QString GridDebtType(int Row) const;
    QString GridCreditorName(int Row) const;
    double GridAPR(int Row) const;
    double GridBalance(int Row) const;
    double GridPayment(int Row) const;

    static QString ColumnName(int Column);
    static int ColumnGetImageIndex(int Column);

    // Event handlers, public so the main window and tests can drive them.
    void btnAddUpdateClick();
    void btnCancelClick();
    void GridCellClick(int Column, int Row);
    void GridHeaderClick(int Column);

    // Ordering.
    void MoveDebtUp(int rowid, int Row, double Priority);
    void MoveDebtDown(int rowid, int Row, double Priority);
    void SetDebtPriority(int rowid, double Priority);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AskDeleteDebt(int rowid, int Column);
    void DeleteDebt(int rowid);
    void InsertDebt();
    void UpdateDebt();
    void LoadDebtGrid();
    void MoveDebt(int rowid, double newPriority, int targetRow, int Column);
    void SetModifiedToTrue(const QString &senderName);
    void AddLogLine(const QString &line);
    void ShowAddUpdateMode(int AMode);

    TdmSQLite &m_db;
    TMainHost *m_host;
    int FRowID = 0;
};
