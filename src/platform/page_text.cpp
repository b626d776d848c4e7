#include "platform/page_text.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

#include "platform/qt_support.h"

namespace platform {

namespace {

// The character set a name declares, as a browser takes it: the GBK family is read as GB18030, its
// superset, so that no character of a GBK page is lost.
std::optional<QString> decodeAs(const QByteArray& body, QByteArray name) {
  name = name.trimmed().toLower();
  if (name.isEmpty()) return std::nullopt;
  if (name == "gb2312" || name == "gbk" || name == "x-gbk" || name == "cp936" || name == "windows-936" ||
      name == "gb_2312-80" || name == "euc-cn")
    name = "GB18030";
  QStringDecoder decoder(name.constData());
  if (!decoder.isValid()) return std::nullopt;
  return decoder.decode(body);
}

// The charset parameter of a Content-Type value ("text/html; charset=GBK").
QByteArray headerCharset(const QByteArray& contentType) {
  static const QRegularExpression pattern(QStringLiteral("charset\\s*=\\s*[\"']?([^\"'; ]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  const auto match = pattern.match(QString::fromLatin1(contentType));
  return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The charset a <meta> element of the page declares, in either of its two forms.
QByteArray metaCharset(const QByteArray& body) {
  static const QRegularExpression pattern(
      QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([A-Za-z0-9_.:-]+)"),
      QRegularExpression::CaseInsensitiveOption);
  const auto match = pattern.match(QString::fromLatin1(body.left(8192)));
  return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

// The page as text: by the charset of the HTTP header, else of the page's <meta>, else UTF-8 when
// the bytes are valid UTF-8, else GB18030. A character cut off at the end of the bytes is dropped.
QString decodePage(const QByteArray& body, const QByteArray& contentType) {
  if (auto text = decodeAs(body, headerCharset(contentType))) return *text;
  if (auto text = decodeAs(body, metaCharset(body))) return *text;
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return *decodeAs(body, "GB18030");
}

QString withCrLf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return text;
}

bool isBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Elements that stand on lines of their own, in sorted order.
bool isBlock(std::string_view name) {
  static constexpr std::string_view kBlocks[] = {
      "address", "article", "aside",  "blockquote", "body",    "caption", "center",   "dd",
      "details", "dialog",  "dir",    "div",        "dl",      "dt",      "fieldset", "figcaption",
      "figure",  "footer",  "form",   "h1",         "h2",      "h3",      "h4",       "h5",
      "h6",      "header",  "hgroup", "hr",         "html",    "legend",  "li",       "main",
      "menu",    "nav",     "ol",     "p",          "section", "summary", "table",    "tbody",
      "td",      "tfoot",   "th",     "thead",      "tr",      "ul"};
  static_assert(std::is_sorted(std::begin(kBlocks), std::end(kBlocks)));
  return std::binary_search(std::begin(kBlocks), std::end(kBlocks), name);
}

// Elements whose content is no text of the page: it is passed over up to the element's end tag.
bool isHidden(std::string_view name) {
  return name == "script" || name == "style" || name == "title" || name == "iframe" || name == "noembed" ||
         name == "noframes";
}

// Named character references: the common ones, and those a page may write without the semicolon.
struct Reference {
  std::u16string_view name;
  char16_t character;
};
constexpr Reference kReferences[] = {
    {u"amp", u'&'},      {u"lt", u'<'},       {u"gt", u'>'},       {u"quot", u'"'},     {u"apos", u'\''},
    {u"nbsp", 0x00A0},   {u"copy", 0x00A9},   {u"reg", 0x00AE},    {u"trade", 0x2122},  {u"hellip", 0x2026},
    {u"mdash", 0x2014},  {u"ndash", 0x2013},  {u"lsquo", 0x2018},  {u"rsquo", 0x2019},  {u"sbquo", 0x201A},
    {u"ldquo", 0x201C},  {u"rdquo", 0x201D},  {u"bdquo", 0x201E},  {u"middot", 0x00B7}, {u"bull", 0x2022},
    {u"laquo", 0x00AB},  {u"raquo", 0x00BB},  {u"lsaquo", 0x2039}, {u"rsaquo", 0x203A}, {u"times", 0x00D7},
    {u"divide", 0x00F7}, {u"deg", 0x00B0},    {u"plusmn", 0x00B1}, {u"micro", 0x00B5},  {u"yen", 0x00A5},
    {u"euro", 0x20AC},   {u"pound", 0x00A3},  {u"cent", 0x00A2},   {u"sect", 0x00A7},   {u"para", 0x00B6},
    {u"iexcl", 0x00A1},  {u"iquest", 0x00BF}, {u"shy", 0x00AD},    {u"ensp", 0x2002},   {u"emsp", 0x2003},
    {u"thinsp", 0x2009}, {u"zwnj", 0x200C},   {u"zwj", 0x200D},    {u"lrm", 0x200E},    {u"rlm", 0x200F},
    {u"larr", 0x2190},   {u"uarr", 0x2191},   {u"rarr", 0x2192},   {u"darr", 0x2193},   {u"harr", 0x2194},
    {u"le", 0x2264},     {u"ge", 0x2265},     {u"ne", 0x2260},     {u"infin", 0x221E},  {u"frac12", 0x00BD},
    {u"frac14", 0x00BC}, {u"frac34", 0x00BE}, {u"sup1", 0x00B9},   {u"sup2", 0x00B2},   {u"sup3", 0x00B3},
    {u"prime", 0x2032},  {u"Prime", 0x2033},  {u"permil", 0x2030}, {u"dagger", 0x2020}, {u"Dagger", 0x2021},
    {u"loz", 0x25CA},    {u"hearts", 0x2665}, {u"diams", 0x2666},  {u"spades", 0x2660}, {u"clubs", 0x2663},
    {u"star", 0x2606},   {u"check", 0x2713},
};

std::optional<char16_t> namedCharacter(std::u16string_view name) {
  for (const Reference& r : kReferences)
    if (r.name == name) return r.character;
  return std::nullopt;
}

bool legacyWithoutSemicolon(std::u16string_view name) {
  return name == u"amp" || name == u"lt" || name == u"gt" || name == u"quot" || name == u"nbsp" ||
         name == u"copy" || name == u"reg";
}

// One pass over the document: every character is looked at a bounded number of times, and nothing
// is kept per element, so that neither the size nor the nesting of a page costs more than its length.
class HtmlReader {
 public:
  explicit HtmlReader(const QString& html)
      : in_(reinterpret_cast<const char16_t*>(html.constData())), size_(html.size()) {}

  QString text() {
    // No more than two characters are written for one read: a character, and the blank or line break
    // held back before it by an earlier one.
    QString out(2 * size_ + 1, Qt::Uninitialized);
    out_ = reinterpret_cast<char16_t*>(out.data());
    while (i_ < size_) {
      const char16_t c = in_[i_];
      if (c == u'<') {
        readMarkup();
      } else if (c == u'&') {
        readReference();
      } else {
        ++i_;
        character(c);
      }
    }
    out.truncate(written_);
    return out;
  }

 private:
  char16_t at(qsizetype i) const { return i < size_ ? in_[i] : u'\0'; }

  // The index just past the next `what` from i, or the end of the document.
  qsizetype past(char16_t what, qsizetype i) const {
    while (i < size_ && in_[i] != what) ++i;
    return std::min(i + 1, size_);
  }

  // A character of the text, as the page shows it.
  void character(char16_t c) {
    if (pre_ > 0) {
      if (c == u'\r') {
        if (at(i_) == u'\n') ++i_;
        c = u'\n';
      }
      if (c == u'\n')
        lineBreak();
      else
        put(c);
    } else if (isBlank(c)) {
      if (lineHasText_) pendingBlank_ = true;
    } else {
      put(c);
    }
  }

  void put(char16_t c) {
    if (pendingBreak_)
      out_[written_++] = u'\n';
    else if (pendingBlank_)
      out_[written_++] = u' ';
    pendingBreak_ = pendingBlank_ = false;
    out_[written_++] = c == 0x00A0 ? u' ' : c;
    lineHasText_ = true;
  }

  // The start or end of a block: what follows starts a new line, unless the line is still empty.
  void blockBoundary() {
    if (lineHasText_) pendingBreak_ = true;
    lineHasText_ = pendingBlank_ = false;
  }

  void lineBreak() {
    if (pendingBreak_) out_[written_++] = u'\n';
    out_[written_++] = u'\n';
    pendingBreak_ = pendingBlank_ = lineHasText_ = false;
  }

  void readMarkup() {
    const char16_t next = at(i_ + 1);
    if (next == u'!') {
      if (at(i_ + 2) == u'-' && at(i_ + 3) == u'-') {
        // "<!-->" and "<!--->" are empty comments.
        qsizetype end = i_ + 4;
        if (at(end) == u'-') ++end;
        if (at(end) != u'>') {
          end = i_ + 4;
          while (end < size_ && !(in_[end] == u'>' && in_[end - 1] == u'-' && in_[end - 2] == u'-')) ++end;
        }
        i_ = std::min(end + 1, size_);
      } else {
        i_ = past(u'>', i_);
      }
      return;
    }
    if (next == u'?') {
      i_ = past(u'>', i_);
      return;
    }
    const bool endTag = next == u'/';
    qsizetype j = i_ + (endTag ? 2 : 1);
    if (!isAsciiLetter(at(j))) {
      if (endTag) {
        i_ = past(u'>', i_);
      } else {
        ++i_;
        character(u'<');
      }
      return;
    }
    // The name in lower case; a longer one than any known is cut, and so known to none.
    char name[12];
    std::size_t length = 0;
    for (; j < size_ && !isBlank(in_[j]) && in_[j] != u'/' && in_[j] != u'>'; ++j)
      if (length < sizeof name) name[length++] = static_cast<char>(in_[j] < 0x80 ? in_[j] | 0x20 : 0);
    // The attributes, up to the '>' that stands outside a quoted value.
    while (j < size_ && in_[j] != u'>') {
      if (in_[j] != u'=') {
        ++j;
        continue;
      }
      ++j;
      while (j < size_ && isBlank(in_[j])) ++j;
      if (at(j) == u'"' || at(j) == u'\'') j = past(in_[j], j + 1);
    }
    i_ = std::min(j + 1, size_);
    element(std::string_view(name, length), endTag);
  }

  void element(std::string_view name, bool endTag) {
    if (name == "br") {
      lineBreak();
    } else if (name == "pre" || name == "listing") {
      blockBoundary();
      if (endTag) {
        pre_ = std::max(0, pre_ - 1);
      } else {
        ++pre_;
        // A line break right after the start tag is not part of the text.
        if (at(i_) == u'\r') ++i_;
        if (at(i_) == u'\n') ++i_;
      }
    } else if (isBlock(name)) {
      blockBoundary();
    } else if (!endTag && isHidden(name)) {
      skipTo(name);
    }
  }

  // Passes over the content of an element whose text is not shown, up to and past its end tag.
  void skipTo(std::string_view name) {
    const auto size = static_cast<qsizetype>(name.size());
    for (qsizetype k = i_; k + 1 < size_; ++k) {
      if (in_[k] != u'<' || in_[k + 1] != u'/') continue;
      bool same = true;
      for (qsizetype n = 0; n < size && same; ++n) {
        const char16_t c = at(k + 2 + n);
        same = c < 0x80 && static_cast<char>(c | 0x20) == name[static_cast<std::size_t>(n)];
      }
      const char16_t after = at(k + 2 + size);
      if (same && (after == u'\0' || isBlank(after) || after == u'/' || after == u'>')) {
        i_ = past(u'>', k + 2 + size);
        return;
      }
    }
    i_ = size_;
  }

  void readReference() {
    qsizetype j = i_ + 1;
    if (at(j) == u'#') {
      ++j;
      const bool hex = at(j) == u'x' || at(j) == u'X';
      if (hex) ++j;
      const qsizetype digits = j;
      char32_t value = 0;
      for (;; ++j) {
        const char16_t c = at(j);
        const char16_t lower = c | 0x20;
        char32_t digit;
        if (isAsciiDigit(c))
          digit = c - u'0';
        else if (hex && lower >= u'a' && lower <= u'f')
          digit = lower - u'a' + 10;
        else
          break;
        value = std::min<char32_t>(value * (hex ? 16 : 10) + digit, 0x110000);
      }
      if (j == digits) {
        ++i_;
        character(u'&');
        return;
      }
      if (at(j) == u';') ++j;
      i_ = j;
      if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) value = 0xFFFD;
      for (const char16_t c : QChar::fromUcs4(value)) character(c);
      return;
    }
    while (j < size_ && j - i_ <= 32 && (isAsciiLetter(in_[j]) || isAsciiDigit(in_[j]))) ++j;
    const std::u16string_view name(in_ + i_ + 1, static_cast<std::size_t>(j - i_ - 1));
    const auto decoded = namedCharacter(name);
    if (decoded && (at(j) == u';' || legacyWithoutSemicolon(name))) {
      i_ = at(j) == u';' ? j + 1 : j;
      character(*decoded);
      return;
    }
    ++i_;
    character(u'&');
  }

  const char16_t* in_;
  qsizetype size_;
  qsizetype i_ = 0;
  char16_t* out_ = nullptr;
  qsizetype written_ = 0;
  bool lineHasText_ = false;   // the current line holds text
  bool pendingBlank_ = false;  // a blank goes before the next text on this line
  bool pendingBreak_ = false;  // the next text starts a new line
  int pre_ = 0;                // depth of <pre> elements: blanks and line breaks are kept
};

}  // namespace

QString htmlText(const QString& html) {
  return HtmlReader(html).text();
}

std::string pageText(const QByteArray& body, const QByteArray& contentType) {
  const QString text = decodePage(body.left(kLargestPageText), contentType);
  if (contentType.trimmed().toLower().startsWith("text/plain")) return ss(withCrLf(text));
  return ss(withCrLf(htmlText(text)));
}

}  // namespace platform
