// Web pages: the browser control on the scripted desktop, and the real backend fetching pages from a
// small HTTP server on 127.0.0.1 that the test runs: character sets, HTML turned into the text the
// page shows, failures that still complete (a compressed answer among them), loads that end with their
// window, hostile pages that end in bounded time reading nothing else, and the connection test.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "platform/page_text.h"
#include "platform/real_desktop.h"
#include "platform/scripted_desktop.h"
#include "platform/web_browser.h"
#include "support/build_speed.h"
#include "support/fifo_watch.h"
#include "support/page_server.h"
#include "support/test_program.h"
#include "support/window_beat.h"

namespace {

using testing_support::FifoWatch;
using testing_support::Gbk;
using testing_support::PageServer;

// A window holding a browser, as the settings entrance does.
class BrowserWindow : public platform::Form {
 public:
  explicit BrowserWindow(platform::Desktop& d) : platform::Form(d, "BrowserWindow") {
    WebBrowser1.DocumentComplete = [this](const std::string& url) {
      completed.push_back(url + " -> " + WebBrowser1.BodyText());
    };
  }
  platform::WebBrowser WebBrowser1{*this, "WebBrowser1"};
  std::vector<std::string> completed;
};

// Loads the address with the real backend and waits for the completion; nothing when none came.
std::optional<std::string> Fetch(platform::Desktop& desktop, const std::string& address) {
  auto loader = desktop.createPageLoader();
  std::optional<std::string> text;
  QEventLoop loop;
  loader->completed = [&](const std::string& url, const std::string& body) {
    EXPECT_EQ(url, address);
    text = body;
    loop.quit();
  };
  loader->navigate(address);
  EXPECT_FALSE(text) << "completion comes later, never from inside navigate";
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  return text;
}

// A load that ran beside others: the text it completed with, and when.
struct Load {
  std::string address;
  std::optional<std::string> text;
  qint64 endedAfterMs = -1;
};

// The longest the program's thread may be held: a window must never seem frozen.
constexpr qint64 kLongestStallMs = 100;

// Loads the addresses at once with the real backend and waits up to 15 s for them all. The longest
// time the program's thread was held from its timers on the way is told in `longestStallMs`.
std::vector<Load> FetchAll(platform::Desktop& desktop, const std::vector<std::string>& addresses,
                           qint64& longestStallMs) {
  std::vector<Load> loads;
  std::vector<std::unique_ptr<platform::PageLoader>> loaders;
  for (const std::string& address : addresses) loads.push_back({address, std::nullopt, -1});
  QElapsedTimer clock;
  clock.start();
  testing_support::WindowBeat beat;
  for (Load& load : loads) {
    loaders.push_back(desktop.createPageLoader());
    loaders.back()->completed = [&load, &clock](const std::string&, const std::string& body) {
      load.text = body;
      load.endedAfterMs = clock.elapsed();
    };
    loaders.back()->navigate(load.address);
  }
  const auto allEnded = [&] {
    return std::all_of(loads.begin(), loads.end(), [](const Load& l) { return l.text.has_value(); });
  };
  while (!allEnded() && clock.elapsed() < 15000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  longestStallMs = beat.longestHeldMs();
  return loads;
}

}  // namespace

TEST(WebPage, TheScriptedBrowserCompletesEachLoadLaterWithThePageOrEmpty) {
  testing_support::TempFolder folder, locks;
  platform::ScriptedDesktop desktop("Tallamo", folder.str(), locks.str());
  BrowserWindow window(desktop);
  desktop.servePage("https://example.org/news", "[*版本号*]4.0.3[*更新日期*]");
  window.Show();

  window.WebBrowser1.Navigate("https://example.org/news");
  EXPECT_TRUE(window.completed.empty()) << "the window goes on while the page loads";
  desktop.advance(desktop.pageDelay());
  EXPECT_EQ(window.completed,
            (std::vector<std::string>{"https://example.org/news -> [*版本号*]4.0.3[*更新日期*]"}));

  // A failure completes all the same, with the empty text.
  window.WebBrowser1.Navigate("https://unreachable.example.org/");
  desktop.advance(desktop.pageDelay());
  EXPECT_EQ(window.completed.back(), "https://unreachable.example.org/ -> ");

  // A new load abandons the one before; a load still running ends with its window.
  window.WebBrowser1.Navigate("https://example.org/news");
  window.WebBrowser1.Navigate("https://unreachable.example.org/");
  desktop.advance(desktop.pageDelay() * 3);
  EXPECT_EQ(window.completed.size(), 3u);
  window.WebBrowser1.Navigate("https://example.org/news");
  window.Unload();
  desktop.advance(desktop.pageDelay() * 3);
  EXPECT_EQ(window.completed.size(), 3u);
  EXPECT_EQ(desktop.navigations().size(), 5u);
  EXPECT_EQ(desktop.runningTimers(), 0);
}

TEST(WebPage, TheRealBackendReadsPagesByTheirCharacterSetAsTheTextTheyShow) {
  PageServer server;
  const char* markers = "[*Tallamo最新动态*]决赛直播[*发布日期*]2024-05-01[*版本号*]4.1.0[*更新日期*]";
  const QByteArray html = QByteArray(
                              "<html><head><title>标题不算</title><style>p{color:red}</style>"
                              "<script>var x = '脚本不算';</script>") +
                          "</head><body><p>" + markers + "</p><p>第二段<br>第三行&amp;更多</p></body></html>";
  const QByteArray htmlGbkMeta =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
      "</head><body>" +
      Gbk(markers) + "</body></html>";
  server.serve("/utf8", {"200 OK", "text/html; charset=utf-8", html});
  server.serve("/gbk-header", {"200 OK", "text/html; charset=GBK", Gbk(html.constData())});
  server.serve("/gbk-meta", {"200 OK", "text/html", htmlGbkMeta});
  server.serve("/gbk-undeclared", {"200 OK", "text/html", Gbk(html.constData())});
  server.serve("/utf8-undeclared", {"200 OK", "", html});
  server.serve("/plain",
               {"200 OK", "text/plain; charset=utf-8", "第一行\n第二行\r\n<b>不是标记</b>\r第四行"});
  server.serve("/error", {"500 Internal Server Error", "text/html", "<p>[*版本号*]9.9.9[*更新日期*]</p>"});

  testing_support::TempFolder folder;
  setenv("TALLAMO_PROGRAM_FOLDER", folder.str().c_str(), 1);
  platform::RealDesktop desktop("Tallamo");
  unsetenv("TALLAMO_PROGRAM_FOLDER");

  const std::string shown = std::string(markers) + "\r\n第二段\r\n第三行&更多";
  for (const char* path : {"/utf8", "/gbk-header", "/gbk-undeclared", "/utf8-undeclared"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(Fetch(desktop, server.address(path)), shown);
  }
  EXPECT_EQ(Fetch(desktop, server.address("/gbk-meta")), markers);
  EXPECT_EQ(Fetch(desktop, server.address("/plain")), "第一行\r\n第二行\r\n<b>不是标记</b>\r\n第四行");

  // Failures complete with the empty text: an error status, a missing page, a server that is gone,
  // and addresses that are not fetched at all.
  std::string gone;
  {
    PageServer closed;
    gone = closed.address("/");
  }
  for (const std::string& address :
       {server.address("/error"), server.address("/missing"), gone, std::string("file:///etc/hostname"),
        std::string(""), std::string("not an address")}) {
    SCOPED_TRACE(address);
    EXPECT_EQ(Fetch(desktop, address), "");
  }
}

TEST(WebPage, ARealLoadEndsWithItsLoaderAndReportsNothing) {
  PageServer server;
  server.serve("/slow", {"200 OK", "text/plain", "never read"});
  testing_support::TempFolder folder;
  setenv("TALLAMO_PROGRAM_FOLDER", folder.str().c_str(), 1);
  platform::RealDesktop desktop("Tallamo");
  unsetenv("TALLAMO_PROGRAM_FOLDER");

  bool reported = false;
  {
    auto loader = desktop.createPageLoader();
    loader->completed = [&](const std::string&, const std::string&) { reported = true; };
    loader->navigate(server.address("/slow"));
    loader->navigate("not an address");
  }
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 500) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_FALSE(reported);
}

TEST(WebPage, HtmlReadsAsTheTextItShowsInOnePassLoadingNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"<p>a</p>\n\n<p>b</p><div>c<div>d</div>e</div>", "a\r\nb\r\nc\r\nd\r\ne"},
      {"  lead \t\n <b>bold</b>  <i>x</i>y  \r\n", "lead bold xy"},
      {"<p>a<br><br>b</p><br>c", "a\r\n\r\nb\r\n\r\nc"},
      {"<table><tr><td>1</td><td>2</td></tr></table><ul><li>one<li>two</ul>", "1\r\n2\r\none\r\ntwo"},
      {"<pre>\n x  y\r\n  z</pre>after", " x  y\r\n  z\r\nafter"},
      {"&lt;b&gt;&amp;&quot;&nbsp;&#x4E2D;&#25991;&copy;&amp &unknown; &#0;&#xD800;&#99999999;",
       "<b>&\" 中文©& &unknown; \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"x<!-- <p>hidden</p> -->y<!DOCTYPE html><?xml?>z", "xyz"},
      {"<title>t</title><STYLE>p{}</style ><script>if (a<b) '</p>'</SCRIPT>shown", "shown"},
      {"<a href=\"x>y\" title='>'>link</a> a < b <3 </ x>c", "link a < b <3 c"},
      {"<style>@import url(/dev/zero);</style><link rel=stylesheet href=/dev/zero><img src=/dev/zero>ok",
       "ok"},
      {"<p>[*版本号*]\n4.0.3\n[*更新日期*]</p>", "[*版本号*] 4.0.3 [*更新日期*]"},
      {"before<script>never closed", "before"},
      {"caf&eacute; &alpha;&Omega; &hellip; &frac12; &spades;", "café αΩ … ½ ♠"},
      {"&Ntilde;&uuml;&Omega;&sigmaf;&OElig;&rArr;&sdot;&lang;&rang;&euro;&thetasym;", "ÑüΩςŒ⇒⋅⟨⟩€ϑ"},
      {"&EACUTE; &Eacute;&eacute; &foo; &eacute &lt &alpha &hellip", "&EACUTE; Éé &foo; é < &alpha &hellip"},
  };
  for (const auto& [html, text] : cases) {
    SCOPED_TRACE(html);
    EXPECT_EQ(platform::pageText(html, "text/html; charset=utf-8"), text);
  }

