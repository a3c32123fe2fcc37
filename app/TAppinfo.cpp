#include "app/TAppinfo.h"

#include "app/Clock.h"
#include "app/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace {

const QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

QString join(const QString &a, const QString &b)
{
    if (b.contains(QChar(0)) || a.contains(QChar(0)))
        throw EAppError("Illegal characters in path.");
    if (a.isEmpty())
        return b;
    return QDir::cleanPath(a + u'/' + b);
}

// Creates a folder and its missing parents, each readable by the owner only:
// the folder holds a person's finances.
bool makePrivatePath(const QString &path)
{
    const QString abs = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(abs).isDir())
        return true;
    QString parent = QFileInfo(abs).path();
    if (parent != abs && !makePrivatePath(parent))
        return false;
    return QDir().mkdir(abs, kOwnerOnly) || QFileInfo(abs).isDir();
}

void makeFolder(const QString &path)
{
    if (!makePrivatePath(path))
        throw EAppError(QStringLiteral("Cannot create the folder %1").arg(path).toStdString());
}

QString resourceRoot()
{
    // Tests point this elsewhere to simulate a program built without a resource.
    const QByteArray env = qgetenv("ORVESSA_RESOURCE_ROOT");
    return env.isEmpty() ? QStringLiteral(":/startup/") : QString::fromLocal8Bit(env);
}

int roundHalfEven(double v)
{
    return int(std::nearbyint(v));
}

const char *const kColumnKeys[] = {"Type", "Creditor", "Balance", "Payment"};

} // namespace

QString TAppinfo::AppDataFolderPath()
{
    QString folder;
    const QByteArray env = qgetenv("ORVESSA_DATA_DIR");
    if (!env.isEmpty()) {
        folder = QString::fromLocal8Bit(env);
    } else {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        folder = join(join(base, QString::fromLatin1(MakerFolder)), QString::fromLatin1(ProductFolder));
    }
    return folder;
}

QString TAppinfo::GetAppDataFolder()
{
    const QString folder = AppDataFolderPath();
    makePrivatePath(folder); // failure shows up when something is written there
    return folder;
}

QString TAppinfo::GetFolder(const QString &folderName)
{
    return join(GetAppDataFolder(), folderName);
}

QString TAppinfo::GetFilePath(const QString &fileName)
{
    return join(GetAppDataFolder(), fileName);
}

QString TAppinfo::GetFilePath(const QString &folderName, const QString &fileName)
{
    return join(GetFolder(folderName), fileName);
}

QString TAppinfo::GetIniFilePath()
{
    return GetFilePath(QString::fromLatin1(IniFileName));
}

QString TAppinfo::GetDatabasePath()
{
    return GetFilePath(QString::fromLatin1(DataFolder), QString::fromLatin1(DatabaseFile));
}

QString TAppinfo::GetImagePath()
{
    return GetFolder(QString::fromLatin1(ImagesFolder));
}

QString TAppinfo::GetStylePath(TkxThemeStyle style)
{
    return GetFilePath(QString::fromLatin1(StylesFolder),
                       style == tsDark ? QStringLiteral("dark.style") : QStringLiteral("light.style"));
}

void TAppinfo::Initialize()
{
    ExtractResources();
    DatabasePath = GetDatabasePath();
    NoticeText = QStringLiteral("Copyright \u00A9 %1 Talmaro. All rights reserved.").arg(Clock::Today().year());
    PlanId = 0;
    PlanSort = QStringLiteral("Avalanche DESC");
    DateFinderMonths = 18;
    DateFinderPledgeMoney = 0;
    ImagePath = GetImagePath();
}

void TAppinfo::ExtractResources()
{
    makeFolder(GetAppDataFolder());
    for (const char *sub : {DataFolder, ImagesFolder, StylesFolder})
        makeFolder(GetFolder(QString::fromLatin1(sub)));
    ExtractResourceFile(QStringLiteral("STARTUP_DB"), GetDatabasePath(), false);
    for (int i = 1; i <= 6; ++i)
        ExtractResourceFile(QStringLiteral("STARTUP_IMAGE%1").arg(i),
                            GetFilePath(QString::fromLatin1(ImagesFolder), QStringLiteral("Image%1.png").arg(i)), false);
    ExtractResourceFile(QStringLiteral("STARTUP_CONFIG"), GetIniFilePath(), false);
    ExtractResourceFile(QStringLiteral("STARTUP_STYLE_LIGHT"), GetStylePath(tsLight), false);
    ExtractResourceFile(QStringLiteral("STARTUP_STYLE_DARK"), GetStylePath(tsDark), false);
}

