#include "app/TfAbout.h"

#include "app/AboutWidgets.h"
#include "app/TAppinfo.h"
#include "app/TdmImages.h"
#include "app/TitleBar.h"
#include "app/UrlOpener.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <memory>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &text, int px)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    QFont f;
    f.setPixelSize(px);
    l->setFont(f);
    return l;
}

} // namespace

TfAbout::TfAbout(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(400, 274);
    setModal(true);
    const bool dark = TAppinfo::GetThemeStyle() == tsDark;

    // The white background sits behind the layout; the dark theme hides it
    // and shows the style's background instead.
    rectBackground = new TRectangle(this);
    rectBackground->setObjectName(QStringLiteral("rectBackground"));
    rectBackground->SetFill(Qt::white);
    rectBackground->setGeometry(rect());
    rectBackground->setVisible(!dark);

    auto *body = new QVBoxLayout(this);
    body->setContentsMargins(20, 20, 20, 16);

    auto *head = new QHBoxLayout;
    imgLogo = label(this, "imgLogo", QString(), 12);
    imgLogo->setFixedSize(96, 96);
    if (TdmImages::Exists())
        imgLogo->setPixmap(TdmImages::Instance().SVGIconImageList1.icon(TdmImages::SvgLogo).pixmap(96, 96));
    auto *names = new QVBoxLayout;
    lblProduct = label(this, "lblProduct", QLatin1String(TAppinfo::ProductName), 24);
    lblVersion = label(this, "lblVersion", QLatin1String(TAppinfo::VersionText), 16);
    names->addStretch(1);
    names->addWidget(lblProduct);
    names->addWidget(lblVersion);
    names->addStretch(1);
    head->addWidget(imgLogo);
    head->addSpacing(16);
    head->addLayout(names, 1);
    body->addLayout(head);

    lblNotice = label(this, "lblNotice", TAppinfo::NoticeText, 12);
    lblNotice->setWordWrap(true);
    body->addSpacing(12);
    body->addWidget(lblNotice);
    body->addStretch(1);

    lblWebsite = new TLinkLabel(QLatin1String(TAppinfo::WebSiteUrl), this);
    lblWebsite->setObjectName(QStringLiteral("lblWebsite"));
    lblWebsite->setToolTip(QStringLiteral("Visit website"));
    const QColor linkColor = QColor::fromRgba(dark ? 0xFF6495ED : 0xFF0000FF);
    lblWebsite->SetColors(linkColor, linkColor);
    body->addWidget(lblWebsite, 0, Qt::AlignHCenter);

    connect(lblWebsite, &TLinkLabel::clicked, this, &TfAbout::lblWebsiteClick);
}

void TfAbout::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    accept();
}

// The address as shown, without a tracking query.
void TfAbout::lblWebsiteClick()
{
    OpenURL(lblWebsite->text());
}

void ShowCompactAboutBox()
{
    auto box = std::make_unique<TfAbout>();
    UseDarkTitleBar(box.get(), TAppinfo::GetThemeStyle() == tsDark);
    CenterOnMainWindow(box.get());
    box->exec();
}
