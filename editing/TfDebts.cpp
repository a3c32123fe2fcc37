#include "editing/TfDebts.h"

#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TMainHost.h"
#include "app/TdmImages.h"
#include "app/UrlOpener.h"
#include "editing/GridHelpers.h"
#include "engine/Money.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <tuple>
#include <utility>

namespace {

const QString kCreditCard = QStringLiteral("Credit Card");
const QString kLoan = QStringLiteral("Loan");

// The user's locale, but always with thousands separators: the C locale
// leaves them out by default.
QLocale groupedLocale()
{
    QLocale loc;
    loc.setNumberOptions(loc.numberOptions() & ~QLocale::OmitGroupSeparator);
    return loc;
}

QString moneyText(double v)
{
    return groupedLocale().toString(v, 'f', 2);
}

QString wholeText(double v)
{
    return groupedLocale().toString(v, 'f', 0);
}

// Up to two decimals: 18 -> "18", 19.8 -> "19.8", 15.69 -> "15.69".
QString rateText(double v)
{
    const QLocale loc;
    QString s = loc.toString(v, 'f', 2);
    const QString point = loc.decimalPoint();
    const int at = s.lastIndexOf(point);
    if (at >= 0) {
        while (s.endsWith(loc.zeroDigit()))
            s.chop(loc.zeroDigit().size());
        if (s.endsWith(point))
            s.chop(point.size());
    }
    return s;
}

QIcon glyph(int index)
{
    return TdmImages::Exists() ? TdmImages::Instance().icon32(index) : QIcon();
}

QTableWidgetItem *valueItem(const QString &text, const QVariant &value, Qt::Alignment align)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, value);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QLabel *caption(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

TExactSpinBox *numberBox(const char *name, double max, QWidget *parent)
{
    auto *box = new TExactSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, max);
    box->setDecimals(2);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setGroupSeparatorShown(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

} // namespace

TExactSpinBox::TExactSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TExactSpinBox::setExactValue(double v)
{
    setValue(v);
    m_exact = v;
    m_shown = value();
}

double TExactSpinBox::exactValue() const
{
    return value() == m_shown ? m_exact : value();
}

void TExactSpinBox::wheelEvent(QWheelEvent *e)
{
    if (!hasFocus()) {
        e->ignore();
        return;
    }
    QDoubleSpinBox::wheelEvent(e);
}

TfDebts::TfDebts(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fDebts"));
    lytDebts = new QWidget;
    lytDebts->setObjectName(QStringLiteral("lytDebts"));
    auto *v = new QVBoxLayout(lytDebts);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    // Entry bar: captions above their fields.
    auto *entry = new QWidget(lytDebts);
    entry->setObjectName(QStringLiteral("pnlEntry"));
    entry->setFixedHeight(55);
    auto *g = new QGridLayout(entry);
    g->setContentsMargins(6, 2, 6, 2);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(1);
    Label1 = caption(QStringLiteral("Type:"), "Label1", entry);
    Label2 = caption(QStringLiteral("Creditor Name:"), "Label2", entry);
    Label3 = caption(QStringLiteral("APR:"), "Label3", entry);
    Label4 = caption(QStringLiteral("Balance:"), "Label4", entry);
    Label5 = caption(QStringLiteral("Payment:"), "Label5", entry);
    edDebtType = new QComboBox(entry);
    edDebtType->setObjectName(QStringLiteral("edDebtType"));
    edDebtType->addItems({kCreditCard, kLoan});
    edDebtType->setMinimumWidth(110);
    edCreditorName = new QLineEdit(entry);
    edCreditorName->setObjectName(QStringLiteral("edCreditorName"));
    edCreditorName->setPlaceholderText(QStringLiteral("Creditor Name goes here"));
    edAPR = numberBox("edAPR", 60, entry);
    edAPR->setFixedWidth(70);
    edBalance = numberBox("edBalance", 1000000000, entry);
    edBalance->setFixedWidth(120);
    edPayment = numberBox("edPayment", 1000000000, entry);
    edPayment->setFixedWidth(120);
    btnAddUpdate = new QToolButton(entry);
    btnAddUpdate->setObjectName(QStringLiteral("btnAddUpdate"));
    btnAddUpdate->setIconSize(QSize(24, 24));
    btnAddUpdate->setAutoRaise(true);
    btnCancel = new QToolButton(entry);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setIconSize(QSize(24, 24));
    btnCancel->setAutoRaise(true);
    btnCancel->setToolTip(QStringLiteral("Cancel"));
    btnCancel->setIcon(glyph(11));
    const std::pair<QLabel *, QWidget *> fields[] = {
        {Label1, edDebtType}, {Label2, edCreditorName}, {Label3, edAPR},
        {Label4, edBalance}, {Label5, edPayment}};
    int c = 0;
    for (const auto &[label, field] : fields) {
        g->addWidget(label, 0, c);
        g->addWidget(field, 1, c);
        label->setBuddy(field);
        field->installEventFilter(this);
        ++c;
    }
    g->addWidget(btnAddUpdate, 1, c++);
    g->addWidget(btnCancel, 1, c);
    g->setColumnStretch(1, 1);
    v->addWidget(entry);

    sgDebts = new QTableWidget(0, ColumnCount, lytDebts);
    sgDebts->setObjectName(QStringLiteral("sgDebts"));
    sgDebts->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgDebts->setSelectionMode(QAbstractItemView::SingleSelection);
    sgDebts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgDebts->setShowGrid(true);
    sgDebts->setSortingEnabled(false);
    sgDebts->setIconSize(QSize(16, 16));
    sgDebts->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgDebts->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgDebts->verticalHeader()->hide();
    sgDebts->setHorizontalHeaderLabels({QString(), QStringLiteral("RowID"), QStringLiteral("Priority"),
                                        QStringLiteral("Type"), QStringLiteral("Creditor Name"),
                                        QStringLiteral("APR"), QStringLiteral("Balance"),
                                        QStringLiteral("Payment"), QString(), QString(), QString()});
    QHeaderView *header = sgDebts->horizontalHeader();
    // Every reader addresses cells by position, so columns stay where they are.
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(20);
    sgDebts->setColumnHidden(colRowID, true);
    const std::pair<Column, int> widths[] = {
        {colDelete, 20}, {colPriority, 56}, {colDebtType, 94}, {colCreditorName, 150}, {colAPR, 52},
        {colBalance, 90}, {colPayment, 90}, {colMoveUp, 20}, {colMoveDown, 20}, {colEdit, 20}};
    for (const auto &[col, w] : widths)
        sgDebts->setColumnWidth(col, w);
    for (const Column col : {colDelete, colMoveUp, colMoveDown, colEdit})
        header->setSectionResizeMode(col, QHeaderView::Fixed);
    InstallGridMouseWheel(sgDebts);
    InstallColumnWidthRules(sgDebts, DebtsColumnRules());
    FGridHeaderPopupMenu = new TDebtGridHeaderPopup(sgDebts, this);
    v->addWidget(sgDebts, 1);

    auto *summary = new QWidget(lytDebts);
    summary->setObjectName(QStringLiteral("pnlSummary"));
    summary->setFixedHeight(24);
    auto *h = new QHBoxLayout(summary);
    h->setContentsMargins(6, 0, 6, 0);
    h->setSpacing(0);
    const std::tuple<const char *, const char *, QLabel **> parts[] = {
        {"Balance: ", "lblBalance", &lblBalanceValue}, {"Payment: ", "lblPayment", &lblPaymentValue},
        {"Cards: ", "lblCards", &lblCardsValue}, {"Loans: ", "lblLoans", &lblLoansValue}};
    bool first = true;
    for (const auto &[text, name, value] : parts) {
        QLabel *cap = caption(QString::fromLatin1(text), name, summary);
        if (!first)
            cap->setContentsMargins(8, 0, 0, 0);
        first = false;
        *value = new QLabel(QStringLiteral("0"), summary);
        (*value)->setObjectName(QLatin1String(name) + QLatin1String("Value"));
        h->addWidget(cap);
        h->addWidget(*value);
    }
    h->addStretch(1);
    v->addWidget(summary);

    connect(btnAddUpdate, &QToolButton::clicked, this, &TfDebts::btnAddUpdateClick);
    connect(btnCancel, &QToolButton::clicked, this, &TfDebts::btnCancelClick);
    connect(sgDebts, &QTableWidget::cellClicked, this, [this](int row, int column) { GridCellClick(column, row); });
    connect(header, &QHeaderView::sectionClicked, this, &TfDebts::GridHeaderClick);

    MakeThemeAdjustments();
    ResetEntryFields(1);
    RefreshDebtGridWithData();
    for (QObject *c : std::initializer_list<QObject *>{edDebtType, edCreditorName, edAPR, edBalance, edPayment})
        HandleHelpKey(c);
}

TfDebts::~TfDebts()
{
    delete lytDebts;
}

// ---- accessors ----

QString TfDebts::DebtType() const
{
    return edDebtType->currentIndex() >= 0 ? edDebtType->currentText() : QString();
}

void TfDebts::SetDebtType(const QString &value)
{
    int i = edDebtType->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // A type this program never writes still belongs to the debt: offer it as
    // an extra item so that saving an edit keeps it instead of blanking it.
    if (i < 0 && !value.isEmpty()) {
        edDebtType->addItem(value);
        i = edDebtType->count() - 1;
    }
    edDebtType->setCurrentIndex(i);
}

QString TfDebts::CreditorName() const
{
    return edCreditorName->text().trimmed();
}

void TfDebts::SetCreditorName(const QString &value)
{
    edCreditorName->setText(value.trimmed());
}

double TfDebts::APR() const { return edAPR->exactValue(); }
double TfDebts::Balance() const { return edBalance->exactValue(); }
double TfDebts::Payment() const { return edPayment->exactValue(); }

int TfDebts::GridRowID(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colRowID);
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

double TfDebts::GridPriority(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colPriority);
    return item ? item->data(Qt::UserRole).toDouble() : 0;
}

