#include "app/TfAboutNew.h"

#include "app/AboutWidgets.h"
#include "app/Links.h"
#include "app/TdmImages.h"
#include "app/TitleBar.h"
#include "app/UrlOpener.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace {

const char *const kText1 =
    "Talmaro is a small software maker that builds practical tools for everyday money "
    "decisions. Orvessa grew out of one idea: a clear plan makes paying off debt easier "
    "to start and easier to finish.";
const char *const kText2 =
    "Compare payoff strategies, test extra payments, and see how\nyour choices can change your payoff date.";
const char *const kText3 =
    "Your plan stays on your computer. Orvessa does not require\na cloud account to build or manage your payoff plan.";
const char *const kStoryHint = "Tell us how Orvessa helped you.";

QFont pixelFont(int px, QFont::Weight weight = QFont::Normal)
{
    QFont f;
    f.setPixelSize(px);
    f.setWeight(weight);
    return f;
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

TLinkLabel *link(QWidget *parent, const char *name, const QString &text, const char *hint)
{
    auto *l = new TLinkLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setToolTip(QLatin1String(hint));
    return l;
}

QString sitePage(const char *page)
{
    return QLatin1String(TAppinfo::WebSiteUrl) + QLatin1String(page);
}

} // namespace

TAboutColors TAboutColors::For(TkxThemeStyle style)
{
    if (style == tsDark)
        return {QColor(Qt::transparent), QColor::fromRgba(0x33000000), QColor::fromRgba(0xFFFFFFFF),
                QColor::fromRgba(0xFF6495ED), QColor::fromRgba(0xFFFFB86B)};
    return {QColor::fromRgba(0xFFFFFFFF), QColor(Qt::transparent), QColor::fromRgba(0xFF000000),
            QColor::fromRgba(0xFF2F80C8), QColor::fromRgba(0xFFF57707)};
}

QString TfAboutNew::WebsiteDomain()
{
    return QUrl(QLatin1String(TAppinfo::WebSiteUrl)).host();
}

TfAboutNew::TfAboutNew(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("fAboutNew"));
    setWindowTitle(QStringLiteral("About Orvessa"));
    setFixedSize(690, 520);
    setModal(true);
    BuildLayout();
    FormCreate();
    // Enter and Escape close the box whichever control has the focus.
    installEventFilter(this);
    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
}

void TfAboutNew::BuildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);

    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    root->addLayout(top, 1);

    // Left column: logo at the top, the four links at the bottom.
    rectLeft = new TRectangle(this);
    rectLeft->setObjectName(QStringLiteral("rectLeft"));
    rectLeft->setFixedWidth(160);
    auto *lytLeft = new QVBoxLayout(rectLeft);
    lytLeft->setObjectName(QStringLiteral("lytLeft"));
    lytLeft->setContentsMargins(8, 16, 0, 8);
    lytLeft->setSpacing(6);
    Image2 = label(rectLeft, "Image2", QString());
    Image2->setFixedSize(128, 128);
    if (TdmImages::Exists())
        Image2->setPixmap(TdmImages::Instance().SVGIconImageList1.icon(TdmImages::SvgLogo).pixmap(128, 128));
    lytLeft->addWidget(Image2, 0, Qt::AlignHCenter);
    lytLeft->addStretch(1);
    lblWebsite = link(rectLeft, "lblWebsite", WebsiteDomain(), "Visit the Orvessa website.");
    lblWeBelieve = link(rectLeft, "lblWeBelieve", QStringLiteral("We Believe"), "Read what Orvessa stands for.");
    lblShareYourStory_01 = link(rectLeft, "lblShareYourStory_01", QStringLiteral("Share Your Story"), kStoryHint);
    lblContactSupport = link(rectLeft, "lblContactSupport", QStringLiteral("Contact Support"),
                             "Open an email to Orvessa support.");
    for (TLinkLabel *l : {lblWebsite, lblWeBelieve, lblShareYourStory_01, lblContactSupport}) {
        l->setFont(pixelFont(13));
        lytLeft->addWidget(l, 0, Qt::AlignLeft);
    }
    top->addWidget(rectLeft);

    // Right area: a panel with a rule down its left edge holding the texts.
    rectRight = new TRectangle(this);
    rectRight->setObjectName(QStringLiteral("rectRight"));
    auto *lytRight = new QVBoxLayout(rectRight);
    lytRight->setObjectName(QStringLiteral("lytRight"));
    lytRight->setContentsMargins(0, 8, 0, 8);
    Rectangle4 = new TRectangle(rectRight);
    Rectangle4->setObjectName(QStringLiteral("Rectangle4"));
    Rectangle4->SetLeftEdge(QColor(128, 128, 128, 96));
    lytRight->addWidget(Rectangle4);
    auto *inner = new QVBoxLayout(Rectangle4);
    inner->setContentsMargins(40, 24, 40, 0);
    inner->setSpacing(0);

    Label1 = label(Rectangle4, "Label1", QLatin1String(TAppinfo::ProductName));
    Label1->setFont(pixelFont(24, QFont::DemiBold));
    Label2 = label(Rectangle4, "Label2", QString());
    Label2->setFont(pixelFont(13));
    Text1 = label(Rectangle4, "Text1", QString());
    Text1->setFixedHeight(100);
    Text1->setWordWrap(true);
    Text1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label3 = label(Rectangle4, "Label3", QStringLiteral("Built for Clarity"));
    Text2 = label(Rectangle4, "Text2", QString());
    Label4 = label(Rectangle4, "Label4", QStringLiteral("Private by Design"));
    Text3 = label(Rectangle4, "Text3", QString());
    for (QLabel *l : {Label3, Label4})
        l->setFont(pixelFont(14, QFont::DemiBold));
    for (QLabel *l : {Text1, Text2, Text3})
        l->setFont(pixelFont(12));
    inner->addWidget(Label1);
    inner->addWidget(Label2);
    inner->addWidget(Text1);
    inner->addSpacing(24);
    inner->addWidget(Label3);
    inner->addSpacing(12);
    inner->addWidget(Text2);
    inner->addSpacing(24);
    inner->addWidget(Label4);
    inner->addSpacing(12);
    inner->addWidget(Text3);
    inner->addStretch(1);

    auto *Layout3 = new QHBoxLayout;
    Layout3->setObjectName(QStringLiteral("Layout3"));
    Layout3->setSpacing(4);
    Label5 = label(Rectangle4, "Label5", QStringLiteral("Has Orvessa helped you?"));
    lblShareYourStory_02 = link(Rectangle4, "lblShareYourStory_02", QStringLiteral("Share your story."), kStoryHint);
    for (QLabel *l : {static_cast<QLabel *>(Label5), static_cast<QLabel *>(lblShareYourStory_02)})
        l->setFont(pixelFont(13));
    Layout3->addWidget(Label5);
    Layout3->addWidget(lblShareYourStory_02);
    Layout3->addStretch(1);
    inner->addLayout(Layout3);
    top->addWidget(rectRight, 1);

    // Bottom bar: notice on the left, OK on the right.
    rectBottom = new TRectangle(this);
    rectBottom->setObjectName(QStringLiteral("rectBottom"));
    rectBottom->setFixedHeight(50);
    auto *lytBottom = new QHBoxLayout(rectBottom);
    lytBottom->setObjectName(QStringLiteral("lytBottom"));
    lytBottom->setContentsMargins(12, 0, 12, 0);
    lblNotice = label(rectBottom, "lblNotice", QString());
    lblNotice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Button1 = new QPushButton(rectBottom);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setMinimumWidth(80);
    lytBottom->addWidget(lblNotice, 1);
    lytBottom->addWidget(Button1);
    root->addWidget(rectBottom);

    connect(Button1, &QPushButton::clicked, this, &TfAboutNew::Button1Click);
    connect(lblWebsite, &TLinkLabel::clicked, this, &TfAboutNew::lblWebsiteClick);
    connect(lblWeBelieve, &TLinkLabel::clicked, this, &TfAboutNew::lblWeBelieveClick);
    connect(lblShareYourStory_01, &TLinkLabel::clicked, this, &TfAboutNew::lblShareYourStory_01Click);
    connect(lblShareYourStory_02, &TLinkLabel::clicked, this, &TfAboutNew::lblShareYourStory_02Click);
    connect(lblContactSupport, &TLinkLabel::clicked, this, &TfAboutNew::lblContactSupportClick);
}

