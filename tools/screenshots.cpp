// Renders the main window with "Sample 2" open on each visible tab in both
// themes, as a newcomer would see it. Usage: screenshots OUTPUT_FOLDER
#include "app/TdmImages.h"
#include "app/TAppinfo.h"
#include "app/TfMain.h"
#include "store/PlanLookup.h"
#include "store/TdmSQLite.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    // A throw-away data folder: the person's own plans are never touched.
    QTemporaryDir data;
    qputenv("ORVESSA_DATA_DIR", data.path().toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TAppinfo::Initialize();
    TdmImages images;
    TdmSQLite db(TAppinfo::DatabasePath);
    TfMain w(db);
    w.resize(1070, 601);
    w.show();
    w.OpenSavedPlan(SavedPlanId(db.conSQLite(), QStringLiteral("Sample 2")));

    const char *tabs[] = {"debts", "debt-reduction", "reports"};
    for (const char *theme : {"light", "dark"}) {
        w.findChild<QAction *>(QString::fromLatin1(theme) == QLatin1String("light") ? QStringLiteral("mbThemeLight")
                                                                                    : QStringLiteral("mbThemeDark"))
            ->trigger();
        for (int i = 0; i < 3; ++i) {
            w.tcRight->setCurrentIndex(i);
            QApplication::processEvents();
            const QString file = out.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(theme), QLatin1String(tabs[i])));
            if (!w.grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    w.tcRight->setCurrentIndex(0);
    return 0;
}
