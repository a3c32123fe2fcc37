#include "engine/ui/TfDebtReduction.h"

#include "app/TAppinfo.h"
#include "engine/ui/TChartView.h"
#include "engine/ui/TfPaymentRec.h"
#include "reports/ChartPainter.h"
#include "store/TdmSQLite.h"

#include <QDate>
#include <QEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

namespace {

const QColor kDarkGrey(0xA9, 0xA9, 0xA9);
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kSeaGreen(0x2E, 0x8B, 0x57);
const QColor kDarkGreen(0x00, 0x64, 0x00);
const QColor kOrange(0xF5, 0x77, 0x07);
const QColor kYourPlan(0x3E, 0x7A, 0xA7);

constexpr int kRowHeight = 19;
// Column edges of the top block; the widths are fractional, so round the
// edges rather than each width to keep the total.
constexpr double kColumnWidths[] = {194, 48.56, 105.56, 105.56, 63.33, 153.06};
constexpr int kDonutWidth = 316;
constexpr int kBarWidth = 177;
constexpr int kSavingsBoxHeight = 52;
constexpr int kSavingsPointSize = 22;

int columnEdge(int col)
{
    double x = 0;
    for (int i = 0; i < col; ++i)
        x += kColumnWidths[i];
    return int(std::lround(x));
}

QString rgb(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

bool dark()
{
    return TAppinfo::GetThemeStyle() == tsDark;
}

QColor chartBackground()
{
    return dark() ? QColor(0x33, 0x33, 0x33) : QColor(Qt::white);
}

QColor chartText()
{
    return dark() ? QColor(Qt::white) : QColor(Qt::black);
}

QString monthYear(const std::chrono::year_month_day &d)
{
    const QDate date(int(d.year()), int(unsigned(d.month())), int(unsigned(d.day())));
    return QLocale().toString(date, QStringLiteral("MMMM yyyy"));
}

} // namespace

TfDebtReduction::TfDebtReduction(TdmSQLite &db, TfPaymentRec &engine, QObject *parent)
    : QObject(parent), m_db(db), m_engine(engine), theDebtRedution(db.conSQLite())
{
    setObjectName(QStringLiteral("fDebtReduction"));
    lytDebtReduction = new QWidget;
    lytDebtReduction->setObjectName(QStringLiteral("lytDebtReduction"));
    // The app-wide style sheet fills every widget; this page lets the tab's
    // background show and colours its parts itself.
    lytDebtReduction->setStyleSheet(QStringLiteral("QWidget { background-color: transparent; }"));
    lytDebtReduction->setFocusPolicy(Qt::StrongFocus);

    auto *page = new QVBoxLayout(lytDebtReduction);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    SetUpTop();
    SetUpBottom();
    page->addWidget(lytTop, 0, Qt::AlignLeft);
    page->addWidget(lytBottom, 1);

    rectBackgroundColor = new QWidget(lytDebtReduction);
    rectBackgroundColor->setObjectName(QStringLiteral("rectBackgroundColor"));
    rectBackgroundColor->hide();

    lblDebtFreeDate->installEventFilter(this);
    SetUpDonut();
    SetUpBarSeries();
    MakeThemeAdjustments();

    // Until the first refresh the charts show what the result tables hold,
    // possibly from the plan of an earlier run.
    BarChart->barStyle.title = QStringLiteral("Months");
    BarChart->Series()->Add(theDebtRedution.MonthsMinPmt(), QStringLiteral("Min Pmt"), kDarkGrey);
    BarChart->Series()->Add(theDebtRedution.MonthsKorvo(), QStringLiteral("Your Plan"), kYourPlan);
    BarChartInterest->barStyle.title = QStringLiteral("Interest");
    BarChartInterest->Series()->Add(theDebtRedution.InterestMinPmt(), QStringLiteral("Min Pmt"), kDarkGrey);
    BarChartInterest->Series()->Add(theDebtRedution.InterestKorvo(), QStringLiteral("Your Plan"), kYourPlan);

    lblSavingsInterest->setText(lblR4C4->text());
    lblSavingsMonths->setText(theDebtRedution.YrMo());
    FitSavingsText(lblSavingsInterest);
    FitSavingsText(lblSavingsMonths);

    lytDebtReduction->installEventFilter(this);
}

TfDebtReduction::~TfDebtReduction()
{
    delete lytDebtReduction;
}

void TfDebtReduction::SetUpTop()
{
    lytTop = new QWidget(lytDebtReduction);
    lytTop->setObjectName(QStringLiteral("lytTop"));
    lytTop->setFixedSize(columnEdge(6), 4 * kRowHeight);

    auto cell = [this](int row, int col, const QString &name, const QString &text, Qt::Alignment align,
                       const QColor &fill) {
        auto *l = new QLabel(text, lytTop);
        if (!name.isEmpty())
            l->setObjectName(name);
        const int x = columnEdge(col - 1);
        l->setGeometry(x, (row - 1) * kRowHeight, columnEdge(col) - x, kRowHeight);
        l->setAlignment(align | Qt::AlignVCenter);
        if (fill.isValid()) {
            // White lines at the bottom and right; the last column only at the bottom.
            l->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: #ffffff; border-style: solid;"
                                            " border-color: #ffffff; border-width: 0px %2px 1px 0px;"
                                            " padding-left: 4px; padding-right: 4px; }")
                                 .arg(rgb(fill))
                                 .arg(col == 6 ? 0 : 1));
        }
        return l;
    };
    const Qt::Alignment centre = Qt::AlignHCenter, right = Qt::AlignRight, left = Qt::AlignLeft;

    // Row titles stand out; the headers stay plain so "# Debts" fits its
    // narrow column.
    QFont titleFont = lytTop->font();
    titleFont.setBold(true);
    const QString headers[] = {QStringLiteral("# Debts"), QStringLiteral("Debt"), QStringLiteral("Interest"),
                               QStringLiteral("Months")};
    for (int col = 2; col <= 5; ++col)
        cell(1, col, QStringLiteral("lblR1C%1").arg(col), headers[col - 2], centre, QColor());
    lblDebtFreeDate = cell(1, 6, QStringLiteral("lblDebtFreeDate"), QStringLiteral("Date Finder"), centre, QColor());
    lblDebtFreeDate->setToolTip(QStringLiteral("Click to use the Date Finder feature"));

    const QColor fills[] = {kDarkGrey, kSteelBlue, kSeaGreen};
    const QString titles[] = {QStringLiteral("Minimum Payments"), QStringLiteral("Your Payoff Plan"),
                              QStringLiteral("Savings")};
    QLabel *figures[3][5] = {
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    const Qt::Alignment aligns[] = {centre, right, right, right, centre};
    for (int row = 2; row <= 4; ++row) {
        const QColor fill = fills[row - 2];
        cell(row, 1, QStringLiteral("lblR%1C1").arg(row), titles[row - 2], left, fill)->setFont(titleFont);
        for (int col = 2; col <= 6; ++col) {
            // The savings row has no debt count or debt figure: plain cells.
            const bool figure = row != 4 || col >= 4;
            figures[row - 2][col - 2] = cell(row, col, figure ? QStringLiteral("lblR%1C%2").arg(row).arg(col) : QString(),
                                             QString(), aligns[col - 2], fill);
        }
    }
    lblR2C2 = figures[0][0], lblR2C3 = figures[0][1], lblR2C4 = figures[0][2], lblR2C5 = figures[0][3], lblR2C6 = figures[0][4];
    lblR3C2 = figures[1][0], lblR3C3 = figures[1][1], lblR3C4 = figures[1][2], lblR3C5 = figures[1][3], lblR3C6 = figures[1][4];
    lblR4C4 = figures[2][2], lblR4C5 = figures[2][3], lblR4C6 = figures[2][4];
}

