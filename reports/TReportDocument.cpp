#include "reports/TReportDocument.h"

QSizeF TReportDocument::paperSizeMm() const
{
    const QSizeF s = QPageSize(pageSize).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? s.transposed() : s;
}

QPageLayout TReportDocument::pageLayout() const
{
    return QPageLayout(QPageSize(pageSize), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

std::vector<const TReportObject *> TReportDocument::findAll(const QString &name) const
{
    std::vector<const TReportObject *> found;
    for (const TReportPage &p : pages)
        for (const TReportObject &o : p.objects)
            if (o.name == name)
                found.push_back(&o);
    return found;
}

const TReportObject *TReportDocument::find(const QString &name) const
{
    for (const TReportPage &p : pages)
        for (const TReportObject &o : p.objects)
            if (o.name == name)
                return &o;
    return nullptr;
}

int TReportDocument::pageOf(const TReportObject *o) const
{
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (!pages[i].objects.empty() && o >= &pages[i].objects.front() && o <= &pages[i].objects.back())
            return int(i);
    return -1;
}

QStringList TReportDocument::texts(int page) const
{
    QStringList list;
    for (const TReportObject &o : pages.at(page).objects)
        if (o.kind == TReportObject::Text && !o.text.isEmpty())
            list << o.text;
    return list;
}
