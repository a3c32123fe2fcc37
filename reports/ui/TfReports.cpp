#include "reports/ui/TfReports.h"

#include "app/Clock.h"
#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TMainHost.h"
#include "reports/ReportBands.h"
#include "reports/ReportFormat.h"
#include "reports/TCrossTabReport.h"
#include "reports/ui/TReportPreview.h"
#include "store/TdmSQLite.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <exception>

namespace {

// Preview picture by button tag 1..6.
const char *const kPreviewByTag[7] = {nullptr,      "Image2.png", "Image1.png", "Image3.png",
                                      "Image4.png", "Image5.png", "Image6.png"};

bool isMonthCell(const QString &name)
{
    static const QStringList months = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                                       QStringLiteral("Apr"), QStringLiteral("May"), QStringLiteral("Jun"),
                                       QStringLiteral("Jul"), QStringLiteral("Aug"), QStringLiteral("Sep"),
                                       QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    return name.size() == 5 && (name.startsWith(QLatin1String("md")) || name.startsWith(QLatin1String("gf")))
           && months.contains(name.mid(2));
}

} // namespace

TfReports::TfReports(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fReports"));
    lytReports = new QWidget;
    lytReports->setObjectName(QStringLiteral("lytReports"));
    auto *row = new QHBoxLayout(lytReports);

    PreviewArea = new QWidget(lytReports);
    PreviewArea->setObjectName(QStringLiteral("PreviewArea"));
    auto *previewLayout = new QVBoxLayout(PreviewArea);
    txtInstructions = new QLabel(PreviewArea);
    txtInstructions->setObjectName(QStringLiteral("txtInstructions"));
    txtInstructions->setAlignment(Qt::AlignCenter);
    QFont f = txtInstructions->font();
    f.setPointSize(16);
    txtInstructions->setFont(f);
    previewLayout->addWidget(txtInstructions);
    // The picture is placed by hand, outside the layout.
    Image1 = new QLabel(PreviewArea);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->resize(0, 0);
    row->addWidget(PreviewArea, 1);

    auto *column = new QVBoxLayout;
    const struct {
        QPushButton **button;
        const char *name;
        TReportKind kind;
        int tag;
        void (TfReports::*click)();
    } buttons[] = {
        {&btnPayoffSavingsReport, "btnPayoffSavingsReport", TReportKind::Savings, 2,
         &TfReports::btnPayoffSavingsReportClick},
        {&btnPayoffSummaryReport, "btnPayoffSummaryReport", TReportKind::Summary, 1,
         &TfReports::btnPayoffSummaryReportClick},
        {&btnMonthlyPaymentReport, "btnMonthlyPaymentReport", TReportKind::Payments, 3,
         &TfReports::btnMonthlyPaymentReportClick},
        {&btnMonthlyBalanceReport, "btnMonthlyBalanceReport", TReportKind::Balances, 4,
         &TfReports::btnMonthlyBalanceReportClick},
        {&btnMonthlyInterestReport, "btnMonthlyInterestReport", TReportKind::Interest, 5,
         &TfReports::btnMonthlyInterestReportClick},
        {&btnDataEntryWorksheet, "btnDataEntryWorksheet", TReportKind::Worksheet, 6,
         &TfReports::btnDataEntryWorksheetClick},
    };
    column->addStretch();
    for (const auto &b : buttons) {
        auto *btn = new QPushButton(TReportCatalog::Caption(b.kind), lytReports);
        btn->setObjectName(QString::fromLatin1(b.name));
        btn->setProperty("Tag", b.tag);
        btn->setMinimumHeight(40);
        btn->installEventFilter(this);
        connect(btn, &QPushButton::clicked, this, b.click);
        column->addWidget(btn);
        *b.button = btn;
    }
    column->addStretch();
    row->addLayout(column);

    UpdateInstructionTextAppearance();
}

TfReports::~TfReports()
{
    delete lytReports;
}

void TfReports::UpdateInstructionTextAppearance()
{
    txtInstructions->setText(QStringLiteral("\U0001F5B1 Hover to preview.\r\n\U0001F5A8 Click to print.\r\n\r\n\r\n"));
    const QColor color = TAppinfo::GetThemeStyle() == tsDark ? Qt::white : Qt::black;
    QPalette pal = txtInstructions->palette();
    pal.setColor(QPalette::WindowText, color);
    txtInstructions->setPalette(pal);
    txtInstructions->setStyleSheet(QStringLiteral("color: %1;").arg(color.name()));
}

bool TfReports::eventFilter(QObject *watched, QEvent *event)
{
    if (qobject_cast<QPushButton *>(watched)) {
        if (event->type() == QEvent::Enter)
            btnReportMouseEnter(watched);
        else if (event->type() == QEvent::Leave)
            btnReportMouseLeave();
    }
    return QObject::eventFilter(watched, event);
}

void TfReports::btnReportMouseEnter(QObject *sender)
{
    txtInstructions->hide();
    ShowPreviewImage(sender->property("Tag").toInt());
}

