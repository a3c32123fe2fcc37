#include "editing/TfPlan.h"

#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TMainHost.h"
#include "app/UrlOpener.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QCalendarWidget>
#include <QColor>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString BlankValueMessage = QStringLiteral(
    "Sorry, we can't accept a blank value.\r\nPlease enter a value and try again.");
const QString PlanNamePlaceholder = QStringLiteral("Plan Name goes here");

// Digits only, at most TfPlan::MaxPledgeMoney; leading zeros are fine.
bool ParseWholeAmount(const QString &text, long long &value)
{
    if (text.isEmpty())
        return false;
    long long v = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
        if (v > TfPlan::MaxPledgeMoney)
            return false;
    }
    value = v;
    return true;
}

QLabel *Caption(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setContentsMargins(0, 4, 0, 0);
    return l;
}

} // namespace

TfPlan::TfPlan(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fPlan"));
    lytPlan = new QWidget;
    lytPlan->setObjectName(QStringLiteral("lytPlan"));
    auto *l = new QVBoxLayout(lytPlan);
    l->setContentsMargins(4, 0, 4, 4);
    l->setSpacing(1);

    lblPlanName = Caption(QStringLiteral("Plan Name"), "lblPlanName", lytPlan);
    edPlanName = new QLineEdit(QStringLiteral("New"), lytPlan);
    edPlanName->setObjectName(QStringLiteral("edPlanName"));

    lblStartMonth = Caption(QStringLiteral("Start Month"), "lblStartMonth", lytPlan);
    dtStartMonth = new QDateEdit(lytPlan);
    dtStartMonth->setObjectName(QStringLiteral("dtStartMonth"));
    dtStartMonth->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    dtStartMonth->setCalendarPopup(true);

    lblStrategy = Caption(QStringLiteral("Payoff Strategy"), "lblStrategy", lytPlan);
    cbPayoffStrategy = new QComboBox(lytPlan);
    cbPayoffStrategy->setObjectName(QStringLiteral("cbPayoffStrategy"));
    cbPayoffStrategy->addItems({QStringLiteral("Avalanche"), QStringLiteral("Snowball"), QStringLiteral("Custom")});
    cbPayoffStrategy->setCurrentIndex(0);

    lblPledgeMoney = Caption(QStringLiteral("Pledge Money"), "lblPledgeMoney", lytPlan);
    edPledgeMoney = new QLineEdit(QStringLiteral("0"), lytPlan);
    edPledgeMoney->setObjectName(QStringLiteral("edPledgeMoney"));
    edPledgeMoney->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edPledgeMoney));

    grpPledgeMoney = new QWidget(lytPlan);
    grpPledgeMoney->setObjectName(QStringLiteral("grpPledgeMoney"));
    auto *g = new QHBoxLayout(grpPledgeMoney);
    g->setContentsMargins(0, 4, 0, 0);
    rbImmediate = new QRadioButton(QStringLiteral("Immediate"), grpPledgeMoney);
    rbImmediate->setObjectName(QStringLiteral("rbImmediate"));
    rbImmediate->setChecked(true);
    rbDeferred = new QRadioButton(QStringLiteral("Deferred"), grpPledgeMoney);
    rbDeferred->setObjectName(QStringLiteral("rbDeferred"));
    g->addWidget(rbImmediate);
    g->addWidget(rbDeferred);
    g->addStretch();

    for (QWidget *w : {static_cast<QWidget *>(lblPlanName), static_cast<QWidget *>(edPlanName),
                       static_cast<QWidget *>(lblStartMonth), static_cast<QWidget *>(dtStartMonth),
                       static_cast<QWidget *>(lblStrategy), static_cast<QWidget *>(cbPayoffStrategy),
                       static_cast<QWidget *>(lblPledgeMoney), static_cast<QWidget *>(edPledgeMoney), grpPledgeMoney})
        l->addWidget(w);
    l->addStretch();

    // The typing events stay installed: they only raise the modified flag.
    const auto markTyping = [] {
        if (!TAppinfo::GetPlanModified())
            TAppinfo::SetPlanModified(true);
    };
    connect(edPlanName, &QLineEdit::textEdited, this, markTyping);
    connect(edPledgeMoney, &QLineEdit::textEdited, this, markTyping);

    // The popup is created on demand; creating it now lets us see it close.
    m_calendarPopup = dtStartMonth->calendarWidget()->window();
    m_calendarPopup->installEventFilter(this);

    SQLDataToControls();
    EnableOnChangeEvents();
    for (QObject *c : std::initializer_list<QObject *>{edPlanName, dtStartMonth, cbPayoffStrategy, edPledgeMoney, rbImmediate, rbDeferred})
        HandleHelpKey(c);
    MakeThemeAdjustments();
}

TfPlan::~TfPlan()
{
    DisableOnChangeEvents();
    delete lytPlan;
}

QDate TfPlan::StartMonth() const { return dtStartMonth->date(); }
QString TfPlan::StartMonthText() const { return TdmSQLite::SQLDateText(StartMonth()); }
QString TfPlan::Strategy() const { return cbPayoffStrategy->currentText(); }
QString TfPlan::PledgeMoney() const { return edPledgeMoney->text(); }