void TfAboutNew::FormCreate()
{
    Button1->setText(QStringLiteral("OK"));
    Button1->setFocus();

    const TAboutColors c = TAboutColors::For(TAppinfo::GetThemeStyle());
    rectLeft->SetFill(c.PanelFill);
    rectRight->SetFill(c.PanelFill);
    rectBottom->SetFill(c.BottomFill);

    for (TLinkLabel *l : {lblWebsite, lblWeBelieve, lblShareYourStory_01, lblContactSupport, lblShareYourStory_02})
        l->SetColors(c.LinkColor, c.LinkHoverColor);

    const QString textStyle = QStringLiteral("color: %1;").arg(c.TextColor.name());
    for (QLabel *l : {Text1, Text2, Text3})
        l->setStyleSheet(textStyle);
    Text1->setText(QLatin1String(kText1));
    Text2->setText(QLatin1String(kText2));
    Text3->setText(QLatin1String(kText3));

    Label2->setText(QLatin1String(TAppinfo::VersionText));
    lblNotice->setText(TAppinfo::NoticeText);
}

bool TfAboutNew::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            event->accept();
            if (key == Qt::Key_Escape)
                reject();
            else
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfAboutNew::Button1Click()
{
    accept();
}

void TfAboutNew::lblWebsiteClick()
{
    OpenURL(BuildTrackedUrl(QLatin1String(TAppinfo::WebSiteUrl), QStringLiteral("about_box_left")));
}

void TfAboutNew::lblWeBelieveClick()
{
    OpenURL(BuildTrackedUrl(sitePage("about-us.asp#stands-for"), QStringLiteral("about_box_left")));
}

void TfAboutNew::lblShareYourStory_01Click()
{
    OpenURL(BuildTrackedUrl(sitePage("share-your-story.asp"), QStringLiteral("about_box_left")));
}

void TfAboutNew::lblShareYourStory_02Click()
{
    OpenURL(BuildTrackedUrl(sitePage("share-your-story.asp"), QStringLiteral("about_box_right")));
}

void TfAboutNew::lblContactSupportClick()
{
    OpenURL(SupportMailLink());
}

void ShowAboutBox()
{
    auto box = std::make_unique<TfAboutNew>();
    UseDarkTitleBar(box.get(), TAppinfo::GetThemeStyle() == tsDark);
    CenterOnMainWindow(box.get());
    box->exec();
}