QString TfDebts::GridDebtType(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colDebtType);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

QString TfDebts::GridCreditorName(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colCreditorName);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

double TfDebts::GridAPR(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colAPR);
    return item ? item->data(Qt::UserRole).toDouble() : 0;
}

double TfDebts::GridBalance(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colBalance);
    return item ? item->data(Qt::UserRole).toDouble() : 0;
}

double TfDebts::GridPayment(int Row) const
{
    const QTableWidgetItem *item = sgDebts->item(Row, colPayment);
    return item ? item->data(Qt::UserRole).toDouble() : 0;
}

QString TfDebts::ColumnName(int Column)
{
    static const char *const names[ColumnCount] = {
        "colDelete", "colRowID", "colPriority", "colDebtType", "colCreditorName", "colAPR",
        "colBalance", "colPayment", "colMoveUp", "colMoveDown", "colEdit"};
    return Column >= 0 && Column < ColumnCount ? QString::fromLatin1(names[Column]) : QString();
}

int TfDebts::ColumnGetImageIndex(int Column)
{
    switch (Column) {
    case colDelete: return 32;
    case colMoveUp: return 13;
    case colMoveDown: return 14;
    case colEdit: return 15;
    default: return -1;
    }
}

// ---- entry bar ----

void TfDebts::ShowAddUpdateMode(int AMode)
{
    if (AMode == 2) {
        btnAddUpdate->setIcon(glyph(TAppinfo::GetThemeStyle() == tsDark ? 31 : 10));
        btnAddUpdate->setToolTip(QStringLiteral("Update"));
    } else {
        btnAddUpdate->setIcon(glyph(9));
        btnAddUpdate->setToolTip(QStringLiteral("Add"));
    }
}

