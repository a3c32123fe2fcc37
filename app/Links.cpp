#include "app/Links.h"

#include "app/TAppinfo.h"

#include <QHash>

#include <string_view>

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20;
}

QString trimmed(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlankOrControl(s[b]))
        ++b;
    while (e > b && isBlankOrControl(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

const QHash<QString, QString> &HelpTopics()
{
    static const QHash<QString, QString> topics = {
        {QStringLiteral("edPlanName"), QStringLiteral("plan-name")},
        {QStringLiteral("dtStartMonth"), QStringLiteral("start-month")},
        {QStringLiteral("cbPayoffStrategy"), QStringLiteral("payoff-strategy")},
        {QStringLiteral("edPledgeMoney"), QStringLiteral("pledge-money")},
        {QStringLiteral("rbDeferred"), QStringLiteral("pledge-money")},
        {QStringLiteral("rbImmediate"), QStringLiteral("pledge-money")},
        {QStringLiteral("dtOneOffDate"), QStringLiteral("oneoff-date")},
        {QStringLiteral("nbOneOffAmount"), QStringLiteral("oneoff-amount")},
        {QStringLiteral("sgPayments"), QStringLiteral("one-offs")},
        {QStringLiteral("edDebtType"), QStringLiteral("debt-type")},
        {QStringLiteral("edCreditorName"), QStringLiteral("creditor-name")},
        {QStringLiteral("edAPR"), QStringLiteral("apr")},
        {QStringLiteral("edBalance"), QStringLiteral("balance")},
        {QStringLiteral("edPayment"), QStringLiteral("payment")},
    };
    return topics;
}

} // namespace

QString GetUtmSource()
{
    return QStringLiteral("orvessa_retail");
}

QString EncodeUrlText(const QString &AText)
{
    static const char hex[] = "0123456789ABCDEF";
    QString out;
    out.reserve(AText.size() * 3);
    // toUtf8 turns a surrogate pair into one four-byte character and a lone
    // surrogate into "?", so any input gives a well-formed address.
    const QByteArray utf8 = AText.toUtf8();
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
                          || (c != 0 && std::string_view("!$'()*-._@").find(char(c)) != std::string_view::npos);
        if (keep)
            out += QLatin1Char(char(c));
        else if (c == ' ')
            out += QLatin1Char('+');
        else {
            out += QLatin1Char('%');
            out += QLatin1Char(hex[c >> 4]);
            out += QLatin1Char(hex[c & 0xF]);
        }
    }
    return out;
}

QString EncodeMailText(const QString &AText)
{
    return EncodeUrlText(AText).replace(QLatin1Char('+'), QStringLiteral("%20"));
}

QString BuildTrackedUrl(const QString &AUrl, const QString &AContent)
{
    QString url = trimmed(AUrl);
    if (url.isEmpty())
        return QString();
    QString content = trimmed(AContent);
    if (content.isEmpty())
        content = QStringLiteral("unknown");
    QString fragment;
    const qsizetype hash = url.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        fragment = url.mid(hash);
        url.truncate(hash);
    }
    QString separator;
    if (!url.endsWith(QLatin1Char('?')) && !url.endsWith(QLatin1Char('&')))
        separator = url.contains(QLatin1Char('?')) ? QStringLiteral("&") : QStringLiteral("?");
    return url + separator + QStringLiteral("utm_source=") + EncodeUrlText(GetUtmSource())
           + QStringLiteral("&utm_medium=") + EncodeUrlText(QStringLiteral("software"))
           + QStringLiteral("&utm_campaign=") + EncodeUrlText(QStringLiteral("app_links"))
           + QStringLiteral("&utm_content=") + EncodeUrlText(content) + fragment;
}

QString SupportMailLink()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString subject = QStringLiteral("Orvessa Support");
    const QString body = QStringLiteral("Hello Talmaro,\r\n\r\nI need help with Orvessa.\r\n\r\n")
                         + QLatin1String(TAppinfo::VersionText) + crlf
                         + QStringLiteral("Purchase source: Microsoft Store / Talmaro / Not sure") + crlf
                         + QStringLiteral("What I was trying to do:") + crlf + QStringLiteral("What happened:") + crlf;
    return QStringLiteral("mailto:") + QLatin1String(kSupportAddress) + QStringLiteral("?subject=")
           + EncodeMailText(subject) + QStringLiteral("&body=") + EncodeMailText(body);
}

QString HelpTopicFor(const QString &controlName)
{
    return HelpTopics().value(controlName, QStringLiteral("general"));
}

QString HelpTopicUrl(const QString &controlName)
{
    return QLatin1String(TAppinfo::HelpBaseUrl) + QStringLiteral("help.php?topic=%1").arg(HelpTopicFor(controlName));
}
