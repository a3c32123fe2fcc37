#pragma once
// Process-wide settings and shared state: the data folder and its shipped
// files, "config.ini", the current plan id, the modified flag, the debt sort
// clause, the minimum payment allowed and the theme. No widgets here: the main
// window registers hooks for what must show on screen.

#include <QString>

#include <cstdint>
#include <functional>
#include <stdexcept>

enum TkxThemeStyle : int { tsLight = 0, tsDark = 1 };

class EAppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What "config.ini" reads from and writes to: the main window and its debts grid.
class TConfigTarget {
public:
    enum Column { colType, colCreditor, colBalance, colPayment };
    virtual ~TConfigTarget() = default;
    virtual void SetFormLeft(int) = 0;
    virtual void SetFormTop(int) = 0;
    virtual void SetFormHeight(int) = 0;
    virtual void SetFormWidth(int) = 0;
    virtual void SetMaximized(bool) = 0;
    virtual bool IsMaximized() const = 0;
    // Neither maximised nor minimised.
    virtual bool IsNormalState() const = 0;
    virtual int FormTop() const = 0;
    virtual int FormLeft() const = 0;
    virtual int FormHeight() const = 0;
    virtual int FormWidth() const = 0;
    virtual double ColumnWidth(Column) const = 0;
    virtual void SetColumnWidth(Column, int) = 0;
};

class TAppinfo {
public:
    static constexpr const char *ProductName = "Orvessa";
    static constexpr const char *VersionText = "Version 35.6";
    static constexpr const char *MakerFolder = "Talmaro";
    static constexpr const char *ProductFolder = "Orvessa";
    static constexpr const char *DataFolder = "Data";
    static constexpr const char *ImagesFolder = "Images";
    static constexpr const char *StylesFolder = "Styles";
    static constexpr const char *DatabaseFile = "Orvessa.db";
    static constexpr const char *IniFileName = "config.ini";
    static constexpr const char *MutexName = "Talmaro.Orvessa";
    static constexpr const char *HelpBaseUrl = "https://help.talmaro.example/orvessa/";
    static constexpr const char *WebSiteUrl = "https://www.talmaro.example/orvessa/";

    static void Initialize();
    static void ExtractResources();
    static void ExtractResourceFile(const QString &resourceName, const QString &targetPath, bool overwrite);

    static QString GetAppDataFolder();
    // The data folder's path without creating anything.
    static QString AppDataFolderPath();
    static QString GetFolder(const QString &folderName);
    static QString GetFilePath(const QString &fileName);
    static QString GetFilePath(const QString &folderName, const QString &fileName);
    static QString GetIniFilePath();
    static QString GetDatabasePath();
    static QString GetImagePath();
    static QString GetStylePath(TkxThemeStyle style);

    static void LoadConfigSettings(TConfigTarget &target);
    static void SaveConfigSettings(const TConfigTarget &target);

    static int GetMinPmtAllowed();
    static void SetMinPmtAllowed(int value);
    static bool GetPlanModified() { return PlanModified; }
    static void SetPlanModified(bool value) { PlanModified = value; }
    static int GetPlanId() { return PlanId; }
    static void SetPlanId(int value) { PlanId = value; }
    static QString GetPlanSort() { return PlanSort; }
    static void SetPlanSort(const QString &value) { PlanSort = value; }
    static TkxThemeStyle GetThemeStyle();
    static void SetThemeStyle(int value);
    static std::uint32_t GetThemeLabelColor();

    static inline QString DatabasePath;
    static inline QString ImagePath;
    static inline QString NoticeText;
    static inline int PlanId = 0;
    static inline bool PlanModified = false;
    static inline QString PlanSort;
    static inline int MinPmtAllowed = 0;
    static inline int ThemeStyle = tsLight;
    static inline int DateFinderMonths = 0;
    static inline double DateFinderPledgeMoney = 0;

    // Set by the main window: check the menu's radio item for the amount.
    static inline std::function<void(int)> OnMinPmtAllowedApplied;
    // Set by the main window: apply the style file and check the menu item.
    static inline std::function<void(TkxThemeStyle, const QString &stylePath)> OnThemeStyleApplied;
};
