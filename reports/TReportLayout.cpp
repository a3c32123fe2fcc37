#include "reports/TReportLayout.h"

namespace {

class Pager {
public:
    explicit Pager(const TReport &r)
        : m_r(r)
    {
        m_doc.pageSize = r.pageSize;
        m_doc.orientation = r.orientation;
        const QSizeF paper = r.paperSizeMm();
        m_bottom = paper.height() - r.margins.bottom() - r.pageFooter.height;
        m_footerTop = m_bottom;
        newPage();
    }

    TReportDocument finish()
    {
        closePage();
        return std::move(m_doc);
    }

    double room() const { return m_bottom - m_y; }
    bool pageIsFresh() const { return m_y <= m_freshY + 1e-9; }
    // Height available on a page that holds nothing but its page header.
    double pageRoom() const { return m_bottom - m_r.margins.top() - m_r.pageHeader.height; }

    // Starts a new page unless `height` still fits or the page is empty
    // anyway (a band taller than a page is printed and overflows).
    void ensureRoom(double height)
    {
        if (height > room() + 1e-9 && !pageIsFresh())
            breakPage();
    }

    void place(const TReportBand &band, int line = 0)
    {
        if (!band.present())
            return;
        ensureRoom(band.height);
        put(band, m_y, line);
        m_y += band.height;
    }

    void markFresh() { m_freshY = m_y; }

private:
    void put(const TReportBand &band, double top, int line)
    {
        for (TReportObject o : band.objects) {
            if (o.oddLineFill && line % 2 == 0)
                o.fill = QColor();
            o.rect.translate(m_r.margins.left(), top);
            m_doc.pages.back().objects.push_back(std::move(o));
        }
    }

    void newPage()
    {
        m_doc.pages.emplace_back();
        m_y = m_r.margins.top();
        if (m_r.pageHeader.present()) {
            put(m_r.pageHeader, m_y, 0);
            m_y += m_r.pageHeader.height;
        }
        m_freshY = m_y;
    }

    void closePage()
    {
        if (m_r.pageFooter.present())
            put(m_r.pageFooter, m_footerTop, 0);
    }

    void breakPage()
    {
        closePage();
        newPage();
    }

    const TReport &m_r;
    TReportDocument m_doc;
    double m_y = 0, m_bottom = 0, m_footerTop = 0, m_freshY = 0;
};

double groupHeight(const TReportGroup &g)
{
    double h = g.header.height + g.footer.height;
    for (const TReportBand &b : g.lines)
        h += b.height;
    return h;
}

} // namespace

TReportDocument TReportLayout::Layout(const TReport &report)
{
    Pager pager(report);
    pager.place(report.reportTitle);
    // A title alone does not count as content for keeping groups together.
    pager.markFresh();
    // The column header never stays behind alone at the foot of a page.
    if (report.columnHeader.present() && !report.groups.empty() && !report.groups.front().lines.empty())
        pager.ensureRoom(report.columnHeader.height + report.groups.front().header.height
                         + report.groups.front().lines.front().height);
    pager.place(report.columnHeader);
    for (const TReportGroup &g : report.groups) {
        const double h = groupHeight(g);
        // A group that fits on a page of its own is not split; a longer one
        // flows on from where it starts.
        if (g.keepTogether && h > pager.room() && h <= pager.pageRoom())
            pager.ensureRoom(h);
        if (g.header.present() && !g.lines.empty())
            pager.ensureRoom(g.header.height + g.lines.front().height);
        pager.place(g.header);
        int line = 0;
        for (const TReportBand &b : g.lines)
            pager.place(b, ++line);
        pager.place(g.footer);
    }
    pager.place(report.footer);
    pager.place(report.summary);
    return pager.finish();
}
