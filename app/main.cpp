#include "app/MsgDialogs.h"
#include "app/SingleInstance.h"
#include "app/TApplication.h"
#include "app/TdmImages.h"
#include "app/TAppinfo.h"
#include "app/TfMain.h"
#include "store/PlanLookup.h"
#include "store/TdmSQLite.h"

#include <QCommandLineParser>

#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <memory>

int main(int argc, char **argv)
{
    // The application object exists before the instance check so that a
    // refused start can beep; it creates no window or file.
    TApplication app(argc, argv);

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Orvessa: plan the way out of debt."));
    options.addHelpOption();
    options.addOption({QStringLiteral("open"), QStringLiteral("Open the saved plan with this id or exact name."),
                       QStringLiteral("plan")});
    // Unknown arguments (a launcher may add some) never stop the program.
    options.parse(QCoreApplication::arguments());
    if (options.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(options.helpText()), stdout);
        return 0;
    }
    const QString openPlan = options.value(QStringLiteral("open"));

    // A second start hands its plan to the running instance.
    TSingleInstance single(QString::fromLatin1(TAppinfo::MutexName), TAppinfo::AppDataFolderPath());
    if (!single.CheckSingleInstance(openPlan))
        return 0;

    int status = 0;
    try {
        std::srand(unsigned(std::time(nullptr)));
        TAppinfo::Initialize();
        TdmImages images;
        auto db = std::make_unique<TdmSQLite>(TAppinfo::DatabasePath);
        auto main = std::make_unique<TfMain>(*db);
        main->show();
        QObject::connect(&single, &TSingleInstance::openRequested, main.get(), [&main](const QString &plan) {
            // Not inside the socket's handler: the save prompt may open.
            QTimer::singleShot(0, main.get(), [&main, plan] { main->OpenPlanByName(plan); });
        });
        single.StartListening(main.get());
        if (!openPlan.isEmpty()) {
            QTimer::singleShot(0, main.get(), [&db, &main, openPlan] {
                try {
                    main->OpenSavedPlan(SavedPlanId(db->conSQLite(), openPlan));
                } catch (const EPlanLookup &e) {
                    KxMsgDialog(QString::fromUtf8(e.what()) + QStringLiteral("\r\nOrvessa starts with a new, empty plan."), 1);
                }
            });
        }
        if (qEnvironmentVariableIsSet("ORVESSA_EXIT_AFTER_START"))
            QTimer::singleShot(0, main.get(), &QWidget::close);
        app.exec();
    } catch (const std::exception &e) {
        single.ReleaseSingleInstance();
        KxMsgDialog(QString::fromUtf8(e.what()), 1);
        status = 217;
    }
    single.ReleaseSingleInstance();
    return status;
}
