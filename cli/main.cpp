// orvessa-cli: the engine and the saved plans without a window. It works on a
// private in-memory copy of the database and never changes the file.
#include "app/Clock.h"
#include "app/TAppinfo.h"
#include "engine/CalendarDate.h"
#include "engine/TDebtReduction.h"
#include "engine/TPaymentRec.h"
#include "reports/TReportCatalog.h"
#include "reports/TReportPainter.h"
#include "store/DebtOrder.h"
#include "store/PlanLookup.h"
#include "store/TdmSQLite.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

// Shortest text that reads back as the same double.
QString numberText(double v)
{
    return QString::number(v, 'f', QLocale::FloatingPointShortest);
}

int planIdFor(Database &db, const QString &plan)
{
    try {
        return SavedPlanId(db, plan);
    } catch (const EPlanLookup &e) {
        throw UsageError(e.what());
    }
}

// The plan as opening it in the program leaves it, with fresh result tables.
void loadPlan(TdmSQLite &dm, const QString &plan)
{
    Database &db = dm.conSQLite();
    const int id = planIdFor(db, plan);
    dm.CopyPlanFromHist(id);
    SortWorkingDebts(db);
    TPaymentRec rec(db);
    rec.btnMinimumPaymentsClick();
    rec.btnKorvoPaymentsClick();
}

int intOption(const QCommandLineParser &p, const QString &name, int fallback)
{
    if (!p.isSet(name))
        return fallback;
    bool ok = false;
    const int v = p.value(name).toInt(&ok);
    if (!ok)
        throw UsageError(QStringLiteral("--%1 needs a whole number, not \"%2\".").arg(name, p.value(name)).toStdString());
    return v;
}

void cmdPlans(TdmSQLite &dm)
{
    Statement st(dm.conSQLite(), QStringLiteral("SELECT PlanId, Name, StartDate, Balance, Payment, Strategy, CreditCards, "
                                                "Loans, OneOffs, PledgeMoney, DateLastUpdated FROM vPlanChooser ORDER BY Name;"));
    QStringList header;
    for (int i = 0; i < st.columnCount(); ++i)
        header << st.columnName(i);
    out() << header.join(u'\t') << '\n';
    while (st.step()) {
        QStringList cells;
        for (int i = 0; i < st.columnCount(); ++i) {
            const QVariant v = st.getValue(i);
            cells << (v.typeId() == QMetaType::Double ? numberText(v.toDouble()) : v.toString());
        }
        out() << cells.join(u'\t') << '\n';
    }
}

void cmdSummary(TdmSQLite &dm, bool json)
{
    TDebtReduction r(dm.conSQLite());
    QJsonObject o;
    o.insert(QStringLiteral("DebtCount"), r.DebtCount());
    o.insert(QStringLiteral("TotalDebt"), r.TotalDebt());
    o.insert(QStringLiteral("InterestMinPmt"), r.InterestMinPmt());
    o.insert(QStringLiteral("InterestKorvo"), r.InterestKorvo());
    o.insert(QStringLiteral("InterestSaved"), r.InterestSaved());
    o.insert(QStringLiteral("MonthsMinPmt"), r.MonthsMinPmt());
    o.insert(QStringLiteral("MonthsKorvo"), r.MonthsKorvo());
    o.insert(QStringLiteral("MonthsSaved"), r.MonthsSaved());
    o.insert(QStringLiteral("DebtFreeDateMinPmt"), ToIsoDate(r.DebtFreeDateMinPmt()));
    o.insert(QStringLiteral("DebtFreeDateKorvo"), ToIsoDate(r.DebtFreeDateKorvo()));
    o.insert(QStringLiteral("YearsMonths"), r.YearsMonths());
    o.insert(QStringLiteral("YrMo"), r.YrMo());
    if (json) {
        out() << QJsonDocument(o).toJson(QJsonDocument::Compact) << '\n';
        return;
    }
    const char *order[] = {"DebtCount", "TotalDebt", "InterestMinPmt", "InterestKorvo", "InterestSaved",
                           "MonthsMinPmt", "MonthsKorvo", "MonthsSaved", "DebtFreeDateMinPmt",
                           "DebtFreeDateKorvo", "YearsMonths", "YrMo"};
    for (const char *k : order) {
        const QJsonValue v = o.value(QLatin1String(k));
        out() << k << ": " << (v.isDouble() ? numberText(v.toDouble()) : v.toString()) << '\n';
    }
}

