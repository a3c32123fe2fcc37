#pragma once
// The one-off payments panel: lump sums on given dates.

#include <QDate>
#include <QObject>

class QDateEdit;
class QLabel;
class QSpinBox;
class QTableWidget;
class QToolButton;
class QWidget;
class TdmSQLite;
class TMainHost;

class TfOneoffs : public QObject {
    Q_OBJECT
public:
    enum Column { colDelete, colRowID, colStartDate, colAmount, colEdit, ColumnCount };

    // FormCreate. The host may be null until the main window sets it.
    TfOneoffs(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfOneoffs() override;

    // The panel's content; the main window moves it into its left column.
    QWidget *lytOneoffs = nullptr;
    QLabel *lblTitle = nullptr;
    QDateEdit *dtOneOffDate = nullptr;
    QSpinBox *nbOneOffAmount = nullptr;
    QToolButton *btnAddUpdate = nullptr;
    QToolButton *btnCancel = nullptr;
    QTableWidget *sgPayments = nullptr;

    void SQLDataToGrid();
    // Back to add mode (1) or into update mode (2); also used when another
    // plan is loaded, so an entry left in update mode never applies to a
    // payment of that plan.
    void ResetEntryFields(int AMode);
    void MakeThemeAdjustments();

    int RowID() const { return FRowID; }
    QDate OneOffDate() const;
    QString OneOffDateText() const;
    int OneOffAmount() const;

    int GridRowID(int row) const;
    QDate GridOneOffDate(int row) const;
    int GridOneOffAmount(int row) const;

private:
    void ShowEntryMode(int AMode);
    void SetRowID(int value);
    void SetOneOffDate(const QDate &value);
    void SetOneOffAmount(int value);
    void LoadEntryFromGrid(int row);
    void InsertOneOff();
    void UpdateOneOff();

    void btnAddUpdateClick();
    void btnCancelClick();
    void sgPaymentsCellClick(int row, int column);

    void SetModifiedToTrue(const QString &senderName);
    void RefreshDebtReduction();
    void AddLogLine(const QString &line);
    bool eventFilter(QObject *watched, QEvent *event) override;

    TdmSQLite &m_db;
    TMainHost *m_host;
    int FRowID = 0;
};
