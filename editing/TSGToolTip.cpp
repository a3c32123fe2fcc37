#include "editing/TSGToolTip.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>

// A plain filled rectangle; painted by hand so no style sheet recolours it.
class TSGToolTipStrip : public QWidget {
public:
    explicit TSGToolTipStrip(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }
    QColor fill;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), fill); }
};

class TSGToolTipBox : public QWidget {
public:
    explicit TSGToolTipBox(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = font();
        f.setPixelSize(11);
        setFont(f);
        hide();
    }
    QColor fill, stroke, textColor = QColor::fromRgba(0xFF575757);
    QString text;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), fill);
        p.setPen(stroke);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(textColor);
        p.drawText(rect(), Qt::AlignCenter, text);
    }
};

TSGToolTipStyle TSGToolTipStyle::Default()
{
    return {0xFFF9F9F9, 0xFFE5E5E5, 0xFF575757, {0xFF8E8E8E, 0xFFABABAB, 0xFFD4D4D4, 0xFFF1F1F1}};
}

TSGToolTip::TSGToolTip(QObject *AOwner, QWidget *AForm, QTableWidget *AGrid, const QList<TSGToolTipColumn> &AMappings)
    : QObject(AOwner), FForm(AForm), FGrid(AGrid), FMappings(AMappings)
{
    if (FGrid) {
        // The grid's own hints would cover the box.
        FGrid->setToolTip(QString());
        FGrid->viewport()->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        FGrid->viewport()->setMouseTracking(true);
        FGrid->viewport()->installEventFilter(this);
    }
    if (!FForm)
        return;
    for (int i = 0; i < 4; ++i) {
        FShadowRightRects[i] = new TSGToolTipStrip(FForm);
        FShadowRightRects[i]->resize(1, 20);
        FShadowBottomRects[i] = new TSGToolTipStrip(FForm);
        FShadowBottomRects[i]->resize(60, 1);
    }
    FShadowCornerRect = new TSGToolTipStrip(FForm);
    FShadowCornerRect->resize(1, 1);
    FToolTip = new TSGToolTipBox(FForm);
    FToolTip->resize(60, 20);
    FToolTip->raise();
    ApplyDefaultStyle();
}

TSGToolTip::~TSGToolTip()
{
    if (FGrid)
        FGrid->viewport()->removeEventFilter(this);
    // The drawing belongs to the form; take it away with the tooltip.
    for (int i = 0; i < 4; ++i) {
        delete FShadowRightRects[i].data();
        delete FShadowBottomRects[i].data();
    }
    delete FShadowCornerRect.data();
    delete FToolTip.data();
}

void TSGToolTip::ApplyStyle(const TSGToolTipStyle &AStyle)
{
    FStyle = AStyle;
    if (FToolTip) {
        FToolTip->fill = QColor::fromRgba(AStyle.FillColor);
        FToolTip->stroke = QColor::fromRgba(AStyle.StrokeColor);
        FToolTip->textColor = QColor::fromRgba(AStyle.TextColor);
        FToolTip->update();
    }
    for (int i = 0; i < 4; ++i)
        for (TSGToolTipStrip *s : {FShadowRightRects[i].data(), FShadowBottomRects[i].data()})
            if (s) {
                s->fill = QColor::fromRgba(AStyle.ShadowColors[i]);
                s->update();
            }
    if (FShadowCornerRect)
        FShadowCornerRect->fill = QColor::fromRgba(AStyle.ShadowColors[0]);
}

void TSGToolTip::ApplyDefaultStyle()
{
    ApplyStyle(TSGToolTipStyle::Default());
}

void TSGToolTip::SetShadowEnabled(bool AValue)
{
    if (AValue == FShadowEnabled)
        return;
    FShadowEnabled = AValue;
    if (!AValue)
        HideShadow();
}

int TSGToolTip::BoxWidthFor(const QString &AText)
{
    return qMax(44, 7 * int(AText.size()) + 14);
}