void TfDebtReduction::SetUpBottom()
{
    lytBottom = new QWidget(lytDebtReduction);
    lytBottom->setObjectName(QStringLiteral("lytBottom"));
    auto *row = new QHBoxLayout(lytBottom);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    DonutChart = new TChartView(TChartView::ckDonut, QStringLiteral("DonutChartSeries"), lytBottom);
    DonutChart->setObjectName(QStringLiteral("DonutChart"));
    DonutChart->setFixedWidth(kDonutWidth);
    DonutChart->setMinimumHeight(200);
    row->addWidget(DonutChart);

    auto column = [this, row](const QString &chartName, const QString &boxName, const QString &labelName,
                              TChartView *&chart, QFrame *&box, QLabel *&label) {
        auto *col = new QWidget(lytBottom);
        col->setFixedWidth(kBarWidth);
        auto *v = new QVBoxLayout(col);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        chart = new TChartView(TChartView::ckBars, chartName + QStringLiteral("Series"), col);
        chart->setObjectName(chartName);
        chart->setMinimumHeight(150);
        v->addWidget(chart, 1);

        box = new QFrame(col);
        box->setObjectName(boxName);
        box->setFixedHeight(kSavingsBoxHeight);
        box->setStyleSheet(QStringLiteral("#%1 { background-color: %2; border: 1px solid %3; border-radius: 8px; }")
                               .arg(boxName, rgb(kSeaGreen), rgb(kDarkGreen)));
        auto *inBox = new QVBoxLayout(box);
        inBox->setContentsMargins(4, 0, 4, 0);
        label = new QLabel(box);
        label->setObjectName(labelName);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("QLabel { color: #ffffff; background: transparent; border: none; }"));
        inBox->addWidget(label);

        auto *boxRow = new QVBoxLayout;
        boxRow->setContentsMargins(4, 4, 4, 4);
        boxRow->addWidget(box);
        v->addLayout(boxRow);
        row->addWidget(col);
    };
    column(QStringLiteral("BarChartInterest"), QStringLiteral("rectSavingsInterest"), QStringLiteral("lblSavingsInterest"),
           BarChartInterest, rectSavingsInterest, lblSavingsInterest);
    column(QStringLiteral("BarChart"), QStringLiteral("rectSavingsMonths"), QStringLiteral("lblSavingsMonths"),
           BarChart, rectSavingsMonths, lblSavingsMonths);
    row->addStretch(1);
}