  // Every name of HTML 4.01 is read as a character of its own.
  const QString names = QStringLiteral(
      "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr deg plusmn "
      "sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 iquest Agrave "
      "Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml "
      "ETH Ntilde Ograve Oacute Ocirc Otilde Ouml times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN "
      "szlig agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute "
      "icirc iuml eth ntilde ograve oacute ocirc otilde ouml divide oslash ugrave uacute ucirc uuml "
      "yacute thorn yuml fnof Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi "
      "Omicron Pi Rho Sigma Tau Upsilon Phi Chi Psi Omega alpha beta gamma delta epsilon zeta eta "
      "theta iota kappa lambda mu nu xi omicron pi rho sigmaf sigma tau upsilon phi chi psi omega "
      "thetasym upsih piv bull hellip prime Prime oline frasl weierp image real trade alefsym larr "
      "uarr rarr darr harr crarr lArr uArr rArr dArr hArr forall part exist empty nabla isin notin ni "
      "prod sum minus lowast radic prop infin ang and or cap cup int there4 sim cong asymp ne equiv le "
      "ge sub sup nsub sube supe oplus otimes perp sdot lceil rceil lfloor rfloor lang rang loz spades "
      "clubs hearts diams quot amp lt gt OElig oelig Scaron scaron Yuml circ tilde ensp emsp thinsp "
      "zwnj zwj lrm rlm ndash mdash lsquo rsquo sbquo ldquo rdquo bdquo dagger Dagger permil lsaquo "
      "rsaquo euro");
  QSet<QString> characters;
  for (const QString& name : names.split(u' ', Qt::SkipEmptyParts)) {
    SCOPED_TRACE(name.toStdString());
    const QString text = platform::htmlText(u'&' + name + u';');
    EXPECT_EQ(text.size(), 1) << "read as one character, not left as written";
    characters.insert(text);
  }
  EXPECT_EQ(characters.size(), 252);

