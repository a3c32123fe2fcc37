// The grid helpers: tooltip text, size, placement and shadow; the wheel that
// walks rows; column width rules; the debts grid's header menu.
#include "app/TdmImages.h"
#include "editing/GridHelpers.h"
#include "editing/TSGToolTip.h"
#include "editing/TfDebts.h"

#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// A form holding a debts-shaped grid, as the main window holds the panels'.
struct GridForm {
    GridForm(int rows = 5, int width = 600, int height = 400)
    {
        form.resize(width, height);
        grid = new QTableWidget(rows, TfDebts::ColumnCount, &form);
        grid->setGeometry(10, 10, width - 20, height - 20);
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setColumnWidth(c, 40);
        tip = new TSGToolTip(&form, &form, grid,
                             {{0, "Delete"}, {8, "Move Up"}, {9, "Move Down"}, {10, "Edit"}});
        form.show();
    }
    QPoint cellCentre(int row, int column) const { return grid->visualRect(grid->model()->index(row, column)).center(); }
    QPoint toForm(const QPoint &p) const { return grid->viewport()->mapTo(&form, p); }
    void move(const QPoint &p)
    {
        QMouseEvent e(QEvent::MouseMove, p, grid->viewport()->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(grid->viewport(), &e);
    }
    bool wheel(int delta)
    {
        const QPointF p(5, 5);
        QWheelEvent e(p, grid->viewport()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        return QCoreApplication::sendEvent(grid->viewport(), &e);
    }

    QWidget form;
    QTableWidget *grid;
    TSGToolTip *tip;
};

bool shown(QWidget *w)
{
    return w && !w->isHidden();
}

} // namespace

class TstGridHelpers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { images = std::make_unique<TdmImages>(); }

