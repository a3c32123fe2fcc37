#pragma once
// The six reports: their captions and how each is produced, shared by the
// Reports tab and orvessa-cli so both print the same pages.

#include "reports/TReportDocument.h"
#include "reports/TSavingsReport.h"

#include <QDate>
#include <QString>

#include <optional>

class Database;

enum class TReportKind { Savings, Summary, Payments, Balances, Interest, Worksheet };

class TReportCatalog {
public:
    // The button caption, e.g. "Monthly Payment Report".
    static QString Caption(TReportKind kind);
    // The command-line name: savings, summary, payments, balances, interest,
    // worksheet.
    static QString CliName(TReportKind kind);
    static std::optional<TReportKind> FromCliName(const QString &name);
    // The preview picture file, "Image1.png" ... "Image6.png".
    static QString PreviewFile(TReportKind kind);

    // Lays out a report from the working plan. The savings report uses
    // `savings` when given, else the same texts computed from the database.
    static TReportDocument Produce(TReportKind kind, Database &db, const QDate &printDate,
                                   const std::optional<TSavingsReportValues> &savings = std::nullopt);
};