void TfDebtReduction::SetUpDonut()
{
    TChartSeries *s = DonutChart->Series();
    s->Add(11242, QStringLiteral("Debt"), kOrange);
    s->Add(9445, QStringLiteral("Savings"), kSeaGreen);
    s->Add(2141, QStringLiteral("Interest"), kSteelBlue);
    DonutChart->donutStyle.startAngle = 90;
    DonutChart->donutStyle.holeRatio = 0.5;
    DonutChart->donutStyle.outline = Qt::white;
    DonutChart->donutStyle.outlineWidth = 2;
    DonutChart->donutStyle.labelColor = Qt::white;
    QFont f = DonutChart->font();
    f.setBold(true);
    DonutChart->donutStyle.labelFont = f;
}

void TfDebtReduction::SetUpBarSeries()
{
    for (TChartView *chart : {BarChartInterest, BarChart}) {
        TBarChartStyle &s = chart->barStyle;
        s.barOutline = Qt::white;
        s.outlineWidth = 2;
        s.axisColor = QColor(0xA6, 0xA6, 0xA6);
        s.titleFont = chart->font();
        s.titleFont.setBold(true);
        s.titleFont.setPointSize(16);
        s.axisLabelFont = chart->font();
        s.axisLabelFont.setBold(true);
        s.axisLabelFont.setPointSize(12);
        s.valueFont = chart->font();
    }
}

void TfDebtReduction::UpdateDataLabels()
{
    m_engine.btnMinimumPaymentsClick();
    m_engine.btnKorvoPaymentsClick();

    // Each figure is read where it is used, as the summary defines them.
    const TDebtReduction &r = theDebtRedution;
    lblR2C2->setText(QString::number(r.DebtCount()));
    lblR3C2->setText(QString::number(r.DebtCount()));
    lblR2C3->setText(FormatThousands(r.TotalDebt()));
    lblR3C3->setText(FormatThousands(r.TotalDebt()));
    lblR2C4->setText(FormatThousands(r.InterestMinPmt()));
    lblR3C4->setText(FormatThousands(r.InterestKorvo()));
    lblR4C4->setText(FormatThousands(r.InterestSaved()));
    lblR2C5->setText(QString::number(r.MonthsMinPmt()));
    lblR3C5->setText(QString::number(r.MonthsKorvo()));
    lblR4C5->setText(FormatThousands(r.MonthsSaved()));
    lblR2C6->setText(monthYear(r.DebtFreeDateMinPmt()));
    lblR3C6->setText(monthYear(r.DebtFreeDateKorvo()));
    lblR4C6->setText(r.YearsMonths());

    lblSavingsInterest->setText(lblR4C4->text());
    lblSavingsMonths->setText(r.YrMo());
    FitSavingsText(lblSavingsInterest);
    FitSavingsText(lblSavingsMonths);

    TChartSeries *donut = DonutChart->Series();
    donut->SetValue(0, r.TotalDebt());
    donut->SetValue(1, r.InterestSaved());
    donut->SetValue(2, r.InterestKorvo());
    DonutChart->update();

    UpdateBarCharts();
}