QString TfPlan::PlanType() const
{
    if (rbImmediate->isChecked())
        return rbImmediate->text();
    if (rbDeferred->isChecked())
        return rbDeferred->text();
    return QString();
}

void TfPlan::SetStartMonth(const QDate &d)
{
    if (d.isValid())
        dtStartMonth->setDate(d);
}

void TfPlan::SetStrategy(const QString &s)
{
    cbPayoffStrategy->setCurrentIndex(cbPayoffStrategy->findText(s, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TfPlan::SetPlanType(const QString &s)
{
    for (QRadioButton *rb : {rbImmediate, rbDeferred})
        if (rb->text() == s)
            rb->setChecked(true);
}

QString TfPlan::GetPlanName() const { return edPlanName->text(); }

void TfPlan::SetPlanName(const QString &Value)
{
    const bool differs = Value != edPlanName->text() || Value != m_nameShown;
    edPlanName->setText(Value);
    if (differs && OnChangeEventsEnabled())
        PlanNameChange();
}

void TfPlan::SetPledgeMoney(const QString &Value)
{
    const bool differs = Value != edPledgeMoney->text() || Value != m_pledgeStored;
    edPledgeMoney->setText(Value);
    if (differs && OnChangeEventsEnabled())
        PledgeMoneyChange();
}

void TfPlan::SetStrategyToCustom()
{
    // The index signal runs PayoffStrategyChange when the selection changes.
    SetStrategy(QStringLiteral("Custom"));
}

void TfPlan::SQLDataToControls()
{
    Statement q(m_db.conSQLite(), QStringLiteral(
        "SELECT RowID, PlanId, PlanName, StartDate, Strategy, PledgeMoney, PlanType FROM Plan WHERE RowID = 1;"));
    if (!q.step())
        return;
    FRowID = q.getInt(0);
    TAppinfo::SetPlanId(q.getInt(1));
    SetPlanName(q.getText(2));
    SetStartMonth(QDate::fromString(q.getText(3), Qt::ISODate));
    SetStrategy(q.getText(4));
    edPledgeMoney->setText(q.getText(5));
    SetPlanType(q.getText(6));
    m_nameShown = GetPlanName();
    m_pledgeStored = PledgeMoney();
    m_startStored = StartMonth();
    SetPlanSortFromStrategy(q.getText(4));
}

void TfPlan::SQLControlsToDatabase()
{
    // Text typed but never confirmed may be blank or out of range; the row
    // then keeps the amount it holds rather than getting text or infinity.
    long long pledge = 0;
    const bool pledgeValid = ParseWholeAmount(PledgeMoney(), pledge);
    if (!pledgeValid)
        edPledgeMoney->setText(m_pledgeStored);
    Statement q(m_db.conSQLite(), QStringLiteral(
        "UPDATE Plan SET PlanName = :pn, StartDate = :sd, Strategy = :st, PledgeMoney = :pm, PlanType = :pt "
        "WHERE RowID = :rid;"));
    q.bind(":pn", GetPlanName())
        .bind(":sd", StartMonthText())
        .bind(":st", Strategy())
        .bind(":pm", pledgeValid ? QVariant(static_cast<double>(pledge)) : QVariant(m_pledgeStored))
        .bind(":pt", PlanType())
        .bind(":rid", FRowID);
    q.exec();
    m_nameShown = GetPlanName();
    m_pledgeStored = PledgeMoney();
    m_startStored = StartMonth();
}

void TfPlan::EnableOnChangeEvents()
{
    if (OnChangeEventsEnabled())
        return;
    // Leaving an edit counts only when its text differs from what was
    // loaded or stored, so tabbing through the panel changes nothing.
    m_handlers << connect(edPlanName, &QLineEdit::editingFinished, this, [this] {
        if (GetPlanName() != m_nameShown)
            PlanNameChange();
    });
    m_handlers << connect(edPledgeMoney, &QLineEdit::editingFinished, this, [this] {
        if (PledgeMoney() != m_pledgeStored)
            PledgeMoneyChange();
    });
    // A month typed by keyboard is stored like one picked from the calendar,
    // so the figures never use a month the box no longer shows.
    m_handlers << connect(dtStartMonth, &QDateEdit::editingFinished, this, [this] {
        if (!m_calendarPopup->isVisible())
            StartMonthClosePicker();
    });
    m_handlers << connect(cbPayoffStrategy, &QComboBox::currentIndexChanged, this, &TfPlan::PayoffStrategyChange);
    m_handlers << connect(rbImmediate, &QRadioButton::toggled, this, &TfPlan::PlanTypeChange);
}

void TfPlan::DisableOnChangeEvents()
{
    for (const auto &c : std::as_const(m_handlers))
        disconnect(c);
    m_handlers.clear();
}

bool TfPlan::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_calendarPopup && event->type() == QEvent::Hide && OnChangeEventsEnabled()) {
        // The popup puts back the old date in its own hide handling when it
        // was dismissed; look at the date once that has happened.
        QTimer::singleShot(0, this, [this] {
            if (!OnChangeEventsEnabled())
                return;
            dtStartMonth->clearFocus();
            StartMonthClosePicker();
        });
    }
    return QObject::eventFilter(watched, event);
}

void TfPlan::AddLogLine(const QString &line)
{
    if (m_host)
        m_host->Log(QStringLiteral("fPlan --> ") + line, false);
}

void TfPlan::SetModifiedToTrue(const QString &senderName)
{
    TAppinfo::SetPlanModified(true);
    AddLogLine(QStringLiteral("Inside SetModifiedToTrue --> %1 updated the database").arg(senderName));
}

void TfPlan::RefreshDebtReduction()
{
    if (m_host && m_host->DebtReductionTabEnabled())
        m_host->UpdateDataLabels();
}

void TfPlan::PlanNameChange()
{
    const QString n = GetPlanName().trimmed();
    if (n.isEmpty()) {
        KxMsgDialog(BlankValueMessage, 1);
        SetPlanName(PlanNamePlaceholder);
        edPlanName->setFocus();
        edPlanName->selectAll();
        return;
    }
    Statement q(m_db.conSQLite(), QStringLiteral(
        "UPDATE Plan SET PlanName = :av WHERE RowID = :rid AND PlanName <> :av;"));
    q.bind(":av", n).bind(":rid", FRowID);
    q.exec();
    m_nameShown = GetPlanName();
    SetModifiedToTrue(edPlanName->objectName());
}

void TfPlan::StartMonthClosePicker()
{
    const QDate d = StartMonth();
    if (d == m_startStored)
        return;
    Statement q(m_db.conSQLite(), QStringLiteral("UPDATE Plan SET StartDate = :av WHERE RowID = :rid"));
    q.bind(":av", TdmSQLite::SQLDateText(d)).bind(":rid", FRowID);
    q.exec();
    m_startStored = d;
    SetModifiedToTrue(dtStartMonth->objectName());
    RefreshDebtReduction();
}

void TfPlan::PayoffStrategyChange()
{
    AddLogLine(QString());
    AddLogLine(QStringLiteral("Begin PayoffStrategyChange( Sender: TObject )"));
    const QString s = Strategy();
    SetModifiedToTrue(cbPayoffStrategy->objectName());
    SetPlanSortFromStrategy(s);
    Statement q(m_db.conSQLite(), QStringLiteral("UPDATE Plan SET Strategy = :av WHERE RowID = :rid"));
    q.bind(":av", s).bind(":rid", FRowID);
    q.exec();
    if (m_host)
        m_host->RefreshDebtGridWithData();
    RefreshDebtReduction();
    if (s == QLatin1String("Custom") && m_host)
        m_host->SetDebtsTabActive();
    AddLogLine(QStringLiteral("SQL ORDER BY = ") + TAppinfo::GetPlanSort());
    AddLogLine(QStringLiteral("End PayoffStrategyChange( Sender: TObject )"));
    AddLogLine(QString());
}

void TfPlan::PledgeMoneyChange()
{
    const QString text = PledgeMoney();
    if (text.isEmpty()) {
        KxMsgDialog(BlankValueMessage, 1);
        edPledgeMoney->setText(QStringLiteral("0"));
        PledgeMoneyChange();
        return;
    }
    long long value = 0;
    if (!ParseWholeAmount(text, value)) {
        KxMsgDialog(QStringLiteral("Sorry, the pledge money must be a whole amount from 0 to %1.\r\n"
                                   "Please enter a smaller value and try again.")
                        .arg(QStringLiteral("999,999,999,999")),
                    1);
        edPledgeMoney->setText(m_pledgeStored);
        edPledgeMoney->setFocus();
        edPledgeMoney->selectAll();
        return;
    }
    Statement q(m_db.conSQLite(), QStringLiteral("UPDATE Plan SET PledgeMoney = :av WHERE RowID = :rid"));
    q.bind(":av", static_cast<double>(value)).bind(":rid", FRowID);
    q.exec();
    m_pledgeStored = text;
    SetModifiedToTrue(edPledgeMoney->objectName());
    RefreshDebtReduction();
}

void TfPlan::PlanTypeChange()
{
    Statement q(m_db.conSQLite(), QStringLiteral("UPDATE Plan SET PlanType = :av WHERE RowID = :rid"));
    q.bind(":av", PlanType()).bind(":rid", FRowID);
    q.exec();
    SetModifiedToTrue(rbImmediate->objectName());
    RefreshDebtReduction();
}

void TfPlan::MakeThemeAdjustments()
{
    // Per-widget sheets: the application's style sheet would override a palette.
    const QColor c = QColor::fromRgba(TAppinfo::GetThemeLabelColor());
    const QString sheet = QStringLiteral("QLabel { color: rgba(%1, %2, %3, %4); }")
                              .arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
    for (QLabel *l : {lblPlanName, lblStartMonth, lblStrategy, lblPledgeMoney})
        l->setStyleSheet(sheet);
}
