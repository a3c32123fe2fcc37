// The "config.ini" reader: any file content reads without fault, integers
// come back only when they fit, and a written value reads back after saving.
#include "app/IniFile.h"
#include "fuzz/FuzzText.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

#include <unistd.h>

namespace {

QString scratch(const char *name)
{
    // Never destroyed, so the exit handler that removes the folder can still read it.
    static const QString *dir = [] {
        // Saving syncs to disk; a memory-backed folder keeps the runs fast.
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        auto *d = new QString(base + QStringLiteral("/orvessa-fuzz-ini-%1").arg(getpid()));
        QDir().mkpath(*d);
        std::atexit([] { QDir(*dir).removeRecursively(); });
        return d;
    }();
    return *dir + u'/' + QLatin1String(name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = scratch("config.ini");
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    IniFile ini(path);
    FUZZ_CHECK(ini.exists());

    // The keys the program reads.
    for (const char *key : {"Left", "Top", "Height", "Width", "IntMax"})
        ini.readInteger(QStringLiteral("Form"), QLatin1String(key), 0);
    for (const char *key : {"ThemeStyle", "MinPmtAllowed"})
        ini.readInteger(QStringLiteral("Preferences"), QLatin1String(key), 0);
    for (const char *key : {"Type", "Creditor", "Balance", "Payment"})
        ini.readInteger(QStringLiteral("Columns"), QLatin1String(key), 0);

    const QString text = FuzzText(data, size);
    if (const auto n = IniFile::parseInteger(text))
        FUZZ_CHECK(IniFile::parseInteger(QString::number(*n)) == n);

    // Whatever was there, a value written and saved reads back.
    const int value = int(size * 7919 % 100003) - 50000;
    ini.writeInteger(QStringLiteral("Columns"), QStringLiteral("Creditor"), value);
    ini.writeInteger(QStringLiteral("Form"), QStringLiteral("Width"), -value);
    FUZZ_CHECK(ini.readInteger(QStringLiteral("Columns"), QStringLiteral("Creditor"), value + 1) == value);
    const QString saved = scratch("saved.ini");
    QFile::remove(saved);
    QFile::copy(path, saved);
    {
        IniFile out(saved);
        out.writeInteger(QStringLiteral("Columns"), QStringLiteral("Creditor"), value);
        out.writeInteger(QStringLiteral("Form"), QStringLiteral("Width"), -value);
        out.save();
    }
    const IniFile back(saved);
    FUZZ_CHECK(back.readInteger(QStringLiteral("Columns"), QStringLiteral("Creditor"), value + 1) == value);
    FUZZ_CHECK(back.readInteger(QStringLiteral("Form"), QStringLiteral("Width"), value + 1) == -value);
    return 0;
}
