#include "reports/TReportCatalog.h"

#include "reports/TCrossTabReport.h"
#include "reports/TPayoffSummaryReport.h"
#include "reports/TReportLayout.h"
#include "reports/TWorksheetReport.h"

namespace {

struct Entry {
    TReportKind kind;
    const char *caption, *cli, *picture;
};

const Entry kEntries[] = {
    {TReportKind::Savings, "Payoff Savings Report", "savings", "Image1.png"},
    {TReportKind::Summary, "Payoff Summary Report", "summary", "Image2.png"},
    {TReportKind::Payments, "Monthly Payment Report", "payments", "Image3.png"},
    {TReportKind::Balances, "Monthly Balance Report", "balances", "Image4.png"},
    {TReportKind::Interest, "Monthly Interest Report", "interest", "Image5.png"},
    {TReportKind::Worksheet, "Data Entry Worksheet", "worksheet", "Image6.png"},
};

const Entry &entry(TReportKind kind)
{
    return kEntries[int(kind)];
}

} // namespace

QString TReportCatalog::Caption(TReportKind kind)
{
    return QString::fromLatin1(entry(kind).caption);
}

QString TReportCatalog::CliName(TReportKind kind)
{
    return QString::fromLatin1(entry(kind).cli);
}

std::optional<TReportKind> TReportCatalog::FromCliName(const QString &name)
{
    for (const Entry &e : kEntries)
        if (name == QLatin1String(e.cli))
            return e.kind;
    return std::nullopt;
}

QString TReportCatalog::PreviewFile(TReportKind kind)
{
    return QString::fromLatin1(entry(kind).picture);
}

TReportDocument TReportCatalog::Produce(TReportKind kind, Database &db, const QDate &printDate,
                                        const std::optional<TSavingsReportValues> &savings)
{
    TReport r;
    switch (kind) {
    case TReportKind::Savings:
        r = TSavingsReport::Build(savings ? *savings : TSavingsReport::ValuesFromDb(db), printDate);
        break;
    case TReportKind::Summary:
        r = TPayoffSummaryReport::Build(TPayoffSummaryReport::Read(db), printDate);
        break;
    case TReportKind::Payments:
        r = TCrossTabReport::Build(TCrossTabReport::Read(db, TCrossTabKind::Payment), Caption(kind), printDate);
        break;
    case TReportKind::Balances:
        r = TCrossTabReport::Build(TCrossTabReport::Read(db, TCrossTabKind::Balance), Caption(kind), printDate);
        break;
    case TReportKind::Interest:
        r = TCrossTabReport::Build(TCrossTabReport::Read(db, TCrossTabKind::Interest), Caption(kind), printDate);
        break;
    case TReportKind::Worksheet:
        r = TWorksheetReport::Build(printDate);
        break;
    }
    return TReportLayout::Layout(r);
}
