#include "app/TdmImages.h"

#include <QtGlobal>

namespace {

TdmImages *g_instance = nullptr;

QStringList paths(std::initializer_list<const char *> names)
{
    QStringList out;
    for (const char *n : names)
        out << QStringLiteral(":/icons/") + QLatin1String(n) + QStringLiteral(".svg");
    return out;
}

// One name per index, in list order; files are shared where lists repeat a picture.
QStringList small32()
{
    return paths({
        "logo",                // 0
        "video",               // 1
        "document-check",      // 2  minimum payment
        "console-window",      // 3  screen size
        "exit",                // 4
        "legend-sheet",        // 5  new plan
        "folder-open-arrow",   // 6  open plan
        "save",                // 7
        "save-as",             // 8
        "add",                 // 9
        "update-light",        // 10
        "cancel-light",        // 11
        "cross",               // 12
        "arrow-up",            // 13
        "arrow-down",          // 14
        "pencil",              // 15
        "play",                // 16
        "legend-sheet-pencil", // 17
        "folder-open",         // 18
        "window-delete",       // 19
        "money",               // 20
        "printer",             // 21
        "help-manual",         // 22
        "yin-yang",            // 23 themes
        "email",               // 24
        "cart",                // 25
        "app-icon",            // 26
        "shrink-columns",      // 27
        "expand-columns",      // 28
        "cancel-dark",         // 29
        "cross-dark",          // 30
        "update-dark",         // 31
        "delete",              // 32 grid delete glyph, readable on both themes
        "calendar-check",      // 33 Date Finder
        "info",                // 34
    });
}

QStringList small16()
{
    QStringList list = small32().mid(0, 17);
    list << paths({"printer", "app-icon", "app-icon", "delete"});
    return list;
}

QStringList light32()
{
    return paths({"outline-new", "outline-open", "outline-save", "outline-print", "outline-help",
                  "outline-info"});
}

QStringList vectorIcons()
{
    return paths({"logo", "calendar-check", "help", "update-light", "cancel-light", "globe", "heart",
                  "chat", "email", "delete", "folder-open", "save-as", "info"});
}

} // namespace

TdmImageList::TdmImageList(const QStringList &resourcePaths)
    : m_paths(resourcePaths)
{
    m_icons.reserve(m_paths.size());
    for (const QString &p : m_paths)
        m_icons.append(QIcon(p));
}

QIcon TdmImageList::icon(int index) const
{
    return index >= 0 && index < count() ? m_icons[index] : QIcon();
}

QString TdmImageList::resourcePath(int index) const
{
    return index >= 0 && index < count() ? m_paths[index] : QString();
}

TdmImages::TdmImages()
    : imlSmall16(small16())
    , imlSmall32(small32())
    , imlLight32(light32())
    , SVGIconImageList1(vectorIcons())
{
    if (g_instance)
        qFatal("TdmImages: a second instance was created");
    g_instance = this;
}

TdmImages::~TdmImages()
{
    g_instance = nullptr;
}

TdmImages &TdmImages::Instance()
{
    if (!g_instance)
        qFatal("TdmImages::Instance() called before the image module was created");
    return *g_instance;
}

bool TdmImages::Exists()
{
    return g_instance != nullptr;
}