void TfReports::btnReportMouseLeave()
{
    txtInstructions->show();
    Image1->clear();
    Image1->resize(0, 0);
    if (FImageBorder)
        FImageBorder->resize(0, 0);
}

void TfReports::ShowPreviewImage(int tag)
{
    Image1->clear();
    if (tag < 1 || tag > 6)
        return;
    const QString path = QDir(TAppinfo::ImagePath).filePath(QString::fromLatin1(kPreviewByTag[tag]));
    if (!QFileInfo(path).isFile())
        return;
    Image1->setPixmap(QPixmap(path));
    FitPreviewImage();
}

void TfReports::FitPreviewImage()
{
    const QPixmap full = Image1->pixmap();
    const int w = full.width(), h = full.height();
    if (w <= 0 || h <= 0)
        return;
    const int W = PreviewArea->width(), H = PreviewArea->height();
    const double scale = std::min(double(H) / h, double(W) / w);
    const QSize size(int(w * scale), int(h * scale));
    // Resampled once, so the label shows it without scaling.
    Image1->setPixmap(full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Image1->setGeometry((W - size.width()) / 2, (H - size.height()) / 2, size.width(), size.height());
    if (!FImageBorder) {
        FImageBorder = new QFrame(PreviewArea);
        FImageBorder->setObjectName(QStringLiteral("FImageBorder"));
        FImageBorder->setStyleSheet(QStringLiteral("QFrame#FImageBorder { border: 1px solid #C0C0C0; background: transparent; }"));
        FImageBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
        FImageBorder->show();
    }
    constexpr int thickness = 1;
    FImageBorder->setGeometry(Image1->geometry().adjusted(-thickness, -thickness, thickness, thickness));
    FImageBorder->raise();
    Image1->raise();
}

void TfReports::SetReportName(const QString &caption)
{
    FReportName = ReportTitlePrefix(caption);
}

TReportTitleData TfReports::ReadReportTitleData()
{
    return ::ReadReportTitleData(m_db.conSQLite());
}

void TfReports::FillReportHeader(TReportDocument &doc, bool applyMonthFontSize)
{
    const TReportTitle title(ReadReportTitleData());
    double monthSize = 0;
    if (applyMonthFontSize) {
        const QVariant total = m_db.conSQLite().scalar(QStringLiteral("SELECT SUM(Balance) as TotalBalance FROM Debts"));
        monthSize = TCrossTabReport::MonthFontSize(total.isNull() ? 0 : total.toDouble());
    }
    for (TReportPage &page : doc.pages)
        for (TReportObject &o : page.objects) {
            if (applyMonthFontSize && isMonthCell(o.name))
                o.fontSize = monthSize;
            if (o.name == QLatin1String("rtTitle"))
                o.text = FReportName + title.PlanName();
            else if (o.name == QLatin1String("rtStartMonth"))
                o.text = title.StartMonth();
            else if (o.name == QLatin1String("rtStrategy"))
                o.text = title.Strategy();
            else if (o.name == QLatin1String("rtPledgeMoney"))
                o.text = FormatShortest(title.PledgeMoney());
        }
}

void TfReports::produce(TReportKind kind, QPushButton *button)
{
    try {
        const bool sharedHeader = kind != TReportKind::Savings && kind != TReportKind::Worksheet;
        if (sharedHeader)
            SetReportName(TReportCatalog::Caption(kind));
        std::optional<TSavingsReportValues> savings;
        if (kind == TReportKind::Savings && OnSavingsValues)
            savings = OnSavingsValues();
        TReportDocument doc = TReportCatalog::Produce(kind, m_db.conSQLite(), Clock::Today(), savings);
        if (sharedHeader)
            FillReportHeader(doc, kind != TReportKind::Summary);
        const QString title = TReportCatalog::Caption(kind);
        if (OnShowPreview) {
            OnShowPreview(doc, title);
        } else {
            TReportPreview preview(doc, title, lytReports->window());
            preview.exec();
        }
    } catch (const std::exception &e) {
        KxMsgDialog(QString::fromUtf8(e.what()), 1);
    }
    if (button)
        button->clearFocus();
}

void TfReports::btnPayoffSavingsReportClick()
{
    produce(TReportKind::Savings, btnPayoffSavingsReport);
}

void TfReports::btnPayoffSummaryReportClick()
{
    produce(TReportKind::Summary, btnPayoffSummaryReport);
}

void TfReports::btnMonthlyPaymentReportClick()
{
    produce(TReportKind::Payments, btnMonthlyPaymentReport);
}

void TfReports::btnMonthlyBalanceReportClick()
{
    produce(TReportKind::Balances, btnMonthlyBalanceReport);
}

void TfReports::btnMonthlyInterestReportClick()
{
    produce(TReportKind::Interest, btnMonthlyInterestReport);
}

void TfReports::btnDataEntryWorksheetClick()
{
    produce(TReportKind::Worksheet, btnDataEntryWorksheet);
}
