#pragma once
// The debt-reduction page: figures, donut and bar charts comparing the
// minimum-payment plan with the user's plan.

#include "engine/TDebtReduction.h"

#include <QObject>

#include <functional>

class QWidget;
class TdmSQLite;
class TfPaymentRec;

class TfDebtReduction : public QObject {
    Q_OBJECT
public:
    // FormCreate. `engine` runs the two refreshes.
    TfDebtReduction(TdmSQLite &db, TfPaymentRec &engine, QObject *parent = nullptr);
    ~TfDebtReduction() override;

    // The page's content; the main window moves it into its Debt Reduction tab.
    QWidget *lytDebtReduction = nullptr;

    // Runs both schedules and refreshes every figure and chart.
    void UpdateDataLabels();
    void MakeThemeAdjustments();
    // The "Date Finder" header label's click.
    void lblDebtFreeDateClick();
    // Set by the main window: opens the Date Finder.
    std::function<void()> OnDateFinder;

private:
    TdmSQLite &m_db;
    TfPaymentRec &m_engine;
    TDebtReduction theDebtRedution;
};
