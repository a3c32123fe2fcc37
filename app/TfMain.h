#pragma once
// The main window: the frame that hosts every panel.

#include "app/TAppinfo.h"

#include <QMainWindow>

class QLabel;
class TdmSQLite;

class TfMain : public QMainWindow, public TConfigTarget {
    Q_OBJECT
public:
    explicit TfMain(TdmSQLite &db, QWidget *parent = nullptr);
    ~TfMain() override;

    void InitializeForm();

    // TConfigTarget
    void SetFormLeft(int v) override;
    void SetFormTop(int v) override;
    void SetFormHeight(int v) override;
    void SetFormWidth(int v) override;
    void SetMaximized(bool v) override;
    bool IsMaximized() const override { return isMaximized(); }
    bool IsNormalState() const override { return !isMaximized() && !isMinimized() && !isFullScreen(); }
    int FormTop() const override { return geometry().top(); }
    int FormLeft() const override { return geometry().left(); }
    int FormHeight() const override { return geometry().height(); }
    int FormWidth() const override { return geometry().width(); }
    double ColumnWidth(Column c) const override { return m_columnWidths[c]; }
    void SetColumnWidth(Column c, int w) override { m_columnWidths[c] = w; }

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void FormClose();

    TdmSQLite &m_db;
    QLabel *lblNotice = nullptr;
    // Debts grid column widths until the grid exists.
    double m_columnWidths[4] = {120, 200, 120, 120};
};
