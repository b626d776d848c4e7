// The text a fetched web page shows: its bytes decoded by the character set it declares, and an HTML
// page read without its markup. Nothing the page names (style sheets, pictures, frames) is loaded, and
// the work is linear in the size of the page.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace platform {

// Only this much of a page is read as its text: a news page is far smaller, and a larger one would
// hold the program's only thread too long.
constexpr qsizetype kLargestPageText = 256 * 1024;

// The text the page's body shows, lines ended with CR LF: an HTML page without its markup, a page
// declared as plain text as it is. Only the first kLargestPageText bytes count.
std::string pageText(const QByteArray& body, const QByteArray& contentType);

// The text an HTML document shows, lines ended with LF: tags and comments dropped, the content of
// script, style and title dropped, a line break between blocks and for <br>, blanks collapsed outside
// <pre>, character references decoded.
QString htmlText(const QString& html);

}  // namespace platform
