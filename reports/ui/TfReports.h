#pragma once
// The Reports tab: the catalogue of printable reports.

#include <QObject>

class QWidget;
class TdmSQLite;
class TMainHost;

class TfReports : public QObject {
    Q_OBJECT
public:
    TfReports(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfReports() override;

    // The panel's content; the main window moves it into its Reports tab.
    QWidget *lytReports = nullptr;

    void UpdateInstructionTextAppearance();

private:
    TdmSQLite &m_db;
    TMainHost *m_host;
};
