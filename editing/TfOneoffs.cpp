#include "editing/TfOneoffs.h"

#include "app/Clock.h"
#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TMainHost.h"
#include "app/TdmImages.h"
#include "app/UrlOpener.h"
#include "editing/GridHelpers.h"
#include "store/TdmSQLite.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QIcon Glyph(int index)
{
    return TdmImages::Exists() ? TdmImages::Instance().icon32(index) : QIcon();
}

QString ShortDate(const QDate &d)
{
    return QLocale().toString(d, QLocale::ShortFormat);
}

// Whole amounts with the thousands separator, also under the C locale,
// which leaves it out by default.
QString WholeMoney(double v)
{
    QLocale loc;
    loc.setNumberOptions(loc.numberOptions() & ~QLocale::OmitGroupSeparator);
    return loc.toString(v, 'f', 0);
}

} // namespace

TfOneoffs::TfOneoffs(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fOneoffs"));
    lytOneoffs = new QWidget;
    lytOneoffs->setObjectName(QStringLiteral("lytOneoffs"));
    auto *l = new QVBoxLayout(lytOneoffs);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(4);

    lblTitle = new QLabel(QStringLiteral("One-Off Payments"), lytOneoffs);
    lblTitle->setObjectName(QStringLiteral("lblOneOffsTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);

    auto *entry = new QHBoxLayout;
    entry->setContentsMargins(0, 0, 0, 0);
    entry->setSpacing(3);
    dtOneOffDate = new QDateEdit(lytOneoffs);
    dtOneOffDate->setObjectName(QStringLiteral("dtOneOffDate"));
    dtOneOffDate->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    dtOneOffDate->setCalendarPopup(true);
    nbOneOffAmount = new QSpinBox(lytOneoffs);
    nbOneOffAmount->setObjectName(QStringLiteral("nbOneOffAmount"));
    nbOneOffAmount->setRange(0, 1'000'000);
    nbOneOffAmount->setButtonSymbols(QAbstractSpinBox::NoButtons);
    nbOneOffAmount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    btnAddUpdate = new QToolButton(lytOneoffs);
    btnAddUpdate->setObjectName(QStringLiteral("btnAddUpdate"));
    btnCancel = new QToolButton(lytOneoffs);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setToolTip(QStringLiteral("Cancel"));
    btnCancel->setIcon(Glyph(11));
    for (QToolButton *b : {btnAddUpdate, btnCancel}) {
        b->setAutoRaise(true);
        b->setIconSize(QSize(18, 18));
        b->setFixedSize(24, 24);
    }
    // The date needs its full width in the narrow column; the amount takes
    // what is left (seven digits still fit).
    dtOneOffDate->setMinimumWidth(dtOneOffDate->sizeHint().width());
    nbOneOffAmount->setMinimumWidth(56);
    entry->addWidget(dtOneOffDate);
    entry->addWidget(nbOneOffAmount, 1);
    entry->addWidget(btnAddUpdate);
    entry->addWidget(btnCancel);

    sgPayments = new QTableWidget(0, ColumnCount, lytOneoffs);
    sgPayments->setObjectName(QStringLiteral("sgPayments"));
    sgPayments->setHorizontalHeaderLabels({QString(), QStringLiteral("RowId"), QStringLiteral("Date"),
                                           QStringLiteral("Amount"), QString()});
    sgPayments->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgPayments->setSelectionMode(QAbstractItemView::SingleSelection);
    sgPayments->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgPayments->setShowGrid(true);
    sgPayments->setIconSize(QSize(16, 16));
    sgPayments->verticalHeader()->hide();
    sgPayments->verticalHeader()->setDefaultSectionSize(22);
    sgPayments->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgPayments->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Cells are addressed by position, so the columns stay where they are.
    QHeaderView *h = sgPayments->horizontalHeader();
    h->setSectionsMovable(false);
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setHighlightSections(false);
    h->setMinimumSectionSize(16);
    sgPayments->setColumnWidth(colDelete, 20);
    sgPayments->setColumnWidth(colRowID, 41);
    sgPayments->setColumnWidth(colStartDate, 90);
    sgPayments->setColumnWidth(colAmount, 74);
    sgPayments->setColumnWidth(colEdit, 20);
    sgPayments->setColumnHidden(colRowID, true);
    InstallGridMouseWheel(sgPayments);
    InstallColumnWidthRules(sgPayments, OneoffsColumnRules());

    l->addWidget(lblTitle);
    l->addLayout(entry);
    l->addWidget(sgPayments, 1);

    connect(btnAddUpdate, &QToolButton::clicked, this, &TfOneoffs::btnAddUpdateClick);
    connect(btnCancel, &QToolButton::clicked, this, &TfOneoffs::btnCancelClick);
    connect(sgPayments, &QTableWidget::cellClicked, this, &TfOneoffs::sgPaymentsCellClick);
    dtOneOffDate->installEventFilter(this);
    nbOneOffAmount->installEventFilter(this);

    ResetEntryFields(1);
    SQLDataToGrid();
    for (QObject *c : std::initializer_list<QObject *>{dtOneOffDate, nbOneOffAmount, sgPayments})
        HandleHelpKey(c);
}

TfOneoffs::~TfOneoffs()
{
    delete lytOneoffs;
}

QDate TfOneoffs::OneOffDate() const { return dtOneOffDate->date(); }
QString TfOneoffs::OneOffDateText() const { return TdmSQLite::SQLDateText(OneOffDate()); }
int TfOneoffs::OneOffAmount() const { return nbOneOffAmount->value(); }

int TfOneoffs::GridRowID(int row) const
{
    return sgPayments->item(row, colRowID)->data(Qt::UserRole).toInt();
}

QDate TfOneoffs::GridOneOffDate(int row) const
{
    return sgPayments->item(row, colStartDate)->data(Qt::UserRole).toDate();
}

int TfOneoffs::GridOneOffAmount(int row) const
{
    return int(std::lround(sgPayments->item(row, colAmount)->data(Qt::UserRole).toDouble()));
}

void TfOneoffs::SetRowID(int value)
{
    FRowID = value;
    AddLogLine(QStringLiteral("FRowID set to %1").arg(value));
}

void TfOneoffs::SetOneOffDate(const QDate &value)
{
    dtOneOffDate->setDate(value);
    AddLogLine(QStringLiteral("DateEdit1.Date set to ") + ShortDate(value));
}

void TfOneoffs::SetOneOffAmount(int value)
{
    nbOneOffAmount->setValue(value);
    AddLogLine(QStringLiteral("NumberBox1.Value set to %1").arg(value));
}

void TfOneoffs::ResetEntryFields(int AMode)
{
    SetRowID(0);
    SetOneOffDate(Clock::Today());
    SetOneOffAmount(0);
    ShowEntryMode(AMode);
    btnAddUpdate->clearFocus();
}

void TfOneoffs::ShowEntryMode(int AMode)
{
    if (AMode == 2) {
        btnAddUpdate->setIcon(Glyph(TAppinfo::GetThemeStyle() == tsDark ? 31 : 10));
        btnAddUpdate->setToolTip(QStringLiteral("Update"));
    } else {
        btnAddUpdate->setIcon(Glyph(9));
        btnAddUpdate->setToolTip(QStringLiteral("Add"));
    }
}

void TfOneoffs::MakeThemeAdjustments()
{
    // The update check mark has a light and a dark form.
    if (FRowID != 0)
        ShowEntryMode(2);
}

void TfOneoffs::LoadEntryFromGrid(int row)
{
    SetRowID(GridRowID(row));
    SetOneOffDate(GridOneOffDate(row));
    SetOneOffAmount(GridOneOffAmount(row));
}

void TfOneoffs::SQLDataToGrid()
{
    sgPayments->setRowCount(0);
    Statement q(m_db.conSQLite(), QStringLiteral(
        "SELECT rowid, OneOffDate, OneOffPayment FROM OneOffPayments ORDER BY OneOffDate;"));
    int r = 0;
    while (q.step()) {
        sgPayments->setRowCount(r + 1);
        auto *del = new QTableWidgetItem(Glyph(32), QString());
        sgPayments->setItem(r, colDelete, del);

        const int rowid = q.getInt(0);
        auto *id = new QTableWidgetItem(QString::number(rowid));
        id->setData(Qt::UserRole, rowid);
        sgPayments->setItem(r, colRowID, id);

        const QString dateText = q.getText(1);
        const QDate date = QDate::fromString(dateText, Qt::ISODate);
        auto *dt = new QTableWidgetItem(date.isValid() ? ShortDate(date) : dateText);
        dt->setData(Qt::UserRole, date);
        dt->setTextAlignment(Qt::AlignCenter);
        sgPayments->setItem(r, colStartDate, dt);

        const double amount = q.getDouble(2);
        auto *am = new QTableWidgetItem(WholeMoney(amount));
        am->setData(Qt::UserRole, amount);
        am->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sgPayments->setItem(r, colAmount, am);

        sgPayments->setItem(r, colEdit, new QTableWidgetItem(Glyph(15), QString()));
        ++r;
    }
    if (r > 0)
        sgPayments->clearSelection();
}

void TfOneoffs::InsertOneOff()
{
    Statement q(m_db.conSQLite(), QStringLiteral(
        "INSERT INTO OneOffPayments ( OneOffDate, OneOffPayment ) VALUES ( :ood, :oop );"));
    q.bind(":ood", OneOffDateText()).bind(":oop", static_cast<double>(OneOffAmount()));
    q.exec();
}

void TfOneoffs::UpdateOneOff()
{
    Statement q(m_db.conSQLite(), QStringLiteral(
        "UPDATE OneOffPayments SET OneOffDate = :ood, OneOffPayment = :oop WHERE RowID = :rid;"));
    q.bind(":ood", OneOffDateText()).bind(":oop", static_cast<double>(OneOffAmount())).bind(":rid", FRowID);
    q.exec();
}

void TfOneoffs::btnAddUpdateClick()
{
    // Text typed but not yet confirmed in the boxes counts.
    dtOneOffDate->interpretText();
    nbOneOffAmount->interpretText();
    if (OneOffAmount() <= 0) {
        KxMsgDialog(QStringLiteral("Sorry, we can't accept a value of 0 (zero).\r\n"
                                   "Please enter a value greater than 0 (zero) and try again."),
                    1);
        nbOneOffAmount->setFocus();
        return;
    }
    if (FRowID != 0)
        UpdateOneOff();
    else
        InsertOneOff();
    ResetEntryFields(1);
    SQLDataToGrid();
    SetModifiedToTrue(btnAddUpdate->objectName());
}

void TfOneoffs::btnCancelClick()
{
    ResetEntryFields(1);
    btnCancel->clearFocus();
}

void TfOneoffs::sgPaymentsCellClick(int row, int column)
{
    if (row < 0 || row >= sgPayments->rowCount())
        return;
    if (column == colDelete) {
        const int rowid = GridRowID(row);
        ResetEntryFields(1);
        if (KxMsgDialogYN(QStringLiteral("Are you sure you want to permanently delete this item?\r\n"
                                         "( Warning, this action cannot be undone. )"),
                          0)
            != mrYes)
            return;
        Statement q(m_db.conSQLite(), QStringLiteral("DELETE FROM OneOffPayments WHERE RowID = :rid;"));
        q.bind(":rid", rowid);
        q.exec();
        SQLDataToGrid();
        SetModifiedToTrue(QStringLiteral("colDelete"));
    } else if (column == colEdit) {
        ResetEntryFields(2);
        LoadEntryFromGrid(row);
    }
}

bool TfOneoffs::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == dtOneOffDate || watched == nbOneOffAmount) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnAddUpdate->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TfOneoffs::AddLogLine(const QString &line)
{
    if (m_host)
        m_host->Log(QStringLiteral("fOneOffs --> ") + line, false);
}

void TfOneoffs::RefreshDebtReduction()
{
    if (m_host && m_host->DebtReductionTabEnabled())
        m_host->UpdateDataLabels();
}

void TfOneoffs::SetModifiedToTrue(const QString &senderName)
{
    TAppinfo::SetPlanModified(true);
    RefreshDebtReduction();
    AddLogLine(QStringLiteral("Inside SetModifiedToTrue --> %1 updated the database").arg(senderName));
}
