#pragma once
// The debt-reduction page: figures, donut and bar charts comparing the
// minimum-payment plan with the user's plan.

#include "engine/TDebtReduction.h"

#include <QColor>
#include <QObject>

#include <functional>

class QEvent;
class QFrame;
class QLabel;
class QWidget;
class TChartView;
class TdmSQLite;
class TfPaymentRec;

class TfDebtReduction : public QObject {
    Q_OBJECT
public:
    // FormCreate. `engine` runs the two refreshes.
    TfDebtReduction(TdmSQLite &db, TfPaymentRec &engine, QObject *parent = nullptr);
    ~TfDebtReduction() override;

    // The page's content; the main window moves it into its Debt Reduction
    // tab. It paints no background of its own: the tab's shows through.
    QWidget *lytDebtReduction = nullptr;

    // Top block: header row, then minimum payments, your plan, savings.
    QWidget *lytTop = nullptr;
    QLabel *lblDebtFreeDate = nullptr;
    QLabel *lblR2C2 = nullptr, *lblR2C3 = nullptr, *lblR2C4 = nullptr, *lblR2C5 = nullptr, *lblR2C6 = nullptr;
    QLabel *lblR3C2 = nullptr, *lblR3C3 = nullptr, *lblR3C4 = nullptr, *lblR3C5 = nullptr, *lblR3C6 = nullptr;
    QLabel *lblR4C4 = nullptr, *lblR4C5 = nullptr, *lblR4C6 = nullptr;

    // Bottom block.
    QWidget *lytBottom = nullptr;
    TChartView *DonutChart = nullptr;
    TChartView *BarChartInterest = nullptr;
    TChartView *BarChart = nullptr;
    QFrame *rectSavingsInterest = nullptr;
    QFrame *rectSavingsMonths = nullptr;
    QLabel *lblSavingsInterest = nullptr;
    QLabel *lblSavingsMonths = nullptr;
    // Hidden; kept in the theme's page colour for hosts that show it.
    QWidget *rectBackgroundColor = nullptr;

    // Runs both schedules and refreshes every figure and chart.
    void UpdateDataLabels();
    // Colours only; the figures stay as they are.
    void MakeThemeAdjustments();

    // The "Date Finder" header label's click.
    void lblDebtFreeDateClick();
    // Hover look of the link; act only on a label.
    void lblDebtFreeDateMouseEnter(QObject *Sender);
    void lblDebtFreeDateMouseLeave(QObject *Sender);

    // Set by the main window: opens the Date Finder.
    std::function<void()> OnDateFinder;
    // Set by the main window: F1 on the page opens this help topic.
    std::function<void(const QString &topic)> OnHelpKey;

    // The link's colour in the current theme, plain or under the mouse.
    static QColor LinkColor(bool hover);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SetUpTop();
    void SetUpBottom();
    void SetUpDonut();
    void SetUpBarSeries();
    void UpdateBarCharts();
    void ApplyLinkStyle();
    void FitSavingsText(QLabel *label);

    TdmSQLite &m_db;
    TfPaymentRec &m_engine;
    TDebtReduction theDebtRedution;
    bool m_linkHover = false;
};