  // Only the first part of a large page is read; nesting costs nothing.
  QByteArray deep = "[*版本号*]4.1.0[*更新日期*]";
  for (int i = 0; i < 200000; ++i) deep += "<div>";
  deep += "深处";
  EXPECT_EQ(platform::pageText(deep, "text/html"), "[*版本号*]4.1.0[*更新日期*]");
  EXPECT_EQ(platform::pageText(QByteArray(platform::kLargestPageText, 'x') + "y", "text/plain").size(),
            static_cast<std::size_t>(platform::kLargestPageText));
}

TEST(WebPage, AHostilePageEndsInBoundedTimeReadingNothingButItselfWhileTheWindowGoesOn) {
  testing_support::TempFolder folder;
  const QByteArray fifo = QByteArray::fromStdString((folder.path() / "sheet.css").string());
  FifoWatch watch(fifo.toStdString());
  const QByteArray markers = "[*版本号*]4.1.0[*更新日期*]";

  PageServer server;
  server.serve("/import", {"200 OK", "text/html",
                           "<style>@import url(" + fifo +
                               ");</style><style>@import url(/dev/zero);</style><p>" + markers + "</p>"});
  server.serve("/link",
               {"200 OK", "text/html",
                "<link rel=\"stylesheet\" href=\"file:///dev/zero\"><link rel=stylesheet href=\"file://" +
                    fifo + "\"><img src=\"" + fifo + "\">" + markers});
  QByteArray deep = markers;
  for (int i = 0; i < 100000; ++i) deep += "<div>";
  server.serve("/deep", {"200 OK", "text/html", deep + "深处"});
  QByteArray table = markers + "<table>";
  while (table.size() < 15 * 1024 * 1024) table += "<tr><td>1</td><td>2</td></tr>";
  server.serve("/table", {"200 OK", "text/html", table});
  // Servers that never end the head of their answer, that never answer, or that never end the body.
  server.stream("/endless-line", [](qint64 sent) {
    return sent == 0 ? QByteArray("HTTP/1.1 200 OK\r\nX-Long: ") : QByteArray(64 * 1024, 'a');
  });
  server.stream("/endless-headers", [](qint64 sent) {
    return sent == 0 ? QByteArray("HTTP/1.1 200 OK\r\n") : QByteArray("X-Again: aaaaaaaa\r\n").repeated(4000);
  });
  server.stream("/silent", [](qint64) { return QByteArray(); });
  server.stream("/unfinished", [](qint64 sent) {
    return sent == 0 ? QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n<p>") : QByteArray();
  });

  setenv("TALLAMO_PROGRAM_FOLDER", folder.str().c_str(), 1);
  platform::RealDesktop desktop("Tallamo");
  unsetenv("TALLAMO_PROGRAM_FOLDER");
  desktop.setPageTimeLimits(std::chrono::milliseconds(1000), std::chrono::milliseconds(2500));

  std::vector<std::string> addresses;
  for (const char* path :
       {"/import", "/link", "/deep", "/table", "/endless-line", "/endless-headers", "/silent", "/unfinished"})
    addresses.push_back(server.address(path));
  qint64 longestStallMs = 0;
  const std::vector<Load> loads = FetchAll(desktop, addresses, longestStallMs);

  for (const Load& load : loads) {
    SCOPED_TRACE(load.address);
    ASSERT_TRUE(load.text) << "the load ends";
    if (load.address.ends_with("/table")) {
      EXPECT_TRUE(load.text->starts_with(markers.toStdString() + "\r\n1\r\n2\r\n"));
      EXPECT_LE(load.text->size(), static_cast<std::size_t>(platform::kLargestPageText));
    } else if (load.address.ends_with("/unfinished")) {
      EXPECT_EQ(*load.text, "");
      EXPECT_GE(load.endedAfterMs, 2300) << "the head came in time: the whole load had its time";
      EXPECT_LT(load.endedAfterMs, 4500);
    } else if (load.address.find("/endless") != std::string::npos || load.address.ends_with("/silent")) {
      EXPECT_EQ(*load.text, "");
      EXPECT_GE(load.endedAfterMs, 900);
      EXPECT_LT(load.endedAfterMs, 2300) << "no head in time";
    } else {
      EXPECT_EQ(*load.text, markers.toStdString());
    }
  }
  EXPECT_FALSE(watch.opened()) << "nothing the page names is read";
  if (testing_support::kChecksSpeed) {
    EXPECT_LT(longestStallMs, kLongestStallMs) << "the window stays responsive";
  }
}

