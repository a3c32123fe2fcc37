#pragma once
// Shared set-up for widget tests: a private copy of the template database,
// the settings a fresh start has, and the answers for message boxes.

#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TMainHost.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <vector>

class UiFixture {
public:
    UiFixture()
    {
        path = dir.filePath(QStringLiteral("Orvessa.db"));
        QFile::copy(QStringLiteral(ORVESSA_TEMPLATE_DB), path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        TAppinfo::SetMinPmtAllowed(25);
        TAppinfo::SetPlanSort(QStringLiteral("Avalanche DESC"));
        TAppinfo::SetPlanModified(false);
        TAppinfo::ThemeStyle = tsLight;
        dm = std::make_unique<TdmSQLite>(path);
        SetMsgDialogHook([this](const TMsgRequest &r) {
            boxes.push_back(r);
            if (answers.empty())
                return r.buttons == mbOK ? mrOk : mrYes;
            const int a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~UiFixture() { SetMsgDialogHook(nullptr); }

    Database &db() { return dm->conSQLite(); }

    // The working plan as the program has it after opening a saved plan.
    void openSavedPlan(int planId)
    {
        dm->CopyPlanFromHist(planId);
        SortWorkingDebts(db());
    }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<TdmSQLite> dm;
    // Every box shown, in order; answers queued for the next question boxes
    // (Yes when the queue is empty).
    std::vector<TMsgRequest> boxes;
    std::deque<int> answers;
};

// A stand-in main window for a panel tested on its own: records the calls and
// forwards the cross-panel ones to whatever the test wires in.
class RecordingHost : public TMainHost {
public:
    void Log(const QString &AValue, bool IncludeModified) override
    {
        log << AValue;
        if (IncludeModified)
            log << QStringLiteral("Modified = %1").arg(TAppinfo::GetPlanModified() ? QStringLiteral("True") : QStringLiteral("False"));
    }
    void UpdateTabs() override { ++updateTabsCalls; if (onUpdateTabs) onUpdateTabs(); }
    void SetDebtsTabActive() override { ++debtsTabActiveCalls; }
    bool DebtReductionTabEnabled() const override { return debtReductionEnabled; }
    void RefreshDebtGridWithData() override { ++refreshDebtGridCalls; if (onRefreshDebtGrid) onRefreshDebtGrid(); }
    void UpdateDataLabels() override { ++updateDataLabelsCalls; if (onUpdateDataLabels) onUpdateDataLabels(); }
    void SetStrategyToCustom() override { ++strategyToCustomCalls; if (onStrategyToCustom) onStrategyToCustom(); }

    QStringList log;
    bool debtReductionEnabled = false;
    int updateTabsCalls = 0, debtsTabActiveCalls = 0, refreshDebtGridCalls = 0;
    int updateDataLabelsCalls = 0, strategyToCustomCalls = 0;
    std::function<void()> onUpdateTabs, onRefreshDebtGrid, onUpdateDataLabels, onStrategyToCustom;
};