    void tooltipFollowsColumns_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addRow("edit raised to the minimum") << 10 << "Edit" << 44;
        QTest::addRow("move down") << 9 << "Move Down" << 77;
        QTest::addRow("move up") << 8 << "Move Up" << 63;
        QTest::addRow("delete") << 0 << "Delete" << 56;
        QTest::addRow("unmapped column") << 4 << "" << 0;
    }

    void tooltipFollowsColumns()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(int, width);
        GridForm f;
        const QPoint p = f.cellCentre(1, column);
        f.move(p);
        QCOMPARE(f.tip->CurrentText(), text);
        QWidget *box = f.tip->ToolTipBox();
        QCOMPARE(shown(box), !text.isEmpty());
        if (text.isEmpty())
            return;
        QCOMPARE(box->size(), QSize(width, 20));
        const QPoint at = f.toForm(p);
        QCOMPARE(box->pos(), at + QPoint(16, 18));
        QCOMPARE(box->parentWidget(), &f.form);
        QVERIFY(box->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    // Pointer positions inside the grid's cell area, relative to its corner.
    void tooltipFlipsNearEdges_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("flipX");
        QTest::addColumn<bool>("flipY");
        QTest::addRow("open space") << QPoint(100, 50) << false << false;
        QTest::addRow("right edge") << QPoint(540, 50) << true << false;
        QTest::addRow("bottom edge") << QPoint(100, 340) << false << true;
        QTest::addRow("bottom right") << QPoint(540, 340) << true << true;
    }

    void tooltipFlipsNearEdges()
    {
        QFETCH(QPoint, pointer);
        QFETCH(bool, flipX);
        QFETCH(bool, flipY);
        GridForm f;
        f.tip->ShowToolTip(QStringLiteral("Edit"), pointer.x(), pointer.y());
        const QPoint at = f.toForm(pointer);
        const QWidget *box = f.tip->ToolTipBox();
        QCOMPARE(box->x(), flipX ? 600 - 44 - 12 : at.x() + 16);
        QCOMPARE(box->y(), flipY ? at.y() - 20 - 8 : at.y() + 18);
        // Never outside the form's top left.
        f.tip->ShowToolTip(QStringLiteral("Edit"), -400, -400);
        QCOMPARE(box->pos(), QPoint(0, 0));
    }

    void tooltipHides()
    {
        GridForm f;
        f.move(f.cellCentre(0, 10));
        QVERIFY(shown(f.tip->ToolTipBox()));
        f.move(f.cellCentre(0, 3));
        QVERIFY(!shown(f.tip->ToolTipBox()));
        QVERIFY(f.tip->CurrentText().isEmpty());
        for (QWidget *s : f.tip->ShadowRightRects() + f.tip->ShadowBottomRects())
            QVERIFY(!shown(s));

        f.move(f.cellCentre(0, 10));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(f.grid->viewport(), &leave);
        QVERIFY(!shown(f.tip->ToolTipBox()));

        // Below the last row there is no cell.
        f.move(f.cellCentre(0, 10));
        f.move(QPoint(f.cellCentre(0, 10).x(), f.grid->viewport()->height() - 2));
        QVERIFY(!shown(f.tip->ToolTipBox()));
    }

    void shadowStripsAndSwitch()
    {
        GridForm f;
        const TSGToolTipStyle style = f.tip->Style();
        QCOMPARE(style.FillColor, 0xFFF9F9F9u);
        QCOMPARE(style.ShadowColors[0], 0xFF8E8E8Eu);
        QCOMPARE(style.ShadowColors[3], 0xFFF1F1F1u);
        QVERIFY(f.tip->ShadowEnabled());

        f.tip->ShowToolTip(QStringLiteral("Move Down"), 100, 50);
        const QRect box = f.tip->ToolTipBox()->geometry();
        const auto right = f.tip->ShadowRightRects();
        const auto bottom = f.tip->ShadowBottomRects();
        QCOMPARE(right.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(shown(right[i]) && shown(bottom[i]));
            QCOMPARE(right[i]->geometry(), QRect(box.x() + 77 + i, box.y() + 4 + i, 1, 17));
            QCOMPARE(bottom[i]->geometry(), QRect(box.x() + 4 + i, box.y() + 20 + i, 74, 1));
        }
        QVERIFY(!shown(f.tip->ShadowCornerRect()));

        // The dark theme switches the shadow off at once.
        f.tip->SetShadowEnabled(false);
        for (QWidget *s : right + bottom)
            QVERIFY(!shown(s));
        f.tip->ShowToolTip(QStringLiteral("Move Down"), 120, 50);
        QVERIFY(shown(f.tip->ToolTipBox()));
        for (QWidget *s : right + bottom)
            QVERIFY(!shown(s));

        // Back to light: the strips return with the next pointer move.
        f.tip->SetShadowEnabled(true);
        f.move(f.cellCentre(2, 9));
        for (QWidget *s : right + bottom)
            QVERIFY(shown(s));
    }

    void tooltipOutlivesItsForm()
    {
        auto f = std::make_unique<GridForm>();
        QPointer<TSGToolTip> tip = f->tip;
        f->move(f->cellCentre(0, 0));
        f.reset();
        QVERIFY(tip.isNull());

        // A tooltip deleted before its form takes its drawing with it.
        GridForm g;
        delete g.tip;
        const int before = g.form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size();
        QCOMPARE(before, 1); // the grid only
        g.move(g.cellCentre(0, 0));
    }

    void wheelWalksRows_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("handled");
        QTest::addRow("none selected, down") << -1 << -120 << -1 << false;
        QTest::addRow("none selected, up") << -1 << 120 << -1 << false;
        QTest::addRow("first, down") << 0 << -120 << 1 << true;
        QTest::addRow("middle, down") << 2 << -120 << 3 << true;
        QTest::addRow("before last, down") << 3 << -120 << 4 << true;
        QTest::addRow("last, down") << 4 << -120 << 4 << false;
        QTest::addRow("last, up") << 4 << 120 << 3 << true;
        QTest::addRow("second, up") << 1 << 120 << 0 << true;
        QTest::addRow("first, up") << 0 << 120 << 0 << false;
        QTest::addRow("horizontal wheel") << 2 << 0 << 2 << false;
    }

    void wheelWalksRows()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, expected);
        QFETCH(bool, handled);
        GridForm f;
        InstallGridMouseWheel(f.grid);
        if (start >= 0)
            f.grid->selectRow(start);
        QCOMPARE(f.grid->currentRow(), start);
        f.wheel(delta);
        QCOMPARE(f.grid->currentRow(), expected);
        if (expected >= 0)
            QVERIFY(f.grid->selectionModel()->isRowSelected(expected, {}));

        // The same decision through the plain function.
        f.grid->setCurrentCell(-1, -1);
        if (start >= 0)
            f.grid->selectRow(start);
        QCOMPARE(GridMouseWheel(f.grid, delta), handled);
    }

    // At the ends, or with no selection, the grid scrolls as usual.
    void wheelScrollsAtTheEnds()
    {
        GridForm f(60, 300, 200);
        InstallGridMouseWheel(f.grid);
        QScrollBar *bar = f.grid->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);

        f.wheel(-120);
        QVERIFY(bar->value() > 0);
        QCOMPARE(f.grid->currentRow(), -1);

        f.grid->selectRow(59);
        bar->setValue(0);
        f.wheel(-120);
        QVERIFY(bar->value() > 0);
        QCOMPARE(f.grid->currentRow(), 59);

        // Moving the selection scrolls the new row into view.
        f.grid->selectRow(10);
        bar->setValue(bar->maximum());
        f.wheel(120);
        QCOMPARE(f.grid->currentRow(), 9);
        QVERIFY(f.grid->viewport()->rect().intersects(f.grid->visualRect(f.grid->model()->index(9, 0))));
    }

    void columnRules_data()
    {
        QTest::addColumn<bool>("debts");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::addRow("creditor too wide") << true << 4 << 300 << 200;
        QTest::addRow("creditor too narrow") << true << 4 << 100 << 150;
        QTest::addRow("creditor within") << true << 4 << 170 << 170;
        QTest::addRow("rate wider") << true << 5 << 80 << 52;
        QTest::addRow("rate narrower") << true << 5 << 10 << 52;
        QTest::addRow("priority") << true << 2 << 70 << 56;
        QTest::addRow("type narrow") << true << 3 << 0 << 94;
        QTest::addRow("balance wide") << true << 6 << 500 << 120;
        QTest::addRow("payment within") << true << 7 << 100 << 100;
        QTest::addRow("edit glyph") << true << 10 << 35 << 20;
        QTest::addRow("row id has no rule") << true << 1 << 41 << 41;
        QTest::addRow("one-off date") << false << 2 << 120 << 90;
        QTest::addRow("one-off amount") << false << 3 << 60 << 74;
        QTest::addRow("one-off delete") << false << 0 << 40 << 20;
    }

    void columnRules()
    {
        QFETCH(bool, debts);
        QFETCH(int, column);
        QFETCH(int, width);
        QFETCH(int, expected);
        QTableWidget grid(3, debts ? TfDebts::ColumnCount : 5);
        InstallColumnWidthRules(&grid, debts ? DebtsColumnRules() : OneoffsColumnRules());
        grid.setColumnWidth(column, width);
        QCOMPARE(grid.columnWidth(column), expected);
        // A drag of the header section goes through the same signal.
        grid.horizontalHeader()->resizeSection(column, width);
        QCOMPARE(grid.columnWidth(column), expected);
    }

    void columnRulesApplyOnInstall()
    {
        QTableWidget grid(3, TfDebts::ColumnCount);
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.setColumnWidth(c, 300);
        grid.setColumnHidden(TfDebts::colRowID, true);
        InstallColumnWidthRules(&grid, DebtsColumnRules());
        const int expected[] = {20, 0, 56, 120, 200, 52, 120, 120, 20, 20, 20};
        for (int c = 0; c < grid.columnCount(); ++c)
            if (c != TfDebts::colRowID)
                QCOMPARE(grid.columnWidth(c), expected[c]);
        QVERIFY(grid.isColumnHidden(TfDebts::colRowID));
        // The rate column cannot be dragged at all.
        QCOMPARE(grid.horizontalHeader()->sectionResizeMode(TfDebts::colAPR), QHeaderView::Fixed);
        QCOMPARE(grid.horizontalHeader()->sectionResizeMode(TfDebts::colCreditorName), QHeaderView::Interactive);
    }

    void debtsTablesUseThePanelsColumns()
    {
        using D = TfDebts;
        const QList<TColumnWidth> shrunk = DebtsShrunkWidths();
        auto widthOf = [](const QList<TColumnWidth> &list, int column) {
            for (const TColumnWidth &w : list)
                if (w.Column == column)
                    return w.Width;
            return -1;
        };
        QCOMPARE(widthOf(shrunk, D::colCreditorName), 150);
        QCOMPARE(widthOf(shrunk, D::colAPR), 52);
        QCOMPARE(widthOf(shrunk, D::colPriority), 56);
        QCOMPARE(widthOf(DebtsExpandedWidths(), D::colDebtType), 120);
        QCOMPARE(widthOf(DebtsExpandedWidths(), D::colMoveDown), 20);
        QCOMPARE(widthOf(shrunk, D::colRowID), -1);
    }

    void headerMenu()
    {
        GridForm f;
        InstallColumnWidthRules(f.grid, DebtsColumnRules());
        TDebtGridHeaderPopup popup(f.grid, &f.form);
        QMenu *menu = popup.FGridHeaderPopupMenu;
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Expand All Columns"));
        QCOMPARE(menu->actions()[1]->text(), QStringLiteral("Shrink All Columns"));
        QVERIFY(!menu->actions()[0]->icon().isNull());
        popup.InitializeDebtGridHeaderPopup();
        QCOMPARE(popup.HeaderControlsHooked(), 1);

        // A right click in the cells does not open it.
        QContextMenuEvent inCells(QContextMenuEvent::Mouse, f.cellCentre(1, 3), f.grid->viewport()->mapToGlobal(f.cellCentre(1, 3)));
        QCoreApplication::sendEvent(f.grid->viewport(), &inCells);
        QVERIFY(!menu->isVisible());

        QWidget *headerArea = f.grid->horizontalHeader()->viewport();
        const QPoint at(30, 5);
        QContextMenuEvent inHeader(QContextMenuEvent::Mouse, at, headerArea->mapToGlobal(at));
        QCoreApplication::sendEvent(headerArea, &inHeader);
        QVERIFY(menu->isVisible());
        QCOMPARE(popup.LastPopupPos(), headerArea->mapToGlobal(at));
        menu->close();

        menu->actions()[0]->trigger();
        QCOMPARE(f.grid->columnWidth(TfDebts::colCreditorName), 200);
        QCOMPARE(f.grid->columnWidth(TfDebts::colBalance), 120);
        menu->actions()[1]->trigger();
        const int start[] = {20, -1, 56, 94, 150, 52, 90, 90, 20, 20, 20};
        for (int c = 0; c < TfDebts::ColumnCount; ++c)
            if (start[c] >= 0)
                QCOMPARE(f.grid->columnWidth(c), start[c]);
    }

    void headerMenuRehooksOneTurnLater()
    {
        auto f = std::make_unique<GridForm>();
        TDebtGridHeaderPopup popup(f->grid, nullptr);
        popup.InitializeDebtGridHeaderPopup();
        QHeaderView *header = f->grid->horizontalHeader();
        header->setContextMenuPolicy(Qt::DefaultContextMenu);
        popup.RehookDebtGridHeaderPopup();
        QCOMPARE(header->contextMenuPolicy(), Qt::DefaultContextMenu);
        QTest::qWait(0);
        QCOMPARE(header->contextMenuPolicy(), Qt::CustomContextMenu);

        // A rehook queued for a grid that is gone does nothing.
        popup.RehookDebtGridHeaderPopup();
        f.reset();
        QTest::qWait(0);
        QCOMPARE(popup.HeaderControlsHooked(), 1);
        popup.InitializeDebtGridHeaderPopup();
        QCOMPARE(popup.HeaderControlsHooked(), 0);
    }

private:
    std::unique_ptr<TdmImages> images;
};

QTEST_MAIN(TstGridHelpers)
#include "tst_gridhelpers.moc"
