#pragma once
// The payoff engine's long-lived object and its developer page (a tab the
// user never sees): buttons that run the refreshes and the engine's log.

#include "engine/TEngineLog.h"
#include "engine/TPaymentRec.h"

#include <QObject>

class QPlainTextEdit;
class QPushButton;
class QWidget;
class TdmSQLite;

class TfPaymentRec : public QObject, public TEngineLog {
    Q_OBJECT
public:
    TfPaymentRec(TdmSQLite &db, QObject *parent = nullptr);
    ~TfPaymentRec() override;

    // The page's content; the main window moves it into its Payment Rec tab.
    QWidget *lytPaymentRec = nullptr;
    QPushButton *btnMinimumPayments = nullptr;
    QPushButton *btnKorvoPayments = nullptr;
    QPlainTextEdit *memLog = nullptr;

    TPaymentRec &Engine() { return m_rec; }

    // The per-record log costs real time, so the engine writes it only while
    // someone can read it.
    void SetLogging(bool on);
    bool Logging() const { return m_logging; }

    void btnMinimumPaymentsClick();
    void btnKorvoPaymentsClick();

    void AddLogLine(const QString &line) override;

private:
    TPaymentRec m_rec;
    bool m_logging = false;
};
