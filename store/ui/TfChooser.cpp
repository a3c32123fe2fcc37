#include "store/ui/TfChooser.h"

#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TdmImages.h"
#include "editing/GridHelpers.h"
#include "editing/TSGToolTip.h"
#include "store/TdmSQLite.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char *const PlanListSql =
    "SELECT PlanId, Name, StartDate, Balance, Payment, Strategy, CreditCards, Loans, OneOffs, "
    "PledgeMoney, DateLastUpdated FROM vPlanChooser WHERE PlanID <> :pid ORDER BY Name;";

const char *const DeletePlanSql =
    "DELETE FROM hist_OneOffPayments WHERE PlanId = :pid; "
    "DELETE FROM hist_Debts WHERE PlanId = :pid; "
    "DELETE FROM hist_Plan WHERE PlanId = :pid;";

const char *const DeleteQuestion =
    "Are you sure you want to permanently delete this item?\r\n( Warning, this action cannot be undone. )";

constexpr Qt::Alignment NumberAlign = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment TextAlign = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment CentreAlign = Qt::AlignCenter;

// A stored date shown in a format; text that is no date is shown as stored.
QString dateText(const QVariant &stored, const QString &format)
{
    const QDate d = QDate::fromString(stored.toString(), Qt::ISODate);
    return d.isValid() ? QLocale().toString(d, format) : stored.toString();
}

QTableWidgetItem *cell(const QVariant &stored, const QString &text, Qt::Alignment align)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(Qt::UserRole, stored);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

TfChooser::TfChooser(TdmSQLite &db, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("fChooser"));
    setWindowTitle(QStringLiteral("Open Existing Plan"));

    sgChooser = new QTableWidget(this);
    sgChooser->setObjectName(QStringLiteral("sgChooser"));
    sgChooser->setColumnCount(ColumnCount);
    sgChooser->setHorizontalHeaderLabels({QString(), QString(), QStringLiteral("Plan Name"),
                                          QStringLiteral("Start Date"), QStringLiteral("Strategy"),
                                          QStringLiteral("Total Debts"), QStringLiteral("Cards"),
                                          QStringLiteral("Loans"), QStringLiteral("One-Offs"),
                                          QStringLiteral("Last Updated")});
    sgChooser->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgChooser->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgChooser->setSelectionMode(QAbstractItemView::SingleSelection);
    sgChooser->setShowGrid(true);
    sgChooser->setWordWrap(false);
    sgChooser->setIconSize(QSize(16, 16));
    sgChooser->verticalHeader()->hide();
    QHeaderView *header = sgChooser->horizontalHeader();
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setMinimumSectionSize(16);
    const int widths[ColumnCount] = {20, 16, 240, 80, 80, header->defaultSectionSize(), 60, 60, 60, 90};
    for (int c = 0; c < ColumnCount; ++c)
        sgChooser->setColumnWidth(c, widths[c]);
    sgChooser->setColumnHidden(colPlanId, true);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    mnuSelect = PopupMenu1->addAction(QStringLiteral("Select Payment Plan"));
    mnuSelect->setObjectName(QStringLiteral("mnuSelect"));
    mnuCancel = PopupMenu1->addAction(QStringLiteral("Cancel"));
    mnuCancel->setObjectName(QStringLiteral("mnuCancel"));
    sgChooser->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(sgChooser, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        // The menu acts on the row it was opened over.
        const int row = sgChooser->rowAt(pos.y());
        if (row >= 0)
            selectAndShow(row);
        PopupMenu1->popup(sgChooser->viewport()->mapToGlobal(pos));
    });
    connect(mnuSelect, &QAction::triggered, this, &TfChooser::mnuSelectClick);
    connect(mnuCancel, &QAction::triggered, this, &TfChooser::mnuCancelClick);

    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    if (TdmImages::Exists()) {
        const TdmImages &images = TdmImages::Instance();
        Button2->setIcon(images.SVGIconImageList1.icon(TdmImages::SvgOk));
        Button1->setIcon(images.SVGIconImageList1.icon(TdmImages::SvgCancel));
        mnuSelect->setIcon(images.SVGIconImageList1.icon(TdmImages::SvgOpenPlan));
        mnuCancel->setIcon(images.SVGIconImageList1.icon(TdmImages::SvgCancel));
    }
    connect(Button2, &QPushButton::clicked, this, &TfChooser::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Button2);
    bottom->addWidget(Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sgChooser, 1);
    layout->addLayout(bottom);

    connect(sgChooser, &QTableWidget::cellClicked, this, &TfChooser::sgChooserCellClick);
    connect(sgChooser, &QTableWidget::cellDoubleClicked, this, &TfChooser::sgChooserCellDblClick);
    connect(sgChooser, &QTableWidget::itemSelectionChanged, this, &TfChooser::updateActions);

    FormCreate();
}

