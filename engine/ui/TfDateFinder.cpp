#include "engine/ui/TfDateFinder.h"

#include "app/TAppinfo.h"
#include "app/TdmImages.h"
#include "engine/CalendarDate.h"
#include "engine/ui/TfPaymentRec.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

TfDateFinder::TfDateFinder(TfPaymentRec &engine, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fDateFinder"));
    setWindowTitle(QStringLiteral("Date Finder™"));

    lblHeading = wrappedLabel(QStringLiteral("Take Control of Your Debt-Free Journey"), "lblHeading", this);
    lblHeading->setAlignment(Qt::AlignHCenter);
    QFont headingFont = lblHeading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    lblHeading->setFont(headingFont);
    lblChoose = wrappedLabel(QStringLiteral("Choose your debt-free date, and we’ll handle the rest."), "lblChoose", this);
    lblCalculate = wrappedLabel(
        QStringLiteral("We calculate the Pledge Money amount you’ll need and design a personalized repayment plan "
                       "to help you achieve freedom from debt by your chosen date."),
        "lblCalculate", this);
    lblReminder = wrappedLabel(QStringLiteral("Reminder: A shorter timeline requires higher monthly pledge amounts."),
                               "lblReminder", this);
    lblDebtFreeDate = new QLabel(QStringLiteral("Debt Free Date"), this);
    lblDebtFreeDate->setObjectName(QStringLiteral("lblDebtFreeDate"));
    cbDebtFreeDate = new QComboBox(this);
    cbDebtFreeDate->setObjectName(QStringLiteral("cbDebtFreeDate"));
    cbDebtFreeDate->setMaxVisibleItems(12);
    lblDebtFreeDate->setBuddy(cbDebtFreeDate);
    lblNoDates = wrappedLabel(QStringLiteral("This plan is paid off within its first month without Pledge Money, "
                                             "so there is no earlier debt-free date to choose."),
                              "lblNoDates", this);
    lblNoDates->hide();

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Help"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    if (TdmImages::Exists()) {
        const TdmImageList &icons = TdmImages::Instance().SVGIconImageList1;
        Button1->setIcon(icons.icon(TdmImages::SvgOk));
        Button2->setIcon(icons.icon(TdmImages::SvgCancel));
        Button3->setIcon(icons.icon(TdmImages::SvgHelp));
    }
    connect(Button1, &QPushButton::clicked, this, &TfDateFinder::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TfDateFinder::Button3Click);

    auto *left = new QVBoxLayout;
    left->addWidget(lblHeading);
    left->addSpacing(6);
    left->addWidget(lblChoose);
    left->addWidget(lblCalculate);
    left->addWidget(lblReminder);
    left->addStretch(1);
    auto *help = new QHBoxLayout;
    help->addWidget(Button3);
    help->addStretch(1);
    left->addLayout(help);

    auto *right = new QVBoxLayout;
    right->addWidget(lblDebtFreeDate);
    right->addWidget(cbDebtFreeDate);
    right->addWidget(lblNoDates);
    right->addStretch(1);
    auto *okCancel = new QHBoxLayout;
    okCancel->addStretch(1);
    okCancel->addWidget(Button1);
    okCancel->addWidget(Button2);
    right->addLayout(okCancel);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(24);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);

    setFixedSize(584, 314);

    FDateFinderMaxMonths = engine.Engine().KorvoMonthsNoPledgeMoney() - 1;
    FDateFinderStartMonth = ToQDate(engine.Engine().KorvoStartDate());
    FillDateList();
}

void TfDateFinder::FillDateList()
{
    cbDebtFreeDate->clear();
    const QLocale locale;
    for (int i = 1; i <= FDateFinderMaxMonths; ++i) {
        const QDate month = FDateFinderStartMonth.addMonths(i - 1);
        const QString name = locale.monthName(month.month(), QLocale::ShortFormat);
        cbDebtFreeDate->addItem(i == 1 ? QStringLiteral("%1 %2 (1 month)").arg(name).arg(month.year())
                                       : QStringLiteral("%1 %2 (%3 months)").arg(name).arg(month.year()).arg(i));
    }
    // An empty list would store a month count that no amount can reach.
    const bool any = cbDebtFreeDate->count() > 0;
    if (any)
        cbDebtFreeDate->setCurrentIndex(0);
    cbDebtFreeDate->setEnabled(any);
    Button1->setEnabled(any);
    lblNoDates->setVisible(!any);
}

void TfDateFinder::Button1Click()
{
    const int index = cbDebtFreeDate->currentIndex();
    if (index < 0)
        return;
    TAppinfo::DateFinderMonths = index + 1;
    accept();
}

void TfDateFinder::Button3Click()
{
    if (OnHelp)
        OnHelp(QString::fromLatin1(HelpPage), QString::fromLatin1(HelpTrackingKey));
    Button3->clearFocus();
}