void TAppinfo::ExtractResourceFile(const QString &resourceName, const QString &targetPath, bool overwrite)
{
    if (!overwrite && QFileInfo::exists(targetPath))
        return;
    QFile res(resourceRoot() + resourceName);
    if (!res.exists())
        throw EAppError(QStringLiteral("Resource not found: %1").arg(resourceName).toStdString());
    if (!res.open(QIODevice::ReadOnly))
        throw EAppError(QStringLiteral("Cannot read resource %1: %2").arg(resourceName, res.errorString()).toStdString());
    // Written under a temporary name and renamed when complete: a half-written
    // file would otherwise count as present on every later start.
    QSaveFile out(targetPath);
    if (!out.open(QIODevice::WriteOnly))
        throw EAppError(QStringLiteral("Cannot write %1: %2").arg(targetPath, out.errorString()).toStdString());
    out.write(res.readAll());
    if (!out.commit())
        throw EAppError(QStringLiteral("Cannot write %1: %2").arg(targetPath, out.errorString()).toStdString());
    QFile::setPermissions(targetPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TAppinfo::LoadConfigSettings(TConfigTarget &target)
{
    const IniFile ini(GetIniFilePath());
    if (!ini.exists())
        return;
    const QString form = QStringLiteral("Form");
    // The position fallbacks are those of a settings record nothing assigns.
    target.SetFormLeft(ini.readInteger(form, QStringLiteral("Left"), 0));
    target.SetFormTop(ini.readInteger(form, QStringLiteral("Top"), 0));
    target.SetFormHeight(ini.readInteger(form, QStringLiteral("Height"), 0));
    target.SetFormWidth(ini.readInteger(form, QStringLiteral("Width"), 0));
    target.SetMaximized(ini.readInteger(form, QStringLiteral("IntMax"), 0) != 0);

    const QString prefs = QStringLiteral("Preferences");
    SetThemeStyle(ini.readInteger(prefs, QStringLiteral("ThemeStyle"), 0) & 0xFF);
    SetMinPmtAllowed(ini.readInteger(prefs, QStringLiteral("MinPmtAllowed"), MinPmtAllowed));

    for (int c = 0; c < 4; ++c) {
        const auto col = TConfigTarget::Column(c);
        const int current = roundHalfEven(target.ColumnWidth(col));
        target.SetColumnWidth(col, ini.readInteger(QStringLiteral("Columns"), QString::fromLatin1(kColumnKeys[c]), current));
    }
}

void TAppinfo::SaveConfigSettings(const TConfigTarget &target)
{
    IniFile ini(GetIniFilePath());
    const QString form = QStringLiteral("Form");
    ini.writeInteger(form, QStringLiteral("DesktopWidth"), 0);
    if (target.IsNormalState()) {
        ini.writeInteger(form, QStringLiteral("Top"), target.FormTop());
        ini.writeInteger(form, QStringLiteral("Left"), target.FormLeft());
        ini.writeInteger(form, QStringLiteral("Height"), target.FormHeight());
        ini.writeInteger(form, QStringLiteral("Width"), target.FormWidth());
    }
    ini.writeInteger(form, QStringLiteral("IntMax"), target.IsMaximized() ? 1 : 0);
    const QString prefs = QStringLiteral("Preferences");
    ini.writeInteger(prefs, QStringLiteral("MinPmtAllowed"), MinPmtAllowed);
    ini.writeInteger(prefs, QStringLiteral("ThemeStyle"), GetThemeStyle() == tsDark ? 1 : 0);
    for (int c = 0; c < 4; ++c)
        ini.writeInteger(QStringLiteral("Columns"), QString::fromLatin1(kColumnKeys[c]),
                         roundHalfEven(target.ColumnWidth(TConfigTarget::Column(c))));
    ini.save();
}

int TAppinfo::GetMinPmtAllowed()
{
    switch (MinPmtAllowed) {
    case 15: case 20: case 25: case 30: case 35:
        return MinPmtAllowed;
    default:
        SetMinPmtAllowed(25);
        return 25;
    }
}

void TAppinfo::SetMinPmtAllowed(int value)
{
    switch (value) {
    case 15: case 20: case 30: case 35:
        MinPmtAllowed = value;
        break;
    default:
        MinPmtAllowed = 25;
    }
    if (OnMinPmtAllowedApplied)
        OnMinPmtAllowedApplied(MinPmtAllowed);
}

TkxThemeStyle TAppinfo::GetThemeStyle()
{
    return ThemeStyle == 1 ? tsDark : tsLight;
}

void TAppinfo::SetThemeStyle(int value)
{
    if (value != tsLight && value != tsDark)
        return;
    ThemeStyle = value;
    const auto style = TkxThemeStyle(value);
    if (OnThemeStyleApplied)
        OnThemeStyleApplied(style, GetStylePath(style));
}

std::uint32_t TAppinfo::GetThemeLabelColor()
{
    return GetThemeStyle() == tsDark ? 0xFFA9A9A9u : 0xFF696969u;
}