namespace {

// The bytes in the gzip format, as a server that compresses its answers sends them.
QByteArray Gzip(const QByteArray& data) {
  const QByteArray zlib = qCompress(data);  // length (4 bytes), zlib head (2), deflate data, Adler-32 (4)
  QByteArray out("\x1f\x8b\x08\0\0\0\0\0\0\xff", 10);
  out += zlib.mid(6, zlib.size() - 10);
  quint32 crc = 0xFFFFFFFF;
  for (const char c : data) {
    crc ^= static_cast<quint8>(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
  }
  crc = ~crc;
  for (const quint32 word : {crc, static_cast<quint32>(data.size())})
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((word >> shift) & 0xFF);
  return out;
}

}  // namespace

TEST(WebPage, ACompressedAnswerFailsTheLoadAsSoonAsItsHeadIsIn) {
  const QByteArray markers = "[*版本号*]4.1.0[*更新日期*]";
  const QByteArray page = "<p>" + markers + "</p>";
  PageServer server;
  server.serve("/gzip", {"200 OK", "text/html", Gzip(page), "Content-Encoding: gzip\r\n"});
  server.serve("/deflate", {"200 OK", "text/html", qCompress(page).mid(4), "Content-Encoding: deflate\r\n"});
  server.serve("/upper", {"200 OK", "text/html", Gzip(page), "Content-Encoding: GZIP \r\n"});
  server.serve("/second-line", {"200 OK", "text/html", Gzip(page),
                                "Content-Encoding: identity\r\nContent-Encoding: gzip\r\n"});
  server.serve("/identity", {"200 OK", "text/html", page, "Content-Encoding: identity\r\n"});
  server.serve("/identities", {"200 OK", "text/html", page, "Content-Encoding: Identity , identity\r\n"});
  // The head of a redirect tells nothing of the page it leads to.
  server.serve("/moved", {"302 Found", "text/html", Gzip("moved"),
                          "Location: /identity\r\nContent-Encoding: gzip\r\n"});
  // The head is in, the body never ends: only the head can tell the load is lost.
  server.stream("/gzip-unfinished", [](qint64 sent) {
    return sent == 0
               ? QByteArray("HTTP/1.1 200 OK\r\nContent-Encoding: gzip\r\nContent-Length: 100\r\n\r\n\x1f")
               : QByteArray();
  });

  testing_support::TempFolder folder;
  setenv("TALLAMO_PROGRAM_FOLDER", folder.str().c_str(), 1);
  platform::RealDesktop desktop("Tallamo");
  unsetenv("TALLAMO_PROGRAM_FOLDER");
  desktop.setPageTimeLimits(std::chrono::milliseconds(1000), std::chrono::milliseconds(3000));

  std::vector<std::string> addresses;
  for (const char* path : {"/gzip", "/deflate", "/upper", "/second-line", "/identity", "/identities",
                           "/moved", "/gzip-unfinished"})
    addresses.push_back(server.address(path));
  qint64 longestStallMs = 0;
  for (const Load& load : FetchAll(desktop, addresses, longestStallMs)) {
    SCOPED_TRACE(load.address);
    ASSERT_TRUE(load.text) << "the load ends";
    const bool read = load.address.ends_with("/identity") || load.address.ends_with("/identities") ||
                      load.address.ends_with("/moved");
    EXPECT_EQ(*load.text, read ? markers.toStdString() : "");
    EXPECT_LT(load.endedAfterMs, 900) << "decided by the head, not by the time limit";
  }
}

namespace {

// Without a connectivity service to ask, the machine's network interfaces tell the connection. A copy
// of this test runs in a network namespace of its own, set up by the shell commands given, with no
// system bus; it prints what the real backend says.
std::optional<bool> ConnectedInANamespace(const QString& setup) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("TALLAMO_TELL_CONNECTION", "1");
  environment.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent");
  child.setProcessEnvironment(environment);
  child.start("unshare", {"-rn", "sh", "-c", setup + " && exec \"$0\" --gtest_filter=WebPage.*Connection*",
                          QCoreApplication::applicationFilePath()});
  if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit) return std::nullopt;
  const QByteArray out = child.readAllStandardOutput();
  if (out.contains("connected=1")) return true;
  if (out.contains("connected=0")) return false;
  return std::nullopt;
}

}  // namespace

TEST(WebPage, WithoutAConnectivityServiceAnInterfaceUpWithAnAddressMeansAConnection) {
  if (qEnvironmentVariableIsSet("TALLAMO_TELL_CONNECTION")) {
    platform::RealDesktop desktop("Tallamo");
    std::printf("connected=%d\n", desktop.networkConnected() ? 1 : 0);
    return;
  }
  const QString pair = "ip link add t0 type veth peer name t1 && ip addr add 10.9.0.1/24 dev t0";
  const std::optional<bool> loopbackOnly = ConnectedInANamespace("ip link set lo up");
  if (!loopbackOnly) GTEST_SKIP() << "this machine makes no network namespace with unshare and ip";
  EXPECT_FALSE(*loopbackOnly);
  EXPECT_EQ(ConnectedInANamespace(pair), false) << "an interface that is down";
  EXPECT_EQ(ConnectedInANamespace(pair + " && ip link set t1 up && ip link set t0 up"), true);
}
