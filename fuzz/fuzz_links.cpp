// Tracked links and URL encoding: any text gives a well-formed address that
// decodes back to the text, and the query lands before any fragment.
#include "app/Links.h"
#include "fuzz/FuzzText.h"

#include <QByteArray>

namespace {

bool isKept(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
           || QByteArrayView("!$'()*-._@").contains(c);
}

void checkEncoding(const QString &text)
{
    const QString url = EncodeUrlText(text);
    const QString mail = EncodeMailText(text);
    const QByteArray latin = url.toLatin1();
    FUZZ_CHECK(QString::fromLatin1(latin) == url);
    for (qsizetype i = 0; i < latin.size(); ++i) {
        const char c = latin[i];
        if (c == '%') {
            FUZZ_CHECK(i + 2 < latin.size());
            FUZZ_CHECK(QByteArrayView("0123456789ABCDEF").contains(latin[i + 1]));
            FUZZ_CHECK(QByteArrayView("0123456789ABCDEF").contains(latin[i + 2]));
            i += 2;
        } else {
            FUZZ_CHECK(c == '+' || isKept(c));
        }
    }
    QByteArray plus = latin;
    plus.replace('+', ' ');
    FUZZ_CHECK(QByteArray::fromPercentEncoding(plus) == text.toUtf8());
    FUZZ_CHECK(!mail.contains(QLatin1Char('+')) && !mail.contains(QLatin1Char(' ')));
    FUZZ_CHECK(QByteArray::fromPercentEncoding(mail.toLatin1()) == text.toUtf8());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString all = FuzzText(data, size);
    checkEncoding(all);

    // Address and tracking key split at the first unit separator, or halfway.
    qsizetype cut = all.indexOf(QChar(0x1F));
    if (cut < 0)
        cut = all.size() / 2;
    const QString address = all.left(cut);
    const QString content = all.mid(cut + 1);
    const QString tracked = BuildTrackedUrl(address, content);
    if (tracked.isEmpty()) {
        // Only an address of blanks and control characters gives nothing.
        for (QChar c : address)
            FUZZ_CHECK(c.unicode() <= 0x20);
        return 0;
    }
    FUZZ_CHECK(tracked.contains(QStringLiteral("utm_source=orvessa_retail&utm_medium=software&utm_campaign=app_links&utm_content=")));
    const qsizetype hash = tracked.indexOf(QLatin1Char('#'));
    const qsizetype query = tracked.indexOf(QStringLiteral("utm_source="));
    FUZZ_CHECK(hash < 0 || hash > query);
    FUZZ_CHECK(!SupportMailLink().isEmpty());
    return 0;
}
