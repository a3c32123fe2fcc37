#pragma once
// Outside addresses: the tracked web links opened from menus and the about
// box, the help pages behind F1, and the support mail. Text only; opening is
// done by OpenURL in the UI library.

#include <QString>

// Endpoints beside the help and product sites of TAppinfo.
inline constexpr const char *kVideoChannelUrl = "https://www.youtube.com/@talmaro-orvessa";
inline constexpr const char *kDateFinderVideoUrl = "https://www.youtube.com/watch?v=orvessa-date-finder";
inline constexpr const char *kSupportAddress = "support@talmaro.example";

QString GetUtmSource();

// AUrl with the tracking query (source, medium, campaign, content = AContent
// or "unknown") inserted before any fragment; "" for a blank address.
QString BuildTrackedUrl(const QString &AUrl, const QString &AContent);

// Letters, digits, ! $ ' ( ) * - . _ @ stay; blank -> "+"; everything else is
// UTF-8 percent-encoded with upper-case hex.
QString EncodeUrlText(const QString &AText);

// As EncodeUrlText, but blanks become %20, which every mail client reads.
QString EncodeMailText(const QString &AText);

// The mailto: link of a new support message with subject and body filled in.
QString SupportMailLink();

// The help topic of a control's name; "general" for names without a page.
QString HelpTopicFor(const QString &controlName);

// The help page of a control; "unknown" stands for no control.
QString HelpTopicUrl(const QString &controlName);
