#pragma once
// The compact about box behind the hidden "About" menu item: name, version,
// notice, icon and the web site address. A click outside the link closes it.

#include <QDialog>

class QLabel;
class TLinkLabel;
class TRectangle;

class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(QWidget *parent = nullptr);

    TRectangle *rectBackground = nullptr;
    QLabel *imgLogo = nullptr;
    QLabel *lblProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblNotice = nullptr;
    TLinkLabel *lblWebsite = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void lblWebsiteClick();
};

// The hidden menu item's handler: a fresh box, title bar by theme, modal, freed.
void ShowCompactAboutBox();
