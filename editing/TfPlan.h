#pragma once
// The plan settings panel: name, start month, strategy, pledge money and plan
// type of the working Plan row.

#include <QObject>

class QLineEdit;
class QWidget;
class TdmSQLite;
class TMainHost;

class TfPlan : public QObject {
    Q_OBJECT
public:
    // FormCreate. The host may be null until the main window sets it.
    TfPlan(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfPlan() override;

    // The panel's content; the main window moves it into its left column.
    QWidget *lytPlan = nullptr;
    QLineEdit *edPlanName = nullptr;
    QLineEdit *edPledgeMoney = nullptr;

    void SQLDataToControls();
    void SQLControlsToDatabase();
    void DisableOnChangeEvents();
    void EnableOnChangeEvents();
    QString GetPlanName() const;
    void SetPlanName(const QString &Value);
    void SetStrategyToCustom();
    void MakeThemeAdjustments();

private:
    TdmSQLite &m_db;
    TMainHost *m_host;
};