void TfDebtReduction::UpdateBarCharts()
{
    BarChartInterest->Series()->SetValue(0, theDebtRedution.InterestMinPmt());
    BarChartInterest->Series()->SetValue(1, theDebtRedution.InterestKorvo());
    BarChartInterest->update();
    BarChart->Series()->SetValue(0, theDebtRedution.MonthsMinPmt());
    BarChart->Series()->SetValue(1, theDebtRedution.MonthsKorvo());
    BarChart->update();
}

void TfDebtReduction::MakeThemeAdjustments()
{
    const QColor background = chartBackground(), text = chartText();
    for (TChartView *chart : {DonutChart, BarChartInterest, BarChart})
        chart->SetBackground(background);
    for (TChartView *chart : {BarChartInterest, BarChart})
        chart->barStyle.textColor = text;
    rectBackgroundColor->setStyleSheet(QStringLiteral("background-color: %1;").arg(rgb(background)));
    // Header texts follow the charts' text colour; the filled cells keep white.
    lytTop->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(rgb(text)));
    ApplyLinkStyle();
    BarChart->update();
}

QColor TfDebtReduction::LinkColor(bool hover)
{
    if (hover)
        return dark() ? QColor(0xFF, 0xB8, 0x6B) : kOrange;
    return dark() ? QColor(0x64, 0x95, 0xED) : QColor(0x2F, 0x80, 0xC8);
}

void TfDebtReduction::ApplyLinkStyle()
{
    lblDebtFreeDate->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(rgb(LinkColor(m_linkHover))));
    QFont f = lblDebtFreeDate->font();
    f.setUnderline(m_linkHover);
    lblDebtFreeDate->setFont(f);
}

void TfDebtReduction::lblDebtFreeDateMouseEnter(QObject *Sender)
{
    auto *label = qobject_cast<QLabel *>(Sender);
    if (!label)
        return;
    label->setCursor(Qt::PointingHandCursor);
    m_linkHover = true;
    ApplyLinkStyle();
}

void TfDebtReduction::lblDebtFreeDateMouseLeave(QObject *Sender)
{
    auto *label = qobject_cast<QLabel *>(Sender);
    if (!label)
        return;
    label->unsetCursor();
    m_linkHover = false;
    ApplyLinkStyle();
}

void TfDebtReduction::lblDebtFreeDateClick()
{
    if (OnDateFinder)
        OnDateFinder();
}

bool TfDebtReduction::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblDebtFreeDate) {
        switch (event->type()) {
        case QEvent::Enter:
            lblDebtFreeDateMouseEnter(watched);
            break;
        case QEvent::Leave:
            lblDebtFreeDateMouseLeave(watched);
            break;
        case QEvent::MouseButtonRelease: {
            const auto *me = static_cast<QMouseEvent *>(event);
            if (me->button() == Qt::LeftButton && lblDebtFreeDate->rect().contains(me->position().toPoint()))
                lblDebtFreeDateClick();
            break;
        }
        default:
            break;
        }
    } else if (watched == lytDebtReduction && event->type() == QEvent::KeyPress) {
        // The page has no help topic of its own.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1 && OnHelpKey) {
            OnHelpKey(QStringLiteral("general"));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TfDebtReduction::FitSavingsText(QLabel *label)
{
    // 22-point bold unless the text would not fit the box: a long month text
    // in a wide font would be cut off.
    QFont f = label->font();
    f.setBold(true);
    f.setPointSize(kSavingsPointSize);
    const double room = kBarWidth - 2 * 4 - 2 - 2 * 4;
    while (f.pointSize() > 10 && QFontMetricsF(f).horizontalAdvance(label->text()) > room)
        f.setPointSize(f.pointSize() - 1);
    label->setFont(f);
}
