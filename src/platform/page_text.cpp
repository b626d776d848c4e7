#include "platform/page_text.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <array>
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

// Named character references: the 252 of HTML 4.01 and three more that pages use.
struct Reference {
  std::u16string_view name;
  char16_t character;
};
constexpr Reference kReferences[] = {
    // Latin-1: U+00A0 to U+00FF.
    {u"nbsp", 0x00A0},
    {u"iexcl", 0x00A1},
    {u"cent", 0x00A2},
    {u"pound", 0x00A3},
    {u"curren", 0x00A4},
    {u"yen", 0x00A5},
    {u"brvbar", 0x00A6},
    {u"sect", 0x00A7},
    {u"uml", 0x00A8},
    {u"copy", 0x00A9},
    {u"ordf", 0x00AA},
    {u"laquo", 0x00AB},
    {u"not", 0x00AC},
    {u"shy", 0x00AD},
    {u"reg", 0x00AE},
    {u"macr", 0x00AF},
    {u"deg", 0x00B0},
    {u"plusmn", 0x00B1},
    {u"sup2", 0x00B2},
    {u"sup3", 0x00B3},
    {u"acute", 0x00B4},
    {u"micro", 0x00B5},
    {u"para", 0x00B6},
    {u"middot", 0x00B7},
    {u"cedil", 0x00B8},
    {u"sup1", 0x00B9},
    {u"ordm", 0x00BA},
    {u"raquo", 0x00BB},
    {u"frac14", 0x00BC},
    {u"frac12", 0x00BD},
    {u"frac34", 0x00BE},
    {u"iquest", 0x00BF},
    {u"Agrave", 0x00C0},
    {u"Aacute", 0x00C1},
    {u"Acirc", 0x00C2},
    {u"Atilde", 0x00C3},
    {u"Auml", 0x00C4},
    {u"Aring", 0x00C5},
    {u"AElig", 0x00C6},
    {u"Ccedil", 0x00C7},
    {u"Egrave", 0x00C8},
    {u"Eacute", 0x00C9},
    {u"Ecirc", 0x00CA},
    {u"Euml", 0x00CB},
    {u"Igrave", 0x00CC},
    {u"Iacute", 0x00CD},
    {u"Icirc", 0x00CE},
    {u"Iuml", 0x00CF},
    {u"ETH", 0x00D0},
    {u"Ntilde", 0x00D1},
    {u"Ograve", 0x00D2},
    {u"Oacute", 0x00D3},
    {u"Ocirc", 0x00D4},
    {u"Otilde", 0x00D5},
    {u"Ouml", 0x00D6},
    {u"times", 0x00D7},
    {u"Oslash", 0x00D8},
    {u"Ugrave", 0x00D9},
    {u"Uacute", 0x00DA},
    {u"Ucirc", 0x00DB},
    {u"Uuml", 0x00DC},
    {u"Yacute", 0x00DD},
    {u"THORN", 0x00DE},
    {u"szlig", 0x00DF},
    {u"agrave", 0x00E0},
    {u"aacute", 0x00E1},
    {u"acirc", 0x00E2},
    {u"atilde", 0x00E3},
    {u"auml", 0x00E4},
    {u"aring", 0x00E5},
    {u"aelig", 0x00E6},
    {u"ccedil", 0x00E7},
    {u"egrave", 0x00E8},
    {u"eacute", 0x00E9},
    {u"ecirc", 0x00EA},
    {u"euml", 0x00EB},
    {u"igrave", 0x00EC},
    {u"iacute", 0x00ED},
    {u"icirc", 0x00EE},
    {u"iuml", 0x00EF},
    {u"eth", 0x00F0},
    {u"ntilde", 0x00F1},
    {u"ograve", 0x00F2},
    {u"oacute", 0x00F3},
    {u"ocirc", 0x00F4},
    {u"otilde", 0x00F5},
    {u"ouml", 0x00F6},
    {u"divide", 0x00F7},
    {u"oslash", 0x00F8},
    {u"ugrave", 0x00F9},
    {u"uacute", 0x00FA},
    {u"ucirc", 0x00FB},
    {u"uuml", 0x00FC},
    {u"yacute", 0x00FD},
    {u"thorn", 0x00FE},
    {u"yuml", 0x00FF},
    // Symbols: Latin, Greek, punctuation, letter-like, arrows, mathematics, technical and others.
    {u"fnof", 0x0192},
    {u"Alpha", 0x0391},
    {u"Beta", 0x0392},
    {u"Gamma", 0x0393},
    {u"Delta", 0x0394},
    {u"Epsilon", 0x0395},
    {u"Zeta", 0x0396},
    {u"Eta", 0x0397},
    {u"Theta", 0x0398},
    {u"Iota", 0x0399},
    {u"Kappa", 0x039A},
    {u"Lambda", 0x039B},
    {u"Mu", 0x039C},
    {u"Nu", 0x039D},
    {u"Xi", 0x039E},
    {u"Omicron", 0x039F},
    {u"Pi", 0x03A0},
    {u"Rho", 0x03A1},
    {u"Sigma", 0x03A3},
    {u"Tau", 0x03A4},
    {u"Upsilon", 0x03A5},
    {u"Phi", 0x03A6},
    {u"Chi", 0x03A7},
    {u"Psi", 0x03A8},
    {u"Omega", 0x03A9},
    {u"alpha", 0x03B1},
    {u"beta", 0x03B2},
    {u"gamma", 0x03B3},
    {u"delta", 0x03B4},
    {u"epsilon", 0x03B5},
    {u"zeta", 0x03B6},
    {u"eta", 0x03B7},
    {u"theta", 0x03B8},
    {u"iota", 0x03B9},
    {u"kappa", 0x03BA},
    {u"lambda", 0x03BB},
    {u"mu", 0x03BC},
    {u"nu", 0x03BD},
    {u"xi", 0x03BE},
    {u"omicron", 0x03BF},
    {u"pi", 0x03C0},
    {u"rho", 0x03C1},
    {u"sigmaf", 0x03C2},
    {u"sigma", 0x03C3},
    {u"tau", 0x03C4},
    {u"upsilon", 0x03C5},
    {u"phi", 0x03C6},
    {u"chi", 0x03C7},
    {u"psi", 0x03C8},
    {u"omega", 0x03C9},
    {u"thetasym", 0x03D1},
    {u"upsih", 0x03D2},
    {u"piv", 0x03D6},
    {u"bull", 0x2022},
    {u"hellip", 0x2026},
    {u"prime", 0x2032},
    {u"Prime", 0x2033},
    {u"oline", 0x203E},
    {u"frasl", 0x2044},
    {u"weierp", 0x2118},
    {u"image", 0x2111},
    {u"real", 0x211C},
    {u"trade", 0x2122},
    {u"alefsym", 0x2135},
    {u"larr", 0x2190},
    {u"uarr", 0x2191},
    {u"rarr", 0x2192},
    {u"darr", 0x2193},
    {u"harr", 0x2194},
    {u"crarr", 0x21B5},
    {u"lArr", 0x21D0},
    {u"uArr", 0x21D1},
    {u"rArr", 0x21D2},
    {u"dArr", 0x21D3},
    {u"hArr", 0x21D4},
    {u"forall", 0x2200},
    {u"part", 0x2202},
    {u"exist", 0x2203},
    {u"empty", 0x2205},
    {u"nabla", 0x2207},
    {u"isin", 0x2208},
    {u"notin", 0x2209},
    {u"ni", 0x220B},
    {u"prod", 0x220F},
    {u"sum", 0x2211},
    {u"minus", 0x2212},
    {u"lowast", 0x2217},
    {u"radic", 0x221A},
    {u"prop", 0x221D},
    {u"infin", 0x221E},
    {u"ang", 0x2220},
    {u"and", 0x2227},
    {u"or", 0x2228},
    {u"cap", 0x2229},
    {u"cup", 0x222A},
    {u"int", 0x222B},
    {u"there4", 0x2234},
    {u"sim", 0x223C},
    {u"cong", 0x2245},
    {u"asymp", 0x2248},
    {u"ne", 0x2260},
    {u"equiv", 0x2261},
    {u"le", 0x2264},
    {u"ge", 0x2265},
    {u"sub", 0x2282},
    {u"sup", 0x2283},
    {u"nsub", 0x2284},
    {u"sube", 0x2286},
    {u"supe", 0x2287},
    {u"oplus", 0x2295},
    {u"otimes", 0x2297},
    {u"perp", 0x22A5},
    {u"sdot", 0x22C5},
    {u"lceil", 0x2308},
    {u"rceil", 0x2309},
    {u"lfloor", 0x230A},
    {u"rfloor", 0x230B},
    // The angle brackets as browsers show them now, not the older U+2329 and U+232A.
    {u"lang", 0x27E8},
    {u"rang", 0x27E9},
    {u"loz", 0x25CA},
    {u"spades", 0x2660},
    {u"clubs", 0x2663},
    {u"hearts", 0x2665},
    {u"diams", 0x2666},
    // Markup-significant and internationalisation characters.
    {u"quot", 0x0022},
    {u"amp", 0x0026},
    {u"lt", 0x003C},
    {u"gt", 0x003E},
    {u"OElig", 0x0152},
    {u"oelig", 0x0153},
    {u"Scaron", 0x0160},
    {u"scaron", 0x0161},
    {u"Yuml", 0x0178},
    {u"circ", 0x02C6},
    {u"tilde", 0x02DC},
    {u"ensp", 0x2002},
    {u"emsp", 0x2003},
    {u"thinsp", 0x2009},
    {u"zwnj", 0x200C},
    {u"zwj", 0x200D},
    {u"lrm", 0x200E},
    {u"rlm", 0x200F},
    {u"ndash", 0x2013},
    {u"mdash", 0x2014},
    {u"lsquo", 0x2018},
    {u"rsquo", 0x2019},
    {u"sbquo", 0x201A},
    {u"ldquo", 0x201C},
    {u"rdquo", 0x201D},
    {u"bdquo", 0x201E},
    {u"dagger", 0x2020},
    {u"Dagger", 0x2021},
    {u"permil", 0x2030},
    {u"lsaquo", 0x2039},
    {u"rsaquo", 0x203A},
    {u"euro", 0x20AC},
    // Not in HTML 4.01, yet common.
    {u"apos", u'\''},
    {u"star", 0x2606},
    {u"check", 0x2713},
};
static_assert(std::size(kReferences) == 252 + 3);

