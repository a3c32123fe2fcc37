#pragma once
// A tooltip that names the glyph under the mouse in a grid's icon columns.
// It is drawn as child widgets of the form that shows the grid, so it follows
// that form's coordinates and never opens a window of its own.
//
// Adoption (one line each, kept by the owner; the owner deletes it):
//   main window, after creating the one-off panel:
//     FOneOffsGridToolTip = new TSGToolTip(this, this, fOneoffs->sgPayments,
//         {{0, "Delete"}, {4, "Edit"}});
//   main window, after creating the debts panel:
//     FDebtsGridToolTip = new TSGToolTip(this, this, fDebts->sgDebts,
//         {{0, "Delete"}, {8, "Move Up"}, {9, "Move Down"}, {10, "Edit"}});
//   plan chooser, in its constructor:
//     FChooserGridToolTip = new TSGToolTip(this, this, sgChooser, {{0, "Delete"}});
//     FChooserGridToolTip->SetShadowEnabled(TAppinfo::GetThemeStyle() != tsDark);
//   main window's theme switch: SetShadowEnabled(true) for the light theme and
//   SetShadowEnabled(false) for the dark theme on both of its tooltips.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>

class QTableWidget;
class QWidget;
class TSGToolTipBox;
class TSGToolTipStrip;

struct TSGToolTipColumn {
    int Column = -1;
    QString Text;
    TSGToolTipColumn() = default;
    TSGToolTipColumn(int AColumn, const QString &AText) : Column(AColumn), Text(AText) {}
    TSGToolTipColumn(int AColumn, const char *AText) : Column(AColumn), Text(QString::fromUtf8(AText)) {}
    static TSGToolTipColumn Create(int AColumn, const QString &AText) { return {AColumn, AText}; }
};

// 32-bit ARGB colours; shadow index 0 lies next to the box.
struct TSGToolTipStyle {
    std::uint32_t FillColor = 0;
    std::uint32_t StrokeColor = 0;
    std::uint32_t TextColor = 0;
    std::array<std::uint32_t, 4> ShadowColors{};
    static TSGToolTipStyle Default();
};

class TSGToolTip : public QObject {
    Q_OBJECT
public:
    TSGToolTip(QObject *AOwner, QWidget *AForm, QTableWidget *AGrid, const QList<TSGToolTipColumn> &AMappings);
    ~TSGToolTip() override;

    void ApplyStyle(const TSGToolTipStyle &AStyle);
    void ApplyDefaultStyle();
    TSGToolTipStyle Style() const { return FStyle; }

    bool ShadowEnabled() const { return FShadowEnabled; }
    void SetShadowEnabled(bool AValue);

    // X, Y in the grid's cell area (its viewport) coordinates.
    void ShowToolTip(const QString &AText, int X, int Y);
    void HideToolTip();

    QString CurrentText() const { return FCurrentText; }
    // The box, its strips and the corner, for those who inspect the drawing.
    QWidget *ToolTipBox() const;
    QList<QWidget *> ShadowRightRects() const;
    QList<QWidget *> ShadowBottomRects() const;
    QWidget *ShadowCornerRect() const;

    // Box width for a text: 7 per character plus 14, at least 44.
    static int BoxWidthFor(const QString &AText);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void GridMouseMove(int X, int Y);
    void GridMouseLeave();
    void ShowShadow(int x, int y, int w, int h);
    void HideShadow();
    QPoint GridToForm(const QPoint &p) const;

    QPointer<QWidget> FForm;
    QPointer<QTableWidget> FGrid;
    QPointer<TSGToolTipBox> FToolTip;
    QString FCurrentText;
    QList<TSGToolTipColumn> FMappings;
    std::array<QPointer<TSGToolTipStrip>, 4> FShadowRightRects;
    std::array<QPointer<TSGToolTipStrip>, 4> FShadowBottomRects;
    QPointer<TSGToolTipStrip> FShadowCornerRect;
    TSGToolTipStyle FStyle;
    bool FShadowEnabled = true;
};
