#pragma once
// The shared icon lists that menus, buttons and grid glyph columns pick from
// by list and index. Icons are SVG files embedded under ":/icons/".

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

class TdmImageList {
public:
    explicit TdmImageList(const QStringList &resourcePaths);

    int count() const { return int(m_icons.size()); }
    // A null icon for an index outside the list, so a bad index shows nothing.
    QIcon icon(int index) const;
    QString resourcePath(int index) const;

private:
    QStringList m_paths;
    QList<QIcon> m_icons;
};

class TdmImages {
public:
    // Indices of the two lists whose order only this module defines.
    enum Light32Index { LightNew, LightOpen, LightSave, LightPrint, LightHelp, LightInfo };
    enum VectorIndex {
        SvgLogo, SvgDateFinder, SvgHelp, SvgOk, SvgCancel, SvgWebsite, SvgWeBelieve,
        SvgShareStory, SvgContactSupport, SvgDelete, SvgOpenPlan, SvgSaveAs, SvgAbout
    };

    // Create one after the application object and before the first window;
    // it serves as Instance() until destroyed. Cheap: SVGs render on demand.
    TdmImages();
    ~TdmImages();
    TdmImages(const TdmImages &) = delete;
    TdmImages &operator=(const TdmImages &) = delete;

    static TdmImages &Instance();
    static bool Exists();

    QIcon icon16(int index) const { return imlSmall16.icon(index); }
    QIcon icon32(int index) const { return imlSmall32.icon(index); }

    const TdmImageList imlSmall16;
    const TdmImageList imlSmall32;
    const TdmImageList imlLight32;
    const TdmImageList SVGIconImageList1;
};
