#include "store/ui/TfSaveAs.h"

#include "app/MsgDialogs.h"
#include "app/TdmImages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Plan names are stored in a 50-character field.
constexpr int PlanNameMaxLength = 50;
}

TfSaveAs::TfSaveAs(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fSaveAs"));
    setWindowTitle(QStringLiteral("Plan Save As"));

    Label1 = new QLabel(QStringLiteral("Old Name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("New Name:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setEnabled(false);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(PlanNameMaxLength);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    if (TdmImages::Exists()) {
        btnOk->setIcon(TdmImages::Instance().SVGIconImageList1.icon(TdmImages::SvgOk));
        btnCancel->setIcon(TdmImages::Instance().SVGIconImageList1.icon(TdmImages::SvgCancel));
    }
    connect(btnOk, &QPushButton::clicked, this, &TfSaveAs::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(Label1, Edit1);
    form->addRow(Label2, Edit2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(form);
    layout->addSpacing(16);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setMinimumWidth(420);
    Edit2->setFocus();
}

QString TfSaveAs::GetPlanName() const
{
    return Edit2->text();
}

void TfSaveAs::SetPlanName(const QString &name)
{
    Edit1->setText(name);
    Edit2->setText(name);
}

void TfSaveAs::btnOkClick()
{
    const QString newName = Edit2->text().trimmed();
    if (newName.isEmpty()) {
        KxMsgDialog(QStringLiteral("Sorry, we can't accept a blank value.\r\nPlease enter a value and try again."), 1);
        Edit2->setFocus();
        return;
    }
    if (newName == Edit1->text().trimmed()) {
        KxMsgDialog(QStringLiteral("Sorry, the New Name matches the Old Name.\r\nPlease change the New Name and try again."), 1);
        Edit2->setFocus();
        return;
    }
    accept();
}

QPoint TfSaveAs::PositionOn(const QRect &mainWindow, const QSize &dialog)
{
    return {mainWindow.left() + (mainWindow.width() - dialog.width()) / 2, mainWindow.top() + 96};
}
