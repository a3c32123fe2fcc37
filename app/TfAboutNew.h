#pragma once
// The about box of the Help menu: product, version, three short texts, the
// notice line and five links, coloured by the theme.

#include "app/TAppinfo.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;
class TLinkLabel;
class TRectangle;

struct TAboutColors {
    QColor PanelFill;   // rectLeft, rectRight
    QColor BottomFill;  // rectBottom
    QColor TextColor;   // Text1..Text3
    QColor LinkColor;
    QColor LinkHoverColor;
    static TAboutColors For(TkxThemeStyle style);
};

class TfAboutNew : public QDialog {
    Q_OBJECT
public:
    // Colours follow the theme in force when the box is created.
    explicit TfAboutNew(QWidget *parent = nullptr);

    TRectangle *rectLeft = nullptr;
    TRectangle *rectRight = nullptr;
    TRectangle *rectBottom = nullptr;
    TRectangle *Rectangle4 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Text1 = nullptr;
    QLabel *Text2 = nullptr;
    QLabel *Text3 = nullptr;
    QLabel *lblNotice = nullptr;
    QPushButton *Button1 = nullptr;
    TLinkLabel *lblWebsite = nullptr;
    TLinkLabel *lblWeBelieve = nullptr;
    TLinkLabel *lblShareYourStory_01 = nullptr;
    TLinkLabel *lblContactSupport = nullptr;
    TLinkLabel *lblShareYourStory_02 = nullptr;

    // The domain name lblWebsite shows.
    static QString WebsiteDomain();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildLayout();
    void FormCreate();
    void Button1Click();
    void lblWebsiteClick();
    void lblWeBelieveClick();
    void lblShareYourStory_01Click();
    void lblShareYourStory_02Click();
    void lblContactSupportClick();
};

// The Help menu's "About": a fresh box, title bar by theme, modal, freed.
void ShowAboutBox();