void cmdSchedule(TdmSQLite &dm, const QString &kind, bool csv)
{
    QString table;
    if (kind == QLatin1String("minimum"))
        table = QStringLiteral("tblMinPaymentsFromArray");
    else if (kind == QLatin1String("accelerated"))
        table = QStringLiteral("tblKXPaymentsFromArray");
    else
        throw UsageError("--kind must be minimum or accelerated.");
    Statement st(dm.conSQLite(), QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
    const QChar sep = csv ? u',' : u'\t';
    QStringList header;
    for (int i = 0; i < st.columnCount(); ++i)
        header << st.columnName(i);
    out() << header.join(sep) << '\n';
    while (st.step()) {
        QStringList cells;
        for (int i = 0; i < st.columnCount(); ++i) {
            const QVariant v = st.getValue(i);
            QString text = v.typeId() == QMetaType::Double ? numberText(v.toDouble()) : v.toString();
            if (csv && (text.contains(u',') || text.contains(u'"'))) {
                text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
                text = u'"' + text + u'"';
            }
            cells << text;
        }
        out() << cells.join(sep) << '\n';
    }
}

void cmdDateFinder(TdmSQLite &dm, int months)
{
    TAppinfo::DateFinderMonths = months;
    TPaymentRec rec(dm.conSQLite());
    rec.btnDateFinderClick();
    TDebtReduction r(dm.conSQLite());
    out() << numberText(TAppinfo::DateFinderPledgeMoney) << '\n' << r.MonthsKorvo() << '\n';
}

void cmdReport(TdmSQLite &dm, TReportKind kind, const QString &pdfPath)
{
    const TReportDocument doc = TReportCatalog::Produce(kind, dm.conSQLite(), Clock::Today());
    if (!TReportPainter::WritePdf(doc, pdfPath, TReportCatalog::Caption(kind)))
        throw std::runtime_error(QStringLiteral("Cannot write %1.").arg(pdfPath).toStdString());
}

int run(QCoreApplication &app)
{
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Orvessa without a window. Commands:\n"
        "  plans                                   the saved plans\n"
        "  summary --plan P [--json]               the savings figures of a plan\n"
        "  schedule --plan P --kind minimum|accelerated [--csv]\n"
        "                                          the rows of a payoff schedule\n"
        "  date-finder --plan P --months T         the pledge money that pays off within T months,\n"
        "                                          then the months of that plan\n"
        "  report NAME --plan P --pdf FILE         a report as PDF; NAME is savings, summary, payments,\n"
        "                                          balances, interest or worksheet\n"
        "The database file is read into memory and never changed."));
    p.addHelpOption();
    p.addPositionalArgument(QStringLiteral("command"), QStringLiteral("plans, summary, schedule, date-finder or report"));
    p.addOptions({
        {QStringLiteral("db"), QStringLiteral("The database file (default: the user's Data/Orvessa.db)."), QStringLiteral("file")},
        {QStringLiteral("plan"), QStringLiteral("A saved plan's id or exact name."), QStringLiteral("plan")},
        {QStringLiteral("min-payment-allowed"), QStringLiteral("15, 20, 25, 30 or 35 (default 25)."), QStringLiteral("n")},
        {QStringLiteral("kind"), QStringLiteral("minimum or accelerated."), QStringLiteral("kind")},
        {QStringLiteral("months"), QStringLiteral("Target number of months for date-finder."), QStringLiteral("n")},
        {QStringLiteral("json"), QStringLiteral("summary as one JSON object.")},
        {QStringLiteral("csv"), QStringLiteral("schedule as CSV.")},
        {QStringLiteral("pdf"), QStringLiteral("The PDF file report writes."), QStringLiteral("file")},
    });
    p.process(app);

    const QStringList args = p.positionalArguments();
    if (args.isEmpty())
        throw UsageError("Give exactly one command; see --help.");
    const QString command = args.first();
    if (command != QLatin1String("plans") && command != QLatin1String("summary")
        && command != QLatin1String("schedule") && command != QLatin1String("date-finder")
        && command != QLatin1String("report"))
        throw UsageError(QStringLiteral("Unknown command \"%1\"; see --help.").arg(command).toStdString());
    std::optional<TReportKind> reportKind;
    if (command == QLatin1String("report")) {
        if (args.size() != 2)
            throw UsageError("report needs a report name: savings, summary, payments, balances, interest or worksheet.");
        reportKind = TReportCatalog::FromCliName(args[1]);
        if (!reportKind)
            throw UsageError(QStringLiteral("Unknown report \"%1\"; use savings, summary, payments, balances, "
                                            "interest or worksheet.")
                                 .arg(args[1])
                                 .toStdString());
        if (p.value(QStringLiteral("pdf")).isEmpty())
            throw UsageError("report needs --pdf FILE.");
    } else if (args.size() != 1) {
        throw UsageError("Give exactly one command; see --help.");
    }

    const int minPmt = intOption(p, QStringLiteral("min-payment-allowed"), 25);
    if (minPmt != 15 && minPmt != 20 && minPmt != 25 && minPmt != 30 && minPmt != 35)
        throw UsageError("--min-payment-allowed must be 15, 20, 25, 30 or 35.");
    TAppinfo::SetMinPmtAllowed(minPmt);

    QString dbPath = p.value(QStringLiteral("db"));
    if (dbPath.isEmpty())
        dbPath = TAppinfo::AppDataFolderPath() + QStringLiteral("/Data/Orvessa.db");
    if (!QFileInfo(dbPath).isFile())
        throw UsageError(QStringLiteral("No database file at %1.").arg(dbPath).toStdString());
    TdmSQLite dm(dbPath, TdmSQLite::PrivateCopy{});

    if (command == QLatin1String("plans")) {
        cmdPlans(dm);
        return 0;
    }
    // The worksheet is blank, so it needs no plan.
    if (reportKind == TReportKind::Worksheet && !p.isSet(QStringLiteral("plan"))) {
        cmdReport(dm, *reportKind, p.value(QStringLiteral("pdf")));
        return 0;
    }
    if (!p.isSet(QStringLiteral("plan")))
        throw UsageError("This command needs --plan.");
    loadPlan(dm, p.value(QStringLiteral("plan")));
    if (command == QLatin1String("summary")) {
        cmdSummary(dm, p.isSet(QStringLiteral("json")));
    } else if (reportKind) {
        cmdReport(dm, *reportKind, p.value(QStringLiteral("pdf")));
    } else if (command == QLatin1String("schedule")) {
        cmdSchedule(dm, p.value(QStringLiteral("kind")), p.isSet(QStringLiteral("csv")));
    } else {
        if (!p.isSet(QStringLiteral("months")))
            throw UsageError("date-finder needs --months.");
        const int months = intOption(p, QStringLiteral("months"), 0);
        if (months < 1)
            throw UsageError("--months must be 1 or more.");
        cmdDateFinder(dm, months);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Reports need fonts and painting, so that command runs a GUI application
    // without a display; the others stay console-only.
    bool report = false;
    for (int i = 1; i < argc; ++i)
        report = report || std::strcmp(argv[i], "report") == 0;
    if (report && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> appPtr =
        report ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *appPtr;
    QCoreApplication::setApplicationName(QStringLiteral("orvessa-cli"));
    try {
        const int rc = run(app);
        out().flush();
        return rc;
    } catch (const UsageError &e) {
        std::fprintf(stderr, "orvessa-cli: %s\n", e.what());
        return 2;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "orvessa-cli: %s\n", e.what());
        return 1;
    }
}