void TfDebts::ResetEntryFields(int AMode)
{
    FRowID = 0;
    while (edDebtType->count() > 2)
        edDebtType->removeItem(edDebtType->count() - 1);
    SetDebtType(kCreditCard);
    SetCreditorName(QString());
    edAPR->setExactValue(0);
    edBalance->setExactValue(0);
    edPayment->setExactValue(0);
    ShowAddUpdateMode(AMode);
    btnAddUpdate->clearFocus();
}

void TfDebts::LoadEntryFromGrid(int Row)
{
    FRowID = GridRowID(Row);
    SetDebtType(GridDebtType(Row));
    SetCreditorName(GridCreditorName(Row));
    edAPR->setExactValue(GridAPR(Row));
    edBalance->setExactValue(GridBalance(Row));
    edPayment->setExactValue(GridPayment(Row));
}

void TfDebts::btnAddUpdateClick()
{
    if (CreditorName().isEmpty()) {
        KxMsgDialog(QStringLiteral("Sorry, we can't accept a blank value.\r\nPlease enter a value and try again."), 1);
        edCreditorName->setFocus();
        return;
    }
    if (Balance() <= 0) {
        KxMsgDialog(QStringLiteral("Sorry, we can't accept a value of 0 (zero).\r\n"
                                   "Please enter a value greater than 0 (zero) and try again."), 1);
        edBalance->setFocus();
        return;
    }
    double R = DebtType() == kCreditCard ? InterestPlusOnePercent(APR(), Balance())
                                         : InterestPlusFive(APR(), Balance());
    if (TAppinfo::GetMinPmtAllowed() > R)
        R = TAppinfo::GetMinPmtAllowed();
    if (R > Payment()) {
        QLocale loc;
        loc.setNumberOptions(QLocale::OmitGroupSeparator);
        KxMsgDialogFmt(QStringLiteral("Sorry, that Payment is too low and cannot be used.\r\n"
                                      "Please enter a value greater than or equal to %s."),
                       1, loc.toString(R, 'f', 2));
        edPayment->setExactValue(R);
        edPayment->setFocus();
        return;
    }
    if (FRowID != 0)
        UpdateDebt();
    else
        InsertDebt();
    RefreshDebtGridWithData();
    ResetEntryFields(1);
    edDebtType->setFocus();
    SetModifiedToTrue(btnAddUpdate->objectName());
}

