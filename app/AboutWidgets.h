#pragma once
// Small pieces the about boxes are built from: a filled rectangle that can
// draw only its left edge, and a text link that underlines and changes colour
// under the mouse.

#include <QColor>
#include <QLabel>
#include <QWidget>

class TRectangle : public QWidget {
    Q_OBJECT
public:
    explicit TRectangle(QWidget *parent = nullptr);

    QColor Fill() const { return m_fill; }
    void SetFill(const QColor &c);
    // A one-pixel line along the left edge; no line when invalid.
    QColor LeftEdge() const { return m_leftEdge; }
    void SetLeftEdge(const QColor &c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::transparent;
    QColor m_leftEdge;
};

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(const QString &text, QWidget *parent = nullptr);

    void SetColors(const QColor &normal, const QColor &hover);
    QColor LinkColor() const { return m_normal; }
    QColor HoverColor() const { return m_hover; }
    bool IsHovered() const { return m_hovered; }
    // The colour shown now: the hover colour while the mouse is over it.
    QColor CurrentColor() const { return m_hovered ? m_hover : m_normal; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ApplyLook();

    QColor m_normal = Qt::blue;
    QColor m_hover = Qt::blue;
    bool m_hovered = false;
};

// Moves a box not yet shown to the centre of the program's main window, or of
// the screen when there is none.
void CenterOnMainWindow(QWidget *box);

// Colour as a style sheet value; alpha kept.
QString CssColor(const QColor &c);