void TfChooser::FormCreate()
{
    sgChooser->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgChooser->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    InstallGridMouseWheel(sgChooser);
    FChooserGridToolTip = new TSGToolTip(this, this, sgChooser, {{colDelete, "Delete"}});
    FChooserGridToolTip->SetShadowEnabled(TAppinfo::GetThemeStyle() != tsDark);
    // The requested width lies below the minimum, so the dialog opens 836 wide.
    setMinimumSize(836, 351);
    resize(808, 454);
    LoadPlanList();
}

void TfChooser::LoadPlanList()
{
    Statement q(m_db.conSQLite(), QString::fromLatin1(PlanListSql));
    q.bind(":pid", TAppinfo::GetPlanId());
    const int cPlanId = q.columnIndex("PlanId"), cName = q.columnIndex("Name"),
              cStart = q.columnIndex("StartDate"), cBalance = q.columnIndex("Balance"),
              cStrategy = q.columnIndex("Strategy"), cCards = q.columnIndex("CreditCards"),
              cLoans = q.columnIndex("Loans"), cOneOffs = q.columnIndex("OneOffs"),
              cUpdated = q.columnIndex("DateLastUpdated");

    const QIcon deleteGlyph = TdmImages::Exists() ? TdmImages::Instance().icon32(32) : QIcon();
    const QLocale locale;
    // Rows of an earlier list never survive a reload: they may name a plan
    // that is gone.
    sgChooser->clearSelection();
    sgChooser->setRowCount(0);
    int row = 0;
    while (q.step()) {
        sgChooser->insertRow(row);
        auto *glyph = cell(QVariant(), QString(), CentreAlign);
        glyph->setIcon(deleteGlyph);
        sgChooser->setItem(row, colDelete, glyph);

        const QVariant id = q.getValue(cPlanId);
        sgChooser->setItem(row, colPlanId, cell(id, id.toString(), NumberAlign));
        const QVariant name = q.getValue(cName);
        sgChooser->setItem(row, colName, cell(name, name.toString(), TextAlign));
        const QVariant start = q.getValue(cStart);
        sgChooser->setItem(row, colStartDate, cell(start, dateText(start, QStringLiteral("MMM yyyy")), CentreAlign));
        const QVariant strategy = q.getValue(cStrategy);
        sgChooser->setItem(row, colStrategy, cell(strategy, strategy.toString(), TextAlign));
        const QVariant balance = q.getValue(cBalance);
        sgChooser->setItem(row, colBalance, cell(balance, locale.toString(balance.toDouble(), 'f', 2), NumberAlign));
        const std::pair<int, int> counts[] = {{colCards, cCards}, {colLoans, cLoans}, {colOneOffs, cOneOffs}};
        for (const auto &[column, index] : counts) {
            const QVariant v = q.getValue(index);
            sgChooser->setItem(row, column, cell(v, locale.toString(v.toLongLong()), NumberAlign));
        }
        const QVariant updated = q.getValue(cUpdated);
        sgChooser->setItem(row, DateColumn1, cell(updated, dateText(updated, QStringLiteral("MM-dd-yyyy")), CentreAlign));
        ++row;
    }
    if (row > 0)
        selectAndShow(0);
    updateActions();
}

int TfChooser::PlanIdOfRow(int row) const
{
    const QTableWidgetItem *item = row >= 0 && row < sgChooser->rowCount() ? sgChooser->item(row, colPlanId) : nullptr;
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

bool TfChooser::SelectPlan()
{
    const int row = selectedRow();
    if (row < 0)
        return false;
    TAppinfo::SetPlanId(PlanIdOfRow(row));
    return true;
}

void TfChooser::DeleteSavedPlan(int planId)
{
    Database &db = m_db.conSQLite();
    Transaction tx(db);
    db.execBatch(QString::fromLatin1(DeletePlanSql), {{QStringLiteral(":pid"), planId}});
    tx.commit();
}

void TfChooser::Button2Click()
{
    if (SelectPlan())
        accept();
}

void TfChooser::mnuSelectClick()
{
    Button2Click();
}

void TfChooser::mnuCancelClick()
{
    reject();
}

void TfChooser::sgChooserCellClick(int row, int column)
{
    if (column != colDelete || row < 0 || row >= sgChooser->rowCount())
        return;
    if (KxMsgDialogYN(QString::fromLatin1(DeleteQuestion), 0) != mrYes)
        return;
    DeleteSavedPlan(PlanIdOfRow(row));
    LoadPlanList();
}

void TfChooser::sgChooserCellDblClick(int row, int)
{
    if (row < 0 || row >= sgChooser->rowCount())
        return;
    selectAndShow(row);
    Button2Click();
}

int TfChooser::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = sgChooser->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

void TfChooser::selectAndShow(int row)
{
    sgChooser->setCurrentCell(row, colName);
    sgChooser->selectRow(row);
    sgChooser->scrollToItem(sgChooser->item(row, colName));
}

void TfChooser::updateActions()
{
    const bool any = selectedRow() >= 0;
    Button2->setEnabled(any);
    mnuSelect->setEnabled(any);
}
