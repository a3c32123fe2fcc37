#include "reports/ui/TReportPreview.h"

#include "app/MsgDialogs.h"
#include "app/TAppinfo.h"
#include "app/TitleBar.h"
#include "reports/TReportPainter.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QUrl>

TReportPreview::Seams &TReportPreview::DefaultSeams()
{
    static Seams seams{
        [](QWidget *parent, const QString &suggested) {
            return QFileDialog::getSaveFileName(parent, QStringLiteral("Export to PDF"), suggested,
                                                QStringLiteral("PDF file (*.pdf)"), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        },
        [](const QString &path) {
            return KxMsgDialogYN(QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(path)),
                                 3)
                   == mrYes;
        },
        [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
    };
    return seams;
}

TReportPreview::TReportPreview(const TReportDocument &doc, const QString &title, QWidget *parent)
    : m_doc(doc), m_title(title), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setPageLayout(m_doc.pageLayout());
    // Objects are placed from the paper's corner, not from printable margins.
    m_printer->setFullPage(true);
    m_printer->setDocName(title);
    m_dialog = std::make_unique<QPrintPreviewDialog>(m_printer.get(), parent,
                                                     Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                         | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    m_dialog->setWindowTitle(title);
    connect(m_dialog.get(), &QPrintPreviewDialog::paintRequested, this, &TReportPreview::paint);
    if (auto *view = m_dialog->findChild<QPrintPreviewWidget *>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    m_export = new QAction(QStringLiteral("Export to PDF"), m_dialog.get());
    m_export->setObjectName(QStringLiteral("actExportPdf"));
    m_export->setToolTip(QStringLiteral("Export to PDF"));
    connect(m_export, &QAction::triggered, this, [this] { ExportPdf(); });
    if (auto *bar = m_dialog->findChild<QToolBar *>())
        bar->addAction(m_export);
    else
        m_dialog->addAction(m_export);
}

TReportPreview::~TReportPreview() = default;

int TReportPreview::exec()
{
    UseDarkTitleBar(m_dialog.get(), TAppinfo::GetThemeStyle() == tsDark);
    // Room for a whole page width at 100 % where the screen allows it.
    if (const QScreen *screen = m_dialog->screen()) {
        const QRect area = screen->availableGeometry();
        m_dialog->resize(qMin(area.width() * 9 / 10, 1200), area.height() * 9 / 10);
    }
    return m_dialog->exec();
}

void TReportPreview::paint(QPrinter *printer)
{
    QPainter p(printer);
    TReportPainter::PaintAll(p, *printer, m_doc);
}

QString TReportPreview::ExportPdf()
{
    Seams &s = DefaultSeams();
    QString path = s.GetSaveFileName(m_dialog.get(), m_title.trimmed() + QStringLiteral(".pdf"));
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path) && !s.ConfirmOverwrite(path))
        return QString();
    if (!TReportPainter::WritePdf(m_doc, path, m_title.trimmed())) {
        KxMsgDialog(QStringLiteral("The report could not be written to %1.").arg(QDir::toNativeSeparators(path)), 1);
        return QString();
    }
    s.OpenFile(path);
    return path;
}
