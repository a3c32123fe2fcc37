#include "app/AboutWidgets.h"

#include <QApplication>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

TRectangle::TRectangle(QWidget *parent)
    : QWidget(parent)
{
}

void TRectangle::SetFill(const QColor &c)
{
    m_fill = c;
    update();
}

void TRectangle::SetLeftEdge(const QColor &c)
{
    m_leftEdge = c;
    update();
}

void TRectangle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_fill.alpha() > 0)
        p.fillRect(rect(), m_fill);
    if (m_leftEdge.isValid() && m_leftEdge.alpha() > 0)
        p.fillRect(QRect(0, 0, 1, height()), m_leftEdge);
}

TLinkLabel::TLinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    ApplyLook();
}

void TLinkLabel::SetColors(const QColor &normal, const QColor &hover)
{
    m_normal = normal;
    m_hover = hover;
    ApplyLook();
}

// A widget's own style sheet wins over the application's, so colour and
// underline hold whatever theme is loaded.
void TLinkLabel::ApplyLook()
{
    setStyleSheet(QStringLiteral("color: %1; text-decoration: %2; background: transparent;")
                      .arg(CssColor(CurrentColor()), m_hovered ? QStringLiteral("underline") : QStringLiteral("none")));
}

void TLinkLabel::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    ApplyLook();
    QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent *event)
{
    m_hovered = false;
    ApplyLook();
    QLabel::leaveEvent(event);
}

// Taken here so the press does not reach the box behind (the compact box
// closes on a click anywhere else).
void TLinkLabel::mousePressEvent(QMouseEvent *event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CenterOnMainWindow(QWidget *box)
{
    if (!box)
        return;
    QRect area;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != box && w->isVisible() && qobject_cast<QMainWindow *>(w)) {
            area = w->frameGeometry();
            break;
        }
    if (area.isEmpty()) {
        if (const QScreen *s = QGuiApplication::primaryScreen())
            area = s->availableGeometry();
        else
            return;
    }
    box->move(area.center() - QPoint(box->width() / 2, box->height() / 2));
}

QString CssColor(const QColor &c)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}
