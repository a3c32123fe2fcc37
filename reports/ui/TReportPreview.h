#pragma once
// The modal preview of a produced report: print, page set-up, zoom, page
// navigation and overview, plus export to PDF.

#include "reports/TReportDocument.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

class TReportPreview : public QObject {
    Q_OBJECT
public:
    // Where the export asks and opens things; tests replace these.
    struct Seams {
        // The file to write, "" when cancelled. Offers PDF only.
        std::function<QString(QWidget *parent, const QString &suggested)> GetSaveFileName;
        // True to overwrite an existing file.
        std::function<bool(const QString &path)> ConfirmOverwrite;
        // Opens the written file in the desktop's viewer.
        std::function<void(const QString &path)> OpenFile;
    };
    static Seams &DefaultSeams();

    TReportPreview(const TReportDocument &doc, const QString &title, QWidget *parent = nullptr);
    ~TReportPreview() override;

    QPrintPreviewDialog *dialog() const { return m_dialog.get(); }
    QAction *exportAction() const { return m_export; }
    QPrinter *printer() const { return m_printer.get(); }

    int exec();
    // The export action: asks for a file, writes the PDF and opens it. The
    // written path, or "" when cancelled or failed (failure is reported).
    QString ExportPdf();

private:
    void paint(QPrinter *printer);

    TReportDocument m_doc;
    QString m_title;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrintPreviewDialog> m_dialog;
    QAction *m_export = nullptr;
};
