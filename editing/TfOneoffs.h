#pragma once
// The one-off payments panel: lump sums on given dates.

#include <QObject>

class QTableWidget;
class QToolButton;
class QWidget;
class TdmSQLite;
class TMainHost;

class TfOneoffs : public QObject {
    Q_OBJECT
public:
    // FormCreate. The host may be null until the main window sets it.
    TfOneoffs(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfOneoffs() override;

    // The panel's content; the main window moves it into its left column.
    QWidget *lytOneoffs = nullptr;
    QTableWidget *sgPayments = nullptr;
    QToolButton *btnCancel = nullptr;

    void SQLDataToGrid();
    // Back to add mode; also used when another plan is loaded, so an entry
    // left in update mode never applies to a payment of that plan.
    void ResetEntryFields(int AMode);

private:
    TdmSQLite &m_db;
    TMainHost *m_host;
};