void TfDebts::InsertDebt()
{
    Database &db = m_db.conSQLite();
    const int priority = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Debts")).toInt() + 1;
    Statement st(db, QStringLiteral(
        "INSERT INTO Debts ( Priority, DebtType, CreditorName, APR, Balance, Payment ) "
        "VALUES ( :f1, :f2, :f3, :f4, :f5, :f6 );"));
    st.bind(":f1", priority)
        .bind(":f2", DebtType())
        .bind(":f3", CreditorName())
        .bind(":f4", APR())
        .bind(":f5", Balance())
        .bind(":f6", Payment());
    st.exec();
}

void TfDebts::UpdateDebt()
{
    Statement st(m_db.conSQLite(), QStringLiteral(
        "UPDATE Debts SET DebtType = :f1, CreditorName = :f2, APR = :f3, Balance = :f4, "
        "Payment = :f5 WHERE RowID = :rid;"));
    st.bind(":f1", DebtType())
        .bind(":f2", CreditorName())
        .bind(":f3", APR())
        .bind(":f4", Balance())
        .bind(":f5", Payment())
        .bind(":rid", FRowID);
    st.exec();
}

void TfDebts::btnCancelClick()
{
    ResetEntryFields(1);
    btnCancel->clearFocus();
}

bool TfDebts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // Holding the key down must not add the same debt again and again.
            if (!key->isAutoRepeat()) {
                if (auto *box = qobject_cast<QAbstractSpinBox *>(watched))
                    box->interpretText();
                btnAddUpdate->click();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// ---- grid ----

void TfDebts::GridCellClick(int Column, int Row)
{
    const int rowCount = sgDebts->rowCount();
    if (Row < 0 || Row >= rowCount)
        return;
    const int rowid = GridRowID(Row);
    const double priority = GridPriority(Row);
    switch (Column) {
    case colDelete:
        AskDeleteDebt(rowid, Column);
        break;
    case colEdit:
        ResetEntryFields(2);
        LoadEntryFromGrid(Row);
        break;
    case colMoveUp:
        if (Row > 0)
            MoveDebtUp(rowid, Row, priority);
        break;
    case colMoveDown:
        if (Row < rowCount - 1)
            MoveDebtDown(rowid, Row, priority);
        break;
    default:
        break;
    }
}

void TfDebts::GridHeaderClick(int Column)
{
    const int rowCount = sgDebts->rowCount();
    if (rowCount == 0)
        return;
    const QModelIndexList selected = sgDebts->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    const int Row = selected.first().row();
    if (Column == colMoveUp && Row > 0)
        MoveDebtUp(GridRowID(Row), Row, GridPriority(Row));
    else if (Column == colMoveDown && Row < rowCount - 1)
        MoveDebtDown(GridRowID(Row), Row, GridPriority(Row));
}

void TfDebts::AskDeleteDebt(int rowid, int Column)
{
    ResetEntryFields(1);
    if (KxMsgDialogYN(QStringLiteral("Are you sure you want to permanently delete this item?\r\n"
                                     "( Warning, this action cannot be undone. )"), 0) != mrYes)
        return;
    DeleteDebt(rowid);
    RefreshDebtGridWithData();
    SetModifiedToTrue(ColumnName(Column));
}

void TfDebts::DeleteDebt(int rowid)
{
    Statement st(m_db.conSQLite(), QStringLiteral("DELETE FROM Debts WHERE RowID = :rid;"));
    st.bind(":rid", rowid);
    st.exec();
}

void TfDebts::InitializeDebtGridHeaderPopup()
{
    FGridHeaderPopupMenu->InitializeDebtGridHeaderPopup();
}

void TfDebts::RehookDebtGridHeaderPopup()
{
    FGridHeaderPopupMenu->RehookDebtGridHeaderPopup();
}

void TfDebts::RefreshDebtGridWithData()
{
    ResetEntryFields(1);
    RenumberDebts(m_db.conSQLite(), TAppinfo::GetPlanSort());
    LoadDebtGrid();
    RehookDebtGridHeaderPopup();
}

void TfDebts::LoadDebtGrid()
{
    sgDebts->setRowCount(0);
    Statement st(m_db.conSQLite(), Database::expandOrderBy(QStringLiteral(
        "SELECT rowid, Priority, DebtType, CreditorName, APR, Balance, Payment FROM Debts ORDER BY !ob;"),
        TAppinfo::GetPlanSort()));
    QLocale plainLocale;
    plainLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    const Qt::Alignment right = Qt::AlignRight;
    const Qt::Alignment left = Qt::AlignLeft;
    int row = 0;
    while (st.step()) {
        sgDebts->insertRow(row);
        const int rowid = st.getInt(0);
        const double priority = st.getDouble(1);
        const QString type = st.getText(2);
        const QString name = st.getText(3);
        const double apr = st.getDouble(4);
        const double balance = st.getDouble(5);
        const double payment = st.getDouble(6);
        sgDebts->setItem(row, colRowID, valueItem(QString::number(rowid), rowid, right));
        sgDebts->setItem(row, colPriority, valueItem(plainLocale.toString(priority, 'g', QLocale::FloatingPointShortest),
                                                     priority, Qt::AlignHCenter));
        sgDebts->setItem(row, colDebtType, valueItem(type, type, left));
        sgDebts->setItem(row, colCreditorName, valueItem(name, name, left));
        sgDebts->setItem(row, colAPR, valueItem(rateText(apr), apr, right));
        sgDebts->setItem(row, colBalance, valueItem(moneyText(balance), balance, right));
        sgDebts->setItem(row, colPayment, valueItem(moneyText(payment), payment, right));
        for (const Column col : {colDelete, colMoveUp, colMoveDown, colEdit}) {
            auto *item = valueItem(QString(), QVariant(), Qt::AlignHCenter);
            item->setIcon(glyph(ColumnGetImageIndex(col)));
            sgDebts->setItem(row, col, item);
        }
        ++row;
    }
    if (row == 0) {
        if (m_host)
            m_host->UpdateTabs();
        UpdateSummaryInformation(false);
        return;
    }
    sgDebts->clearSelection();
    if (m_host)
        m_host->UpdateTabs();
    UpdateSummaryInformation(true);
}

void TfDebts::UpdateSummaryInformation(bool GetData)
{
    double balance = 0, payment = 0;
    int cards = 0, loans = 0;
    if (GetData) {
        Statement st(m_db.conSQLite(),
                     QStringLiteral("SELECT Balance, Payment, Cards, Loans FROM View_Debts_Summary"));
        if (st.step()) {
            balance = st.getDouble(0);
            payment = st.getDouble(1);
            cards = st.getInt(2);
            loans = st.getInt(3);
        }
    }
    lblBalanceValue->setText(wholeText(balance));
    lblPaymentValue->setText(wholeText(payment));
    lblCardsValue->setText(QString::number(cards));
    lblLoansValue->setText(QString::number(loans));
}

// ---- ordering ----

void TfDebts::SetDebtPriority(int rowid, double Priority)
{
    Statement st(m_db.conSQLite(), QStringLiteral("UPDATE Debts SET Priority = :pri WHERE RowID = :rid;"));
    st.bind(":pri", Priority).bind(":rid", rowid);
    st.exec();
}

void TfDebts::MoveDebtUp(int rowid, int Row, double Priority)
{
    if (Row <= 0)
        return;
    MoveDebt(rowid, Priority - 1.5, Row - 1, colMoveUp);
}

void TfDebts::MoveDebtDown(int rowid, int Row, double Priority)
{
    if (Row >= sgDebts->rowCount() - 1)
        return;
    MoveDebt(rowid, Priority + 1.5, Row + 1, colMoveDown);
}

void TfDebts::MoveDebt(int rowid, double newPriority, int targetRow, int Column)
{
    // The refreshes below empty the grid, which forgets the current column.
    int keepColumn = sgDebts->currentColumn();
    if (keepColumn < 0 || sgDebts->isColumnHidden(keepColumn))
        keepColumn = Column;
    ResetEntryFields(1);
    SetDebtPriority(rowid, newPriority);
    // Selecting "Custom" re-sorts by Priority through the plan panel when the
    // strategy was another one.
    if (m_host)
        m_host->SetStrategyToCustom();
    RefreshDebtGridWithData();
    if (targetRow >= 0 && targetRow < sgDebts->rowCount())
        sgDebts->setCurrentCell(targetRow, keepColumn);
    SetModifiedToTrue(ColumnName(Column));
}

// ---- misc ----

void TfDebts::SetModifiedToTrue(const QString &senderName)
{
    TAppinfo::SetPlanModified(true);
    AddLogLine(QStringLiteral("Inside SetModifiedToTrue --> ") + senderName + QStringLiteral(" updated the database"));
}

void TfDebts::AddLogLine(const QString &line)
{
    if (m_host)
        m_host->Log(QStringLiteral("fDebts --> ") + line, false);
}

void TfDebts::MakeThemeAdjustments()
{
    // The application's style sheet wins over palettes, so the colour goes in
    // a style sheet of each caption.
    const QString sheet = QStringLiteral("color: %1;")
                              .arg(QColor::fromRgba(TAppinfo::GetThemeLabelColor()).name(QColor::HexRgb));
    for (QLabel *l : {Label1, Label2, Label3, Label4, Label5})
        l->setStyleSheet(sheet);
    if (FRowID != 0)
        ShowAddUpdateMode(2);
    RehookDebtGridHeaderPopup();
}