// The references sorted by name (letter case counts), for a binary search.
constexpr auto kSortedReferences = [] {
  std::array<Reference, std::size(kReferences)> sorted{};
  std::copy(std::begin(kReferences), std::end(kReferences), sorted.begin());
  std::sort(sorted.begin(), sorted.end(),
            [](const Reference& a, const Reference& b) { return a.name < b.name; });
  return sorted;
}();
static_assert(std::adjacent_find(kSortedReferences.begin(), kSortedReferences.end(),
                                 [](const Reference& a, const Reference& b) { return a.name == b.name; }) ==
              kSortedReferences.end());

std::optional<char16_t> namedCharacter(std::u16string_view name) {
  const auto found = std::lower_bound(kSortedReferences.begin(), kSortedReferences.end(), name,
                                      [](const Reference& r, std::u16string_view n) { return r.name < n; });
  if (found == kSortedReferences.end() || found->name != name) return std::nullopt;
  return found->character;
}

// Browsers also take the Latin-1 references, and those of &, <, > and ", without their semicolon.
bool legacyWithoutSemicolon(char16_t character) {
  return (character >= 0x00A0 && character <= 0x00FF) || character == u'&' || character == u'<' ||
         character == u'>' || character == u'"';
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
    if (decoded && (at(j) == u';' || legacyWithoutSemicolon(*decoded))) {
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