QPoint TSGToolTip::GridToForm(const QPoint &p) const
{
    QWidget *vp = FGrid->viewport();
    if (FForm->isAncestorOf(vp))
        return vp->mapTo(FForm, p);
    return FForm->mapFromGlobal(vp->mapToGlobal(p));
}

void TSGToolTip::ShowToolTip(const QString &AText, int X, int Y)
{
    if (AText.isEmpty()) {
        HideToolTip();
        return;
    }
    if (!FToolTip || !FForm || !FGrid)
        return;
    if (AText != FCurrentText) {
        FCurrentText = AText;
        FToolTip->text = AText;
        FToolTip->update();
    }
    const int w = BoxWidthFor(AText);
    const int h = 20;
    FToolTip->resize(w, h);

    const QPoint p = GridToForm(QPoint(X, Y));
    int x = p.x() + 16;
    if (x + w + 4 > FForm->width())
        x = FForm->width() - w - 12;
    int y = p.y() + 18;
    if (y + h + 4 > FForm->height())
        y = p.y() - h - 8;
    x = qMax(x, 0);
    y = qMax(y, 0);

    if (FShadowEnabled)
        ShowShadow(x, y, w, h);
    else
        HideShadow();
    FToolTip->move(x, y);
    FToolTip->raise();
    FToolTip->show();
}

void TSGToolTip::ShowShadow(int x, int y, int w, int h)
{
    for (int i = 0; i < 4; ++i) {
        if (FShadowRightRects[i]) {
            FShadowRightRects[i]->setGeometry(x + w + i, y + 3 + (i + 1), 1, qMax(0, h - 3));
            FShadowRightRects[i]->show();
        }
        if (FShadowBottomRects[i]) {
            FShadowBottomRects[i]->setGeometry(x + 3 + (i + 1), y + h + i, qMax(0, w - 3), 1);
            FShadowBottomRects[i]->show();
        }
    }
    if (FShadowCornerRect)
        FShadowCornerRect->hide();
    // The darkest strip, next to the box, ends on top.
    for (int i = 3; i >= 0; --i) {
        if (FShadowRightRects[i])
            FShadowRightRects[i]->raise();
        if (FShadowBottomRects[i])
            FShadowBottomRects[i]->raise();
    }
}

void TSGToolTip::HideShadow()
{
    for (int i = 0; i < 4; ++i) {
        if (FShadowRightRects[i])
            FShadowRightRects[i]->hide();
        if (FShadowBottomRects[i])
            FShadowBottomRects[i]->hide();
    }
    if (FShadowCornerRect)
        FShadowCornerRect->hide();
}

void TSGToolTip::HideToolTip()
{
    FCurrentText.clear();
    HideShadow();
    if (FToolTip)
        FToolTip->hide();
}

void TSGToolTip::GridMouseMove(int X, int Y)
{
    const QModelIndex cell = FGrid->indexAt(QPoint(X, Y));
    if (!cell.isValid() || cell.row() < 0) {
        HideToolTip();
        return;
    }
    for (const TSGToolTipColumn &m : FMappings)
        if (m.Column == cell.column()) {
            ShowToolTip(m.Text, X, Y);
            return;
        }
    HideToolTip();
}

void TSGToolTip::GridMouseLeave()
{
    HideToolTip();
}

bool TSGToolTip::eventFilter(QObject *watched, QEvent *event)
{
    if (FGrid && watched == FGrid->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
            GridMouseMove(p.x(), p.y());
            break;
        }
        case QEvent::Leave:
        case QEvent::Hide:
            GridMouseLeave();
            break;
        case QEvent::ToolTip:
            return true;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

QWidget *TSGToolTip::ToolTipBox() const
{
    return FToolTip.data();
}

QList<QWidget *> TSGToolTip::ShadowRightRects() const
{
    QList<QWidget *> out;
    for (const auto &s : FShadowRightRects)
        out << s.data();
    return out;
}

QList<QWidget *> TSGToolTip::ShadowBottomRects() const
{
    QList<QWidget *> out;
    for (const auto &s : FShadowBottomRects)
        out << s.data();
    return out;
}

QWidget *TSGToolTip::ShadowCornerRect() const
{
    return FShadowCornerRect.data();
}
