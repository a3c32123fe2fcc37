// Renders the six preview pictures of the Reports tab from the Sample 2 plan
// of the template database, with the report renderer itself.
// Usage: make_previews TEMPLATE_DB OUTDIR  (see scripts/make_previews.sh)
#include "app/TAppinfo.h"
#include "engine/TPaymentRec.h"
#include "reports/TReportCatalog.h"
#include "reports/TReportPainter.h"
#include "store/DebtOrder.h"
#include "store/PlanLookup.h"
#include "store/TdmSQLite.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_previews TEMPLATE_DB OUTDIR\n");
        return 2;
    }
    try {
        TdmSQLite dm(QString::fromLocal8Bit(argv[1]), TdmSQLite::PrivateCopy{});
        Database &db = dm.conSQLite();
        TAppinfo::SetMinPmtAllowed(25);
        dm.CopyPlanFromHist(SavedPlanId(db, QStringLiteral("Sample 2")));
        SortWorkingDebts(db);
        TPaymentRec rec(db);
        rec.btnMinimumPaymentsClick();
        rec.btnKorvoPaymentsClick();

        // A fixed print date keeps the pictures the same from one run to the next.
        const QDate printDate(2026, 6, 5);
        const QDir out(QString::fromLocal8Bit(argv[2]));
        for (int k = 0; k < 6; ++k) {
            const auto kind = TReportKind(k);
            const TReportDocument doc = TReportCatalog::Produce(kind, db, printDate);
            const bool landscape = doc.orientation == QPageLayout::Landscape;
            const QImage img = TReportPainter::RenderPage(doc, 0, landscape ? QSize(1056, 816) : QSize(816, 1056));
            const QString path = out.filePath(TReportCatalog::PreviewFile(kind));
            if (!img.save(path)) {
                std::fprintf(stderr, "make_previews: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_previews: %s\n", e.what());
        return 1;
    }
    return 0;
}
